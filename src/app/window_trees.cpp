#include "app/window_trees.h"

#include "ui_about_window.h"
#include "ui_currency_window.h"
#include "ui_forex_window.h"
#include "ui_main_window.h"
#include "ui_settings_window.h"

#include <QMainWindow>
#include <QWidget>

namespace pelorix {

namespace {

template <class Ui, class Root> std::unique_ptr<QWidget> build() {
    auto root = std::make_unique<Root>();
    Ui ui;
    ui.setupUi(root.get());
    return root;
}

} // namespace

std::unique_ptr<QWidget> buildWindowTree(const std::string& formName) {
    if (formName == "Form1") return build<Ui::MainWindow, QMainWindow>();
    if (formName == "Form2") return build<Ui::AboutWindow, QWidget>();
    if (formName == "Form3") return build<Ui::ForexWindow, QWidget>();
    if (formName == "Form4") return build<Ui::SettingsWindow, QWidget>();
    if (formName == "Form5") return build<Ui::CurrencyWindow, QWidget>();
    return nullptr;
}

} // namespace pelorix
