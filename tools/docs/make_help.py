#!/usr/bin/env python3
"""Writes data/help.doc: the user's guide as RTF, which word processors open under a .doc name."""
import pathlib

PARAGRAPHS = [
    ("h", "Pelorix — расчёт позиции и риска сделки"),
    ("p", "Pelorix помогает частному инвестору заранее оценить сделку на фондовом, срочном и "
          "валютном рынках: рыночный риск и доходность в процентах и в деньгах, оценку сделки и "
          "оптимальный размер позиции при допустимом риске."),
    ("h", "Как считать"),
    ("p", "1. Введите свой капитал и допустимый риск в процентах (или сумму потерь в деньгах)."),
    ("p", "2. Выберите закладку рынка: Акции, Фьючерсы или Forex."),
    ("p", "3. Заполните цену входа, Stop Loss и цель; для фьючерсов — ГО, количество контрактов и "
          "стоимость пункта; для Forex — инструмент и лот."),
    ("p", "4. Выберите тип позиции (Лонг или Шорт) и нажмите «Рассчитать»."),
    ("h", "Настройки"),
    ("p", "Меню «Настройка» открывает общие настройки (закладка по умолчанию, валюта расчёта, "
          "комиссии брокера и биржи), справочник инструментов Forex и список валют расчёта."),
    ("p", "Значения полей сохраняются в файлах рядом с программой и восстанавливаются при "
          "следующем запуске."),
]


def rtf_text(text: str) -> str:
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 128:
            out.append(ch)
        else:
            out.append(f"\\u{code if code < 32768 else code - 65536}?")
    return "".join(out)


def main() -> None:
    body = []
    for kind, text in PARAGRAPHS:
        style = "\\b\\fs28 " if kind == "h" else "\\fs22 "
        body.append("{\\pard\\sa160" + style + rtf_text(text) + "\\par}")
    rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Arial;}}\n" + "\n".join(body) + "\n}\n"
    target = pathlib.Path(__file__).resolve().parents[2] / "data" / "help.doc"
    target.write_text(rtf, encoding="ascii")


if __name__ == "__main__":
    main()
