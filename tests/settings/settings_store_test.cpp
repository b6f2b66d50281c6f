#include "base/app_error.h"
#include "settings/settings_store.h"
#include "support/temp_folder.h"

#include "support/error_of.h"
#include <csignal>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

namespace pelorix {
namespace {

using testing::errorOf;

using testing::TempFolder;

std::size_t entryCount(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

class SettingsStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    SettingsStore store{folder.path()};
};

// The name the main window reads at start and the one it (or the settings window) writes.
struct FilePair {
    const char* readName;
    const char* writeName;
};

class SevenFilesTest : public SettingsStoreTest, public ::testing::WithParamInterface<FilePair> {};

TEST_P(SevenFilesTest, WrittenValueReadsBackUnderTheOtherSpellingFromOneFile) {
    const auto [readName, writeName] = GetParam();
    folder.writeBytes(readName, "1");
    const std::string value = "руб.\r\n12,5";
    store.save(writeName, value);
    EXPECT_EQ(store.load(readName), value);
    EXPECT_EQ(folder.readBytes(readName), "\xF0\xF3\xE1.\r\n12,5"); // Windows-1251, nothing added
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

INSTANTIATE_TEST_SUITE_P(Slots, SevenFilesTest,
                         ::testing::Values(FilePair{"capital.txt", "Capital.txt"},
                                           FilePair{"go.txt", "Go.txt"},
                                           FilePair{"kolvo.txt", "Kolvo.txt"},
                                           FilePair{"coefficient.txt", "Coefficient.txt"},
                                           FilePair{"risk.txt", "risk.txt"},
                                           FilePair{"type.txt", "type.txt"},
                                           FilePair{"currency.txt", "currency.txt"}));

struct Decoding {
    const char* what;
    std::string bytes;
    std::string text;
};

class DecodingTest : public SettingsStoreTest, public ::testing::WithParamInterface<Decoding> {};

TEST_P(DecodingTest, FileReadsAsText) {
    folder.writeBytes("risk.txt", GetParam().bytes);
    EXPECT_EQ(store.load("risk.txt"), GetParam().text) << GetParam().what;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, DecodingTest,
    ::testing::Values(Decoding{"empty file", "", ""},
                      Decoding{"code page", "\xF0\xF3\xE1.", "руб."},
                      Decoding{"UTF-8 mark", "\xEF\xBB\xBF\xD1\x80\xD1\x83\xD0\xB1.", "руб."},
                      Decoding{"UTF-16 LE mark", "\xFF\xFE\x40\x04\x43\x04\x31\x04.\0"s, "руб."},
                      Decoding{"UTF-16 BE mark", "\xFE\xFF\x04\x40\x04\x43\x04\x31\0."s, "руб."},
                      Decoding{"LF", "1\n2\n", "1\r\n2\r\n"}, Decoding{"lone CR", "1\r2", "1\r\n2"},
                      Decoding{"CR LF kept", "1\r\n2", "1\r\n2"},
                      Decoding{"CR before CR LF", "1\r\r\n2", "1\r\n\r\n2"},
                      Decoding{"LF in UTF-16",
                               "\xFF\xFE"
                               "3\0\n\0"s,
                               "3\r\n"},
                      Decoding{"unassigned code-page byte", "1\x98", "1\xC2\x98"},
                      Decoding{"broken UTF-8 after mark",
                               "\xEF\xBB\xBF"
                               "1\xFF"
                               "2",
                               "1\xEF\xBF\xBD"
                               "2"},
                      Decoding{"odd byte in UTF-16",
                               "\xFF\xFE"
                               "5\0\x01"s,
                               "5\xEF\xBF\xBD"},
                      Decoding{"lone surrogate in UTF-16",
                               "\xFF\xFE\x00\xD8"
                               "7\0"s,
                               "\xEF\xBF\xBD"
                               "7"}));

TEST_F(SettingsStoreTest, MarkedFileIsWrittenBackWithoutMarkInTheCodePage) {
    folder.writeBytes("currency.txt", "\xEF\xBB\xBF\xD1\x80\xD1\x83\xD0\xB1.");
    store.save("currency.txt", store.load("currency.txt"));
    EXPECT_EQ(folder.readBytes("currency.txt"), "\xF0\xF3\xE1.");
}

TEST_F(SettingsStoreTest, ProgramWrittenFileRoundTripsByteForByte) {
    // Every byte of the code page, the unassigned 0x98 included, comes back as it was.
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    folder.writeBytes("capital.txt", bytes);
    store.save("Capital.txt", store.load("capital.txt"));
    EXPECT_EQ(folder.readBytes("capital.txt"), bytes);
}

TEST_F(SettingsStoreTest, NewFileIsCreatedUnderTheGivenNameAndFoundUnderAnyCase) {
    store.save("Capital.txt", "100000");
    EXPECT_TRUE(folder.exists("Capital.txt"));
    EXPECT_EQ(store.load("capital.txt"), "100000");
    EXPECT_EQ(store.load("CAPITAL.TXT"), "100000");
}

TEST_F(SettingsStoreTest, OfTwoSpellingsOnDiskReadAndWriteUseTheSameOne) {
    folder.writeBytes("Go.txt", "old upper");
    folder.writeBytes("go.txt", "old lower");
    store.save("go.txt", "new");
    EXPECT_EQ(store.load("Go.txt"), "new");
    EXPECT_EQ(store.load("go.txt"), "new");
}

TEST_F(SettingsStoreTest, MissingFileFailsWithTheOpenError) {
    EXPECT_EQ(errorOf([&] { store.load("type.txt"); }), "Cannot open file \"" +
                                                            folder.file("type.txt").string() +
                                                            "\". No such file or directory");
}

TEST_F(SettingsStoreTest, FolderInPlaceOfTheFileFailsBothWays) {
    std::filesystem::create_directory(folder.file("Kolvo.txt"));
    const std::string path = folder.file("Kolvo.txt").string();
    EXPECT_EQ(errorOf([&] { store.load("kolvo.txt"); }),
              "Cannot open file \"" + path + "\". Is a directory");
    EXPECT_EQ(errorOf([&] { store.save("Kolvo.txt", "3"); }),
              "Cannot create file \"" + path + "\". Is a directory");
    EXPECT_EQ(entryCount(folder.path()), 1u) << "the temporary file is left behind";
}

TEST_F(SettingsStoreTest, MissingFolderFailsWithTheCreateError) {
    SettingsStore nowhere(folder.file("gone"));
    EXPECT_EQ(errorOf([&] { nowhere.save("risk.txt", "2"); }),
              "Cannot create file \"" + folder.file("gone").string() +
                  "/risk.txt\". No such file or directory");
}

TEST_F(SettingsStoreTest, CharacterOutsideTheCodePageIsRefusedAndTheOldValueStays) {
    folder.writeBytes("currency.txt", "USD");
    EXPECT_EQ(errorOf([&] { store.save("currency.txt", "\xE5\x85\x83"); }), // 元
              "Cannot create file \"" + folder.file("currency.txt").string() +
                  "\". The character \"\xE5\x85\x83\" (U+5143) cannot be written in the "
                  "Windows-1251 code page");
    EXPECT_EQ(folder.readBytes("currency.txt"), "USD");
}

// A write that fails halfway (here: the file-size limit, as a full disk would) must leave the
// old value whole and no temporary file behind.
TEST_F(SettingsStoreTest, WriteFailingHalfwayKeepsTheOldValue) {
    folder.writeBytes("capital.txt", "250000");
    const std::string big(64 * 1024, '7');

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = errorOf([&] { store.save("Capital.txt", big); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message,
              "Cannot create file \"" + folder.file("capital.txt").string() + "\". File too large");
    EXPECT_EQ(folder.readBytes("capital.txt"), "250000");
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

} // namespace
} // namespace pelorix
