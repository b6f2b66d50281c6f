-- The reference database shipped beside the program as currency.mdb.
-- Built with: sqlite3 currency.mdb ".read data/currency.sql"
-- Plain SQL only, so the test support can run the same text through the SQLite library.

BEGIN TRANSACTION;

-- Forex instruments. The table's first letter is the Cyrillic capital Es (U+0421).
-- Price_step: the smallest price change; spread: counted in price steps;
-- type: прямая (quote currency is USD), обратная (base currency is USD), кросс-курс (no USD).
CREATE TABLE "Сurrency" (
    currency   TEXT,
    Price_step REAL,
    spread     REAL,
    type       TEXT
);

INSERT INTO "Сurrency" (currency, Price_step, spread, type) VALUES
    ('EUR/USD', 0.0001, 2, 'прямая'),
    ('GBP/USD', 0.0001, 3, 'прямая'),
    ('AUD/USD', 0.0001, 3, 'прямая'),
    ('NZD/USD', 0.0001, 4, 'прямая'),
    ('USD/JPY', 0.01,   2, 'обратная'),
    ('USD/CHF', 0.0001, 3, 'обратная'),
    ('USD/CAD', 0.0001, 3, 'обратная'),
    ('EUR/GBP', 0.0001, 3, 'кросс-курс'),
    ('EUR/JPY', 0.01,   3, 'кросс-курс'),
    ('GBP/JPY', 0.01,   5, 'кросс-курс'),
    ('EUR/CHF', 0.0001, 3, 'кросс-курс'),
    ('AUD/JPY', 0.01,   4, 'кросс-курс'),
    ('CHF/JPY', 0.01,   4, 'кросс-курс'),
    ('CAD/JPY', 0.01,   4, 'кросс-курс'),
    ('EUR/AUD', 0.0001, 4, 'кросс-курс'),
    ('EUR/CAD', 0.0001, 5, 'кросс-курс'),
    ('GBP/CHF', 0.0001, 5, 'кросс-курс'),
    ('AUD/NZD', 0.0001, 5, 'кросс-курс');

-- Settlement currency labels offered by the general settings window.
CREATE TABLE curr (
    currency TEXT
);

INSERT INTO curr (currency) VALUES ('руб.'), ('USD'), ('EUR');

-- The one row of commission rates: broker and exchange, spot (percent) and futures (money per
-- contract). Zero until the user enters his own rates.
CREATE TABLE commis (
    combrspot    REAL,
    combrfut     REAL,
    comstockspot REAL,
    comstockfut  REAL
);

INSERT INTO commis (combrspot, combrfut, comstockspot, comstockfut) VALUES (0, 0, 0, 0);

COMMIT;
