// Times the calculate command per market on the main window model: how long one press of the
// button takes from the commission read to the last label written. For Forex also the quote
// lookup, which runs on every keystroke of the entry price, and the filling of the instrument
// list, each over a reference table of 18 and of 10000 instruments.

#include "base/app_error.h"
#include "base/current_row.h"
#include "base/forex_instrument.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_list.h"
#include "settings/table_setup.h"
#include "ui/tform1.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sqlite3.h>
#include <string>
#include <unistd.h>

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
    bool open(const std::string&) override { return true; }
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

double microsecondsPer(int calls, const std::function<void()>& call) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        call();
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

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
    return microsecondsPer(calls, [&] { form.Button1Click(); });
}

// A reference database of `count` instruments in its own folder. The instrument the bench looks
// up is a cross pair in the last row, where a search that walked the table would find it last.
class InstrumentFolder {
public:
    explicit InstrumentFolder(int count)
        : path_(std::filesystem::temp_directory_path() /
                ("pelorix_bench_" + std::to_string(getpid()) + "_" + std::to_string(count))) {
        std::filesystem::create_directories(path_);
        sqlite3* db = nullptr;
        sqlite3_open((path_ / std::string(kDatabaseFileName)).c_str(), &db);
        std::string sql = "BEGIN; CREATE TABLE \"" + std::string(kInstrumentTable) +
                          "\" (currency TEXT, Price_step REAL, spread REAL, type TEXT);";
        for (int i = 1; i < count; ++i)
            sql += "INSERT INTO \"" + std::string(kInstrumentTable) + "\" VALUES ('I" +
                   std::to_string(i) + "/USD', 0.0001, 2, 'прямая');";
        sql += "INSERT INTO \"" + std::string(kInstrumentTable) +
               "\" VALUES ('EUR/GBP', 0.0001, 3, 'кросс-курс'); COMMIT;";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~InstrumentFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The main window over the given rates and instruments; every window its menu shows is `other`.
TForm1::Links linksOver(const CurrentRow& rates, TableHandle& instruments, Form& other) {
    return {.commissionRow = rates,
            .instruments = instruments,
            .aboutWindow = other,
            .forexWindow = other,
            .settingsWindow = other,
            .currencyWindow = other};
}

// The lookup, the list filling and a Forex calculation over `count` instruments.
void timeForex(const Environment& env, const CurrentRow& rates, int count, int calls) {
    const InstrumentFolder folder(count);
    Connection connection("ADOConnection1");
    TableHandle instruments(connection, "ADOTable1", std::string(kInstrumentTable), ',');
    openForEditing(connection, instruments, folder.path());
    Form otherWindow(env, "Other", "", 100, 100);
    TForm1 form(env, linksOver(rates, instruments, otherWindow));
    form.TabControl1.setTabIndex(2);
    form.ComboBox3.setText("EUR/GBP");
    form.Edit1.setText("100000");
    form.Edit2.setText("2");
    form.Edit3.setText("0,8");
    form.Edit4.setText("0,79");
    form.Edit5.setText("0,82");
    form.ComboBox2.setText("100000");
    form.Edit15.setText("1,3");

    const double lookup =
        microsecondsPer(calls, [&] { form.lookupForexQuote(EntryPriceTest::Skip); });
    // The list as the window's activation fills it: every name of the table once, in table
    // order.
    const double fill = microsecondsPer(std::max(1, calls / 1000), [&] {
        form.ComboBox3.clearItems();
        fillListFromTable(form.ComboBox3, instruments, kInstrumentName);
    });
    const double press = microsecondsPer(calls, [&] { form.Button1Click(); });
    std::printf("forex, %d instruments: lookup %.3f µs, list fill %.1f µs, calculation %.3f "
                "µs/call (%s)\n",
                count, lookup, fill, press, form.Label20.text().c_str());
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
    try {
        for (const int count : {18, 10000})
            timeForex(env, rates, count, calls);
    } catch (const AppError& e) {
        std::fprintf(stderr, "Forex failed: %s\n", e.what());
        return 1;
    }
    Connection connection("ADOConnection1");
    TableHandle instruments(connection, "ADOTable1", std::string(kInstrumentTable), ',');
    Form otherWindow(env, "Other", "", 100, 100);
    TForm1 form(env, linksOver(rates, instruments, otherWindow));
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
