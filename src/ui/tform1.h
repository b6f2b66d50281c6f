#pragma once

#include "base/current_row.h"
#include "base/form.h"
#include "base/late_ref.h"
#include "calc/trade_ticket.h"
#include "forex/quote_fields.h"
#include "forex/quote_lookup.h"
#include "settings/table_handle.h"

#include <set>
#include <string_view>
#include <vector>

namespace pelorix {

class SettingsStore;
struct ForexBranch;

// The main window: the trade ticket, the market tabs, the results and the comment.
class TForm1 : public Form {
public:
    // What the main window uses of the other windows, handed in once by the start-up sequence.
    struct Links {
        // The open commission row that every calculation reads; the general settings window
        // keeps it open and edits it in place.
        LateRef<const CurrentRow> commissionRow;
        // The instrument table the reference editor keeps open: its current row is the chosen
        // instrument of the quote lookup, the instrument list and the Forex sizing.
        LateRef<TableHandle> instruments;
        // The windows the menu shows.
        Form& aboutWindow;
        Form& forexWindow;
        Form& settingsWindow;
        Form& currencyWindow;
    };

    TForm1(const Environment& env, const Links& links);

    // The trade as the window's fields hold it, and the fields a calculation writes.
    TradeTicket ticket();
    ResultView results();
    // The fields the Forex quote lookup reads and writes.
    QuoteFields quoteFields();

    // Start-up and shutdown (tform1_lifecycle.cpp).
    // Loads the settings into their slots and fields and chooses the default market tab.
    void FormCreate() override;
    // Writes the five number settings back; a file that cannot be written keeps the window open.
    bool FormClose() override;

    // The calculation (tform1_calculate.cpp).
    void Button1Click();

    // Forex quotes (tform1_forex.cpp). The full lookup for the instrument, lot and rate on the
    // window, as the lot, instrument, rate and entry price handlers run it, and the window's
    // activation and the reference editor's save; and the reduced form of a switch to the Forex
    // tab, which sets up the rate field only.
    QuoteLookup lookupForexQuote(EntryPriceTest test);
    void lookupForexQuoteOnTabSwitch();
    void ComboBox2Change();
    void ComboBox3Change();
    void Edit15Change();
    void Edit3Change();

    // The market modes (tform1_tabs.cpp): the user's choice of a tab, the set-up for the tab
    // chosen at start, and the return of the focus to the window.
    void TabControl1Change();
    void setUpStartTab();
    void FormActivate() override;

    // The entry fields' own handlers (tform1_fields.cpp); the shared rules (key filter, "0" on
    // enter and leave, focus moves) are wired with them.
    void Edit1Change();
    void Edit2Change();
    void Edit6Change();
    void Edit4Change();
    void Edit5Change();
    void Edit9Change();
    void Edit10Change();
    void Edit11Change();
    void Edit6Exit();
    void Edit11Click();
    void ComboBox1Change();

    // The menu (tform1_menu.cpp).
    void Forex1Click();
    void Forex2Click();
    void N4Click();
    void N2Click();
    void online1Click();
    void ofline1Click();

    // The maker's link at the top (tform1_links.cpp).
    void Label10Click();
    void Label10MouseMove();
    void Label10MouseLeave();

    // Saving the general settings (tform1_settings.cpp): selects tab 0, 1 or 2 and lays the
    // window out for it with the settlement currency.
    void showSavedSettings(int tab, const std::string& currency);

    // Header: the maker's link and the addresses it opens.
    Label Label10{this, "Label10", "Pelorix - расчёт сделки до входа в рынок"};
    Label Label28{this, "Label28", "https://pelorix.example/pages/?p=17"};
    Label Label29{this, "Label29", "https://pelorix.example/"};
    Label Label9{this, "Label9", "Введите следующие параметры:"};

    // Capital and accepted risk.
    Label Label1{this, "Label1", "Ваш капитал"};
    Edit Edit1{this, "Edit1", "0"};
    Label Label16{this, "Label16", "руб."};
    Label Label34{this, "Label34", "Введите потери которые вы готовы нести в одной сделке"};
    Label Label2{this, "Label2", "Допустимый риск"};
    Edit Edit2{this, "Edit2", "0"};
    Label Label18{this, "Label18", "%"};
    Edit Edit6{this, "Edit6", "0"};
    Label Label19{this, "Label19", "руб."};

