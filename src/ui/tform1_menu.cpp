#include "ui/tform1.h"

namespace pelorix {

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
