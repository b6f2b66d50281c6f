#include "ui/tform1.h"

namespace pelorix {

// "Справка" → "Прочитать": the help document beside the program.
void TForm1::online1Click() {
    openWithShell(env(), (env().programFolder / "help.doc").string());
}

// "Справка" → "Перейти на сайт": a page of the maker's site.
void TForm1::ofline1Click() {
    openWithShell(env(), Label28.text());
}

// "Настройка" → "Общие": the general settings window.
void TForm1::Forex1Click() {
    links_.settingsWindow.show();
}

// "Настройка" → "Настройки Forex": the instrument reference editor.
void TForm1::Forex2Click() {
    links_.forexWindow.show();
}

// "Настройка" → "Валюты расчёта": the settlement currency list.
void TForm1::N4Click() {
    links_.currencyWindow.show();
}

// "О программе": the About window is made visible; one already open is not brought to the front.
void TForm1::N2Click() {
    if (!links_.aboutWindow.visible()) links_.aboutWindow.show();
}

} // namespace pelorix
