#include "settings/settings_store.h"
#include "ui/tform1.h"

namespace pelorix {
namespace {

// Shown in the comment box until the first calculation empties it.
constexpr std::string_view kQuotation =
    "Если вы знаете, что обладаете преимуществом при N ставках,\r"
    "но не знаете, какие из этих N будут выигрышами (и на какую \r"
    "сумму), а какие из них будут проигрышами (и на какую сумму), \r"
    "то лучше всего на большом отрезке времени рисковать одной и \r"
    "той же долей вашего счета.  Ральф Винс. ";

constexpr std::string_view kSettingsFiles[] = {"capital.txt",     "go.txt",   "kolvo.txt",
                                               "coefficient.txt", "risk.txt", "type.txt",
                                               "currency.txt"};

} // namespace

void TForm1::FormCreate() {
    for (Slot* slot : settingsSlots())
        slot->setText("");
    const SettingsStore store(env().programFolder);
    for (const std::string_view file : kSettingsFiles)
        store.removeStaleTemporaries(file);
    loadSlot(store, m7, "currency.txt");
    const std::string unit = " " + m7.text();
    for (Label* label : {&Label16, &Label19, &Label30, &Label31, &Label32})
        label->setText(unit);
    Label43.setText(std::string(kQuotation));

    loadSlot(store, M6, "type.txt");
    loadSlot(store, Memo1, "capital.txt");
    loadSlot(store, Memo2, "go.txt");
    loadSlot(store, Memo3, "kolvo.txt");
    loadSlot(store, Memo4, "coefficient.txt");
    loadSlot(store, Memo5, "risk.txt");

    Edit1.setText(Memo1.text());
    Edit2.setText(Memo5.text());
    Edit11.setText(Memo3.text());
    Edit10.setText(Memo4.text());
    Edit9.setText(Memo2.text());
    for (Edit* price : {&Edit3, &Edit4, &Edit5})
        price->setText("0");

    if (M6.text() == "1")
        TabControl1.setTabIndex(0);
    else if (M6.text() == "2")
        TabControl1.setTabIndex(1);
    else if (M6.text() == "3")
        TabControl1.setTabIndex(2);
    setUpStartTab();
}

bool TForm1::FormClose() {
    const SettingsStore store(env().programFolder);
    const std::pair<const Slot*, const char*> files[] = {{&Memo1, "Capital.txt"},
                                                         {&Memo2, "Go.txt"},
                                                         {&Memo4, "Coefficient.txt"},
                                                         {&Memo3, "Kolvo.txt"},
                                                         {&Memo5, "risk.txt"}};
    for (const auto& [slot, file] : files) {
        // A slot whose file exists but was not read at start, and that nothing has filled
        // since, holds no value of the user's: writing it would wipe the file that keeps one.
        // A missing file keeps nothing; writing it ends the open error at every start.
        if (!loadedSlots_.contains(slot) && slot->text().empty() && store.exists(file)) continue;
        store.save(file, slot->text());
    }
    return true;
}

void TForm1::loadSlot(const SettingsStore& store, Slot& slot, std::string_view file) {
    slot.setText(store.load(file));
    loadedSlots_.insert(&slot);
}

std::vector<Slot*> TForm1::settingsSlots() {
    return {&Memo1, &Memo2, &Memo3, &Memo4, &Memo5, &M6, &m7};
}

} // namespace pelorix
