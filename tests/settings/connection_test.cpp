#include "base/app_error.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"
#include "support/temp_folder.h"

#include "support/error_of.h"
#include <algorithm>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <vector>

namespace pelorix {
namespace {

using testing::TempFolder;

// What opening the table reports, or "(no error)".
std::string openError(TableHandle& table) {
    return testing::errorOf([&] { table.open(); });
}

TEST(ConnectionString, NamesTheDatabaseBesideTheProgram) {
    EXPECT_EQ(connectionStringFor("/opt/pelorix"), "Data Source=/opt/pelorix/currency.mdb;");
    EXPECT_EQ(connectionStringFor("/opt/pelorix/"), "Data Source=/opt/pelorix/currency.mdb;");
}

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() { connection.setProgramFolder(folder.path()); }
    TempFolder folder;
    Connection connection{"ADOConnection1"};
};

TEST_F(ConnectionTest, MissingDatabaseIsReportedAndNotCreated) {
    TableHandle table(connection, "ADOTable1", std::string(kCurrencyTable), ',');
    EXPECT_EQ(openError(table),
              "Could not find file '" + folder.file("currency.mdb").string() + "'.");
    EXPECT_FALSE(folder.exists("currency.mdb"));
    EXPECT_FALSE(table.active());
    EXPECT_FALSE(connection.connected());
}

TEST_F(ConnectionTest, FileThatIsNoDatabaseIsReportedClearly) {
    for (const std::string& bytes : {std::string(4096, 'x'), std::string()}) {
        folder.writeBytes("currency.mdb", bytes);
        TableHandle table(connection, "ADOTable1", std::string(kCurrencyTable), ',');
        EXPECT_EQ(openError(table),
                  "Unrecognized database format '" + folder.file("currency.mdb").string() + "'.")
            << bytes.size() << " bytes";
        EXPECT_FALSE(table.active());
    }
}

// The database is found by the same name rule as the settings files, in any folder.
TEST(ConnectionFolder, FindsTheDatabaseUnderAnyLetterCaseInAnyFolder) {
    TempFolder root;
    for (const char* folderName : {"plain", "with;semicolon", "Data Source=x;"}) {
        for (const char* fileName : {"currency.mdb", "Currency.MDB"}) {
            const std::filesystem::path programFolder = root.file(folderName);
            std::filesystem::create_directory(programFolder);
            TempFolder scratch;
            scratch.createDatabase();
            std::filesystem::copy_file(scratch.file("currency.mdb"), programFolder / fileName);

            Connection connection("ADOConnection1");
            connection.setProgramFolder(programFolder);
            TableHandle table(connection, "ADOTable1", std::string(kCurrencyTable), ',');
            EXPECT_EQ(openError(table), "(no error)") << folderName << "/" << fileName;
            EXPECT_EQ(connection.file(), programFolder / fileName);
            std::filesystem::remove_all(programFolder);
        }
    }
}

TEST_F(ConnectionTest, DatabaseLockedAtStartSaysToRestart) {
    folder.createDatabase();
    sqlite3* locker = nullptr;
    ASSERT_EQ(sqlite3_open(folder.file("currency.mdb").c_str(), &locker), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(locker, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    TableHandle table(connection, "ADOTable1", std::string(kCurrencyTable), ',');
    EXPECT_EQ(openError(table), "The database file '" + folder.file("currency.mdb").string() +
                                    "' is locked by another program; close that program and "
                                    "start this one again, its tables stay closed until then");
    EXPECT_FALSE(table.active());
    sqlite3_close(locker);
}

TEST_F(ConnectionTest, MissingTableLeavesTheHandleClosed) {
    folder.createDatabase("CREATE TABLE other (x TEXT);");
    TableHandle table(connection, "ADOTable1", std::string(kCommissionTable), ',');
    EXPECT_NE(openError(table).find("no such table: commis"), std::string::npos);
    EXPECT_FALSE(table.active());
}

TEST_F(ConnectionTest, ShippedDatabaseListsItsInstrumentsInTableOrder) {
    folder.createDatabase();
    TableHandle instruments(connection, "ADOTable1", std::string(kInstrumentTable), ',');
    instruments.open();
    std::vector<std::string> names;
    for (instruments.first(); !instruments.eof(); instruments.next())
        names.push_back(instruments.fieldText("currency"));
    ASSERT_GE(names.size(), 11u);
    EXPECT_EQ(names[0], "EUR/USD");
    for (const char* name : {"GBP/USD", "AUD/USD", "NZD/USD", "USD/JPY", "USD/CHF", "USD/CAD",
                             "EUR/GBP", "EUR/JPY", "GBP/JPY", "EUR/CHF", "AUD/JPY"})
        EXPECT_NE(std::ranges::find(names, name), names.end()) << name;

    struct Expected {
        const char* name;
        const char* step;
        const char* type;
    };
    for (const auto& [name, step, type] :
         {Expected{"EUR/USD", "0,0001", "прямая"}, Expected{"USD/JPY", "0,01", "обратная"},
          Expected{"EUR/GBP", "0,0001", "кросс-курс"}, Expected{"GBP/JPY", "0,01", "кросс-курс"}}) {
        ASSERT_TRUE(instruments.locate("currency", name)) << name;
        EXPECT_EQ(instruments.fieldText("Price_step"), step) << name;
        EXPECT_EQ(instruments.fieldText("Type"), type) << name;
        EXPECT_FALSE(instruments.isNull("spread")) << name;
    }
}

TEST_F(ConnectionTest, ShippedDatabaseHoldsCurrenciesAndOneZeroCommissionRow) {
    folder.createDatabase();
    Connection second("ADOConnection2");
    second.setProgramFolder(folder.path());
    TableHandle currencies(connection, "ADOTable1", std::string(kCurrencyTable), ',');
    TableHandle commission(second, "ADOTable2", std::string(kCommissionTable), ',');
    currencies.open();
    commission.open();

    std::vector<std::string> labels;
    for (currencies.first(); !currencies.eof(); currencies.next())
        labels.push_back(currencies.fieldText("currency"));
    EXPECT_EQ(labels, (std::vector<std::string>{"руб.", "USD", "EUR"}));

    EXPECT_EQ(commission.rowCount(), 1);
    for (const char* field : {"combrspot", "combrfut", "comstockspot", "comstockfut"})
        EXPECT_EQ(commission.fieldText(field), "0") << field;
}

} // namespace
} // namespace pelorix
