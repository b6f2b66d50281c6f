#pragma once

#include "base/seams.h"
#include "forex/quote_fields.h"

#include <functional>

namespace pelorix {

class TableHandle;

// Where the lookup finds the instruments and how it talks to the user.
struct QuoteSource {
    TableHandle& instruments; // the shared instrument table; the search moves its current row
    Dialogs& dialogs;
    std::function<void()> showEditor; // opens the reference editor, or brings it to the front
    char decimalSeparator;
};

// Whether a direct pair's point value is blanked by an entry price of exactly "0". The lot and
// rate handlers and the editor's save ask for it; the instrument and entry price handlers and
// the window's activation do not.
enum class EntryPriceTest { Skip, Apply };

enum class QuoteLookup {
    Done,         // the point value and the rate field are as the row and the fields say
    NotFound,     // no instrument of that name; the user was told
    MissingTerms, // the row lacks its price step or kind; the user was told, the editor is open
    UnknownKind   // the row's kind is none of the three: nothing changed
};

// Finds the instrument named in the instrument box (a pending edit of the table is saved or
// dropped first), shows or hides the rate field for its kind and writes the dollar value of one
// point of the lot, or the empty text while a value it needs is missing.
QuoteLookup lookupForexQuote(const QuoteFields& fields, const QuoteSource& source,
                             EntryPriceTest test);

// The reduced form run when the user chooses the Forex tab: finds the instrument and sets up
// the rate field for a cross pair; the point value is left as it is.
void lookupForexQuoteOnTabSwitch(const QuoteFields& fields, const QuoteSource& source);

// The box for an instrument row that lacks what the figures need, then the editor on that row.
void reportMissingTerms(const QuoteSource& source);
// The box for an instrument name that no row of the table holds.
void reportInstrumentNotFound(const QuoteSource& source);

} // namespace pelorix