    // The market tabs and the trade parameters on them.
    TabControl TabControl1{this, "TabControl1", {"Акции", "Фьючерсы", "Forex"}};
    GroupBox GroupBox1{this, "GroupBox1"};
    Label Label33{this, "Label33", "запоните поля - параметры сделки и нажмите расчитать"};
    Label Label4{this, "Label4", "Цена входа"};
    Edit Edit3{this, "Edit3", "0"};
    Label Label30{this, "Label30", "руб."};
    Label Label5{this, "Label5", "Stop Loss"};
    Edit Edit4{this, "Edit4", "0"};
    Label Label31{this, "Label31", "руб."};
    Label Label6{this, "Label6", "Цель "};
    Edit Edit5{this, "Edit5", "0"};
    Label Label32{this, "Label32", "руб."};
    Label Label37{this, "Label37", "Инструмент"};
    ComboBox ComboBox3{this, "ComboBox3", "EUR/USD"};
    Label Label38{this, "Label38", "Лот"};
    ComboBox ComboBox2{this, "ComboBox2", "10000", lotSizes()};
    Label Label11{this, "Label11", "ГО:"};
    Edit Edit9{this, "Edit9", "0"};
    Label Label27{this, "Label27", "Кол-во контрактов"};
    Edit Edit11{this, "Edit11", "0"};
    Edit Edit15{this, "Edit15"};
    Label Label25{this, "Label25", "Руб/Пункт"};
    Edit Edit10{this, "Edit10", "1"};
    Edit Edit14{this, "Edit14"};
    Label Label35{this, "Label35", "Макс. кол-во контр:"};
    Label Label36{this, "Label36", "222"};
    Label Label41{this, "Label41", "10000000"};
    Label Label3{this, "Label3", "Тип позиции"};
    ComboBox ComboBox1{this, "ComboBox1", "Лонг", {"Лонг", "Шорт"}};
    Image Image1{this, "Image1"};
    Button Button1{this, "Button1", "Расcчитать"};

    // Results.
    GroupBox GroupBox2{this, "GroupBox2", "Результат расчёта"};
    Label Label7{this, "Label7", "Рыночный риск: "};
    Edit Edit7{this, "Edit7"};
    Label Label12{this, "Label12", "%"};
    Edit Edit12{this, "Edit12"};
    Label Label8{this, "Label8", "Доходность: "};
    Edit Edit8{this, "Edit8"};
    Label Label26{this, "Label26", "%"};
    Edit Edit13{this, "Edit13"};
    GroupBox GroupBox4{this, "GroupBox4", "Комментарий"};
    Label Label17{this, "Label17"};
    Label Label43{this, "Label43"};
    GroupBox GroupBox3{this, "GroupBox3", "Расчёт оптимального размера позиции: "};
    Label Label20{this, "Label20"};
    Label Label42{this, "Label42"};
    Label Label21{this, "Label21", "При этом риск на капитал составит:"};
    Label Label23{this, "Label23"};
    Label Label39{this, "Label39"};
    Label Label22{this, "Label22", "Дох-сть при выполнении цели будет:"};
    Label Label24{this, "Label24"};
    Label Label40{this, "Label40"};

    // The main menu.
    MenuItem N1{this, "N1", "Справка"};
    MenuItem online1{this, "online1", "Прочитать"};
    MenuItem ofline1{this, "ofline1", "Перейти на сайт"};
    MenuItem N3{this, "N3", "Настройка"};
    MenuItem Forex1{this, "Forex1", "Общие"};
    MenuItem Forex2{this, "Forex2", "Настройки Forex"};
    MenuItem N4{this, "N4", "Валюты расчёта"};
    MenuItem N2{this, "N2", "О программе"};

    // The settings slots: capital, margin, contracts, point value, risk, default tab, currency.
    Slot Memo1{this, "Memo1"};
    Slot Memo2{this, "Memo2"};
    Slot Memo3{this, "Memo3"};
    Slot Memo4{this, "Memo4"};
    Slot Memo5{this, "Memo5"};
    Slot M6{this, "M6"};
    Slot m7{this, "m7"};

private:
    static std::vector<std::string> lotSizes();
    void wireHandlers();
    QuoteSource quoteSource();
    ForexBranch forexBranch();
    void wireEntryFields();
    // The field the focus moves to from `from` for a navigation key, or nullptr.
    Control* focusTarget(const Control& from, Key key);
    // Label36: capital / margin rounded to whole contracts, when both have a value.
    void showMaximumContracts();
    // Label41: the largest lot the capital allows, at most 10000000.
    void showMaximumLot();
    // The instrument box lists each name of the instrument table once.
    void fillInstrumentList();
    void setUnitLabels(const std::string& capitalUnit, const std::string& priceUnit);
    void emptyResults();
    std::string unitText() const { return " " + m7.text(); }
    // Writes one risk field (percent or money) from the other.
    void followRiskField(Edit& follower, const std::string& text);
    void loadSlot(const SettingsStore& store, Slot& slot, std::string_view file);
    std::vector<Slot*> settingsSlots();

    const Links links_;
    std::set<const Slot*> loadedSlots_;
    bool riskFieldFollowing_ = false;
};

} // namespace pelorix
