#pragma once

#include "base/app_error.h"
#include "base/current_row.h"
#include "base/handler_boundary.h"
#include "base/user_actions.h"
#include "calc/trade_ticket.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"
#include "settings/table_setup.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/tform1.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pelorix::testing {

// The commission row as a field → text map. A field that is absent or holds kNull is a missing
// value, which the data layer cannot turn into text.
class FakeCommissionRow : public CurrentRow {
public:
    static constexpr std::string_view kNull = "<null>";

    std::string fieldText(std::string_view field) const override {
        reads.push_back(std::string(field));
        auto it = fields.find(field);
        if (it == fields.end() || it->second == kNull)
            throw AppError("Could not convert variant of type (Null) into type (OleStr)");
        return it->second;
    }

    std::map<std::string, std::string, std::less<>> fields{
        {"combrspot", "0"}, {"comstockspot", "0"}, {"combrfut", "0"}, {"comstockfut", "0"}};
    mutable std::vector<std::string> reads;
};

// A ticket as the user types it. Fields a market does not use keep harmless values.
struct Ticket {
    std::string side = "Лонг";
    int tab = 0;
    std::string capital = "100000";
    std::string risk = "2";
    std::string entry = "100";
    std::string stop = "95";
    std::string target = "115";
    std::string margin = "5000";
    std::string contracts = "3";
    std::string pointValue = "10";
    std::string instrument = "EUR/USD";
    std::string lot = "10000";
    std::string usdRate = "";
    bool usdRateShown = false;
};

// Instruments beside the shipped ones (EUR/USD direct, step 0,0001, spread 2; USD/JPY inverse,
// step 0,01, spread 2; EUR/GBP cross, step 0,0001, spread 3), each lacking or bending one term.
constexpr std::string_view kOddInstruments = R"sql(
INSERT INTO "Сurrency" (currency, Price_step, spread, type) VALUES
    ('NO/SPREAD', 0.0001, 0, 'прямая'),
    ('NULL/STEP', NULL, 2, 'прямая'),
    ('NULL/SPREAD', 0.0001, NULL, 'прямая'),
    ('NULL/KIND', 0.0001, 2, NULL),
    ('ZERO/STEP', 0, 2, 'прямая'),
    ('ODD/KIND', 0.0001, 2, 'другая'),
    ('ЕВ/GBP', 0.0001, 3, 'кросс-курс');
)sql";

// The main window in a comma locale, its commission row, the instrument table open as the
// reference editor keeps it, and a recording of every box shown. The window reads the fake
// commission row `rates` unless it is handed another one; the instruments are the shipped ones
// and the rows that `extraInstruments` (SQL) adds.
class CalcHarness {
public:
    CalcHarness() : CalcHarness(nullptr, "") {}
    explicit CalcHarness(const CurrentRow& commissionRow) : CalcHarness(&commissionRow, "") {}
    explicit CalcHarness(std::string_view extraInstruments)
        : CalcHarness(nullptr, extraInstruments) {}

    void enter(const Ticket& t) {
        form.TabControl1.setTabIndex(t.tab);
        form.ComboBox1.setText(t.side);
        form.Edit1.setText(t.capital);
        form.Edit2.setText(t.risk);
        form.Edit3.setText(t.entry);
        form.Edit4.setText(t.stop);
        form.Edit5.setText(t.target);
        form.Edit9.setText(t.margin);
        form.Edit11.setText(t.contracts);
        form.Edit10.setText(t.pointValue);
        form.ComboBox3.setText(t.instrument);
        form.ComboBox2.setText(t.lot);
        form.Edit15.setText(t.usdRate);
        form.Edit15.setVisible(t.usdRateShown);
    }

    // The user clicks the calculate button.
    void press() { user.click(form, form.Button1); }

    // Every result a calculation may write, with a marker so that what it leaves alone shows.
    void markResults(const std::string& marker = "прежнее") {
        for (TextControl* c : resultControls())
            c->setText(marker);
        form.Label43.setText("цитата");
        form.Label11.setText("ГО:");
        form.Label21.setVisible(false);
        form.Label22.setVisible(false);
    }

    std::map<std::string, std::string> results() {
        std::map<std::string, std::string> texts;
        for (TextControl* c : resultControls())
            texts[c->name()] = c->text();
        return texts;
    }

    RecordingDialogs dialogs;
    RecordingShell shell;
    // The shipped program folder: choosing the side loads its position picture from there.
    Environment env{dialogs, shell, PELORIX_PROGRAM_DIR, ','};
    FakeCommissionRow rates;
    TempFolder folder;
    Connection instrumentConnection{"ADOConnection1"};
    TableHandle instruments{instrumentConnection, "ADOTable1", std::string(kInstrumentTable), ','};
    // Stands for the reference editor, which the quote lookup shows…
    Form forexWindow{env, "Form3", "", 100, 100};
    // …and for each other window the menu shows.
    Form otherWindow{env, "Other", "", 100, 100};
    TForm1 form;
    HandlerBoundary boundary{env};
    UserActions user{boundary};

private:
    CalcHarness(const CurrentRow* commissionRow, std::string_view extraInstruments)
        : form(env, {.commissionRow = commissionRow ? *commissionRow : rates,
                     .instruments = instruments,
                     .aboutWindow = otherWindow,
                     .forexWindow = forexWindow,
                     .settingsWindow = otherWindow,
                     .currencyWindow = otherWindow}) {
        folder.createDatabase(shippedDatabaseSql() + std::string(extraInstruments));
        openForEditing(instrumentConnection, instruments, folder.path());
        form.m7.setText("руб.");
    }

    std::vector<TextControl*> resultControls() {
        return {&form.Edit7,   &form.Edit8,   &form.Edit12,  &form.Edit13,
                &form.Label17, &form.Label20, &form.Label42, &form.Label23,
                &form.Label24, &form.Label39, &form.Label40};
    }
};

inline std::string info(const std::string& message) {
    return "info: " + message;
}
inline std::string plain(const std::string& message) {
    return "plain: " + message;
}
inline std::string errorBox(const std::string& text) {
    return "error: " + text + " [Pelorix]";
}

} // namespace pelorix::testing
