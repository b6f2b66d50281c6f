#include "forex/tform3.h"

#include "base/grid_hint.h"
#include "settings/table_setup.h"

namespace pelorix {

TForm3::TForm3(const Environment& env, const QuoteFields& mainWindowQuote)
    : Form(env, "Form3", "Справочник валют", 276, 265), mainWindowQuote_(mainWindowQuote) {
    for (Label* mark : {&Label5, &Label4, &Label3})
        mark->setFontColor(Color::fromRgb(255, 0, 0));
    DBNavigator1.setVisible(false);
    Image1.setVisible(false);
    DBGrid1.bind(ADOTable1, env.dialogs);
}

void TForm3::FormCreate() {
    Label2.setText(std::string(kGridHint));
    openForEditing(ADOConnection1, ADOTable1, env().programFolder);
}

} // namespace pelorix
