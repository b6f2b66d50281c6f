// Times the calculate command per market on the main window model: how long one press of the
// button takes from the commission read to the last label written.

#include "base/app_error.h"
#include "base/current_row.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "ui/tform1.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using namespace pelorix;

class SilentDialogs : public Dialogs {
public:
    void information(const std::string&) override { ++shown; }
    void plain(const std::string&) override { ++shown; }
    void error(const std::string&, const std::string&) override { ++shown; }
    bool confirm(const std::string&) override { return true; }
    long shown = 0;
};

class NoShell : public Shell {
public:
    void open(const std::string&) override {}
};

class Rates : public CurrentRow {
public:
    std::string fieldText(std::string_view field) const override {
        auto it = fields.find(std::string(field));
        if (it == fields.end()) throw AppError("missing field");
        return it->second;
    }
    std::map<std::string, std::string> fields{
        {"combrspot", "0,1"}, {"comstockspot", "0,05"}, {"combrfut", "2"}, {"comstockfut", "0,5"}};
};

struct Market {
    const char* name;
    int tab;
    const char* entry;
    const char* stop;
    const char* target;
};

double microsecondsPerCall(TForm1& form, const Market& m, int calls) {
    form.TabControl1.setTabIndex(m.tab);
    form.ComboBox1.setText("Лонг");
    form.Edit1.setText("100000");
    form.Edit2.setText("2");
    form.Edit3.setText(m.entry);
    form.Edit4.setText(m.stop);
    form.Edit5.setText(m.target);
    form.Edit9.setText("5000");
    form.Edit11.setText("3");
    form.Edit10.setText("10");
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        form.Button1Click();
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

} // namespace

int main(int argc, char** argv) {
    const int calls = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (calls <= 0) {
        std::fprintf(stderr, "usage: pelorix_bench [calls per market]\n");
        return 2;
    }
    SilentDialogs dialogs;
    NoShell shell;
    const Environment env{dialogs, shell, ".", ','};
    Rates rates;
    Connection connection("ADOConnection1");
    TableHandle instruments(connection, "ADOTable1", std::string(kInstrumentTable), ',');
    Form otherWindow(env, "Other", "", 100, 100);
    TForm1 form(env, {.commissionRow = rates,
                      .instruments = instruments,
                      .aboutWindow = otherWindow,
                      .forexWindow = otherWindow,
                      .settingsWindow = otherWindow,
                      .currencyWindow = otherWindow});
    form.m7.setText("руб.");

    const Market markets[] = {{"stocks", 0, "100", "95", "115"},
                              {"futures", 1, "1500", "1490", "1530"}};
    try {
        for (const Market& m : markets)
            std::printf("%s: %.3f µs/call\n", m.name, microsecondsPerCall(form, m, calls));
    } catch (const AppError& e) {
        std::fprintf(stderr, "calculation failed: %s\n", e.what());
        return 1;
    }
    if (dialogs.shown != 0) std::fprintf(stderr, "note: %ld message boxes shown\n", dialogs.shown);
    return 0;
}
