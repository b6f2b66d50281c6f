#pragma once

#include "base/text.h"

#include <string>

namespace pelorix::messages {

// The texts the calculation shows, shared by the checks and the market sizings. Several of them
// carry the system's own typing (doubled blanks, a Latin letter) and are kept exactly so.

inline const std::string kCapitalLongStocks = "Размер капитала и Риск не могут быть меньше 0 !";
inline const std::string kCapital = "Размер капитала и Риск не могут быть < 0 !";
inline const std::string kFillFields = "Заполните пустые поля !";
inline const std::string kLongStop = "stop loss должен быть меньше  точки входа!";
inline const std::string kShortStop = "stop loss должен быть больше  точки входа!";
inline const std::string kLongTarget = "Цель не должна быть меньше точки входа!";
inline const std::string kShortTarget = "Цель не должна быть больше точки входа!";
// The first letter is the Latin C.
inline const std::string kStopEqual = "Cтоп лосс не может быть равен точке входа!";
inline const std::string kStocksLimit =
    "Цена финансового инструмента больше чем размер Вашего капитала! " + std::string(kLineBreak) +
    "Либо измените цену входа, либо размер счета";
inline const std::string kMarginLimit = "Внимание! Превышен лимит по ГО!";
inline const std::string kLotLimit = "Внимание! Превышена величина лота!";

// A market risk shown as 0 cannot size a position: the optimum would be infinite.
inline const std::string kZeroMarketRisk =
    "Рыночный риск округлился до нуля: оптимальный размер позиции рассчитать нельзя. "
    "Увеличьте расстояние до стоп-лосса или размер позиции.";

// The comment for a trade whose market risk is above its yield; long stocks indent it by a blank.
inline std::string noSenseComment(bool leadingBlank) {
    return std::string(leadingBlank ? " " : "") + "СДЕЛКА НЕ ИМЕЕТ СМЫСЛА!" +
           std::string(kLineBreak) + "Потенциальный риск  больше чем доходность!" +
           std::string(kLineBreak) +
           "Рекомендуем либо отказаться от сделки, либо изменить параметры сделки.";
}

} // namespace pelorix::messages
