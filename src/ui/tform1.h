#pragma once

#include "base/current_row.h"
#include "base/form.h"

#include <set>
#include <string_view>
#include <vector>

namespace pelorix {

class SettingsStore;

// The main window: the trade ticket, the market tabs, the results and the comment.
class TForm1 : public Form {
public:
    explicit TForm1(const Environment& env);

    // The open commission row that the calculation reads at every run (the general settings
    // window keeps it open); wired by the start-up sequence.
    const CurrentRow* commissionRow = nullptr;

    // Loads the settings into their slots and fields and chooses the default market tab.
    void FormCreate() override;
    // Writes the five number settings back; a file that cannot be written keeps the window open.
    bool FormClose() override;

    void Button1Click();

    // Header: the maker's link and the addresses it opens.
    Label Label10{"Label10", "Pelorix - расчёт сделки до входа в рынок"};
    Label Label28{"Label28", "https://pelorix.example/pages/?p=17"};
    Label Label29{"Label29", "https://pelorix.example/"};
    Label Label9{"Label9", "Введите следующие параметры:"};

    // Capital and accepted risk.
    Label Label1{"Label1", "Ваш капитал"};
    Edit Edit1{"Edit1", "0"};
    Label Label16{"Label16", "руб."};
    Label Label34{"Label34", "Введите потери которые вы готовы нести в одной сделке"};
    Label Label2{"Label2", "Допустимый риск"};
    Edit Edit2{"Edit2", "0"};
    Label Label18{"Label18", "%"};
    Edit Edit6{"Edit6", "0"};
    Label Label19{"Label19", "руб."};

    // The market tabs and the trade parameters on them.
    TabControl TabControl1{"TabControl1", {"Акции", "Фьючерсы", "Forex"}};
    GroupBox GroupBox1{"GroupBox1"};
    Label Label33{"Label33", "запоните поля - параметры сделки и нажмите расчитать"};
    Label Label4{"Label4", "Цена входа"};
    Edit Edit3{"Edit3", "0"};
    Label Label30{"Label30", "руб."};
    Label Label5{"Label5", "Stop Loss"};
    Edit Edit4{"Edit4", "0"};
    Label Label31{"Label31", "руб."};
    Label Label6{"Label6", "Цель "};
    Edit Edit5{"Edit5", "0"};
    Label Label32{"Label32", "руб."};
    Label Label37{"Label37", "Инструмент"};
    ComboBox ComboBox3{"ComboBox3", "EUR/USD"};
    Label Label38{"Label38", "Лот"};
    ComboBox ComboBox2{"ComboBox2", "10000", lotSizes()};
    Label Label11{"Label11", "ГО:"};
    Edit Edit9{"Edit9", "0"};
    Label Label27{"Label27", "Кол-во контрактов"};
    Edit Edit11{"Edit11", "0"};
    Edit Edit15{"Edit15"};
    Label Label25{"Label25", "Руб/Пункт"};
    Edit Edit10{"Edit10", "1"};
    Edit Edit14{"Edit14"};
    Label Label35{"Label35", "Макс. кол-во контр:"};
    Label Label36{"Label36", "222"};
    Label Label41{"Label41", "10000000"};
    Label Label3{"Label3", "Тип позиции"};
    ComboBox ComboBox1{"ComboBox1", "Лонг", {"Лонг", "Шорт"}};
    Image Image1{"Image1"};
    Button Button1{"Button1", "Расcчитать"};

    // Results.
    GroupBox GroupBox2{"GroupBox2", "Результат расчёта"};
    Label Label7{"Label7", "Рыночный риск: "};
    Edit Edit7{"Edit7"};
    Label Label12{"Label12", "%"};
    Edit Edit12{"Edit12"};
    Label Label8{"Label8", "Доходность: "};
    Edit Edit8{"Edit8"};
    Label Label26{"Label26", "%"};
    Edit Edit13{"Edit13"};
    GroupBox GroupBox4{"GroupBox4", "Комментарий"};
    Label Label17{"Label17"};
    Label Label43{"Label43"};
    GroupBox GroupBox3{"GroupBox3", "Расчёт оптимального размера позиции: "};
    Label Label20{"Label20"};
    Label Label42{"Label42"};
    Label Label21{"Label21", "При этом риск на капитал составит:"};
    Label Label23{"Label23"};
    Label Label39{"Label39"};
    Label Label22{"Label22", "Дох-сть при выполнении цели будет:"};
    Label Label24{"Label24"};
    Label Label40{"Label40"};

    // The main menu.
    MenuItem N1{"N1", "Справка"};
    MenuItem online1{"online1", "Прочитать"};
    MenuItem ofline1{"ofline1", "Перейти на сайт"};
    MenuItem N3{"N3", "Настройка"};
    MenuItem Forex1{"Forex1", "Общие"};
    MenuItem Forex2{"Forex2", "Настройки Forex"};
    MenuItem N4{"N4", "Валюты расчёта"};
    MenuItem N2{"N2", "О программе"};

    // The settings slots: capital, margin, contracts, point value, risk, default tab, currency.
    Slot Memo1{"Memo1"};
    Slot Memo2{"Memo2"};
    Slot Memo3{"Memo3"};
    Slot Memo4{"Memo4"};
    Slot Memo5{"Memo5"};
    Slot M6{"M6"};
    Slot m7{"m7"};

private:
    static std::vector<std::string> lotSizes();
    void loadSlot(const SettingsStore& store, Slot& slot, std::string_view file);
    std::vector<Slot*> settingsSlots();

    std::set<const Slot*> loadedSlots_;
};

} // namespace pelorix
