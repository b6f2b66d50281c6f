#include "base/app_error.h"
#include "settings/settings_store.h"
#include "support/temp_folder.h"

#include "support/error_of.h"
#include "support/unprivileged.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace pelorix {
namespace {

using testing::asUnprivileged;
using testing::errorOf;
using testing::giveToUnprivileged;
using testing::TempFolder;
using Perms = std::filesystem::perms;

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
    ::testing::Values(
        Decoding{"empty file", "", ""}, Decoding{"code page", "\xF0\xF3\xE1.", "руб."},
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
        Decoding{"lead byte F5 after mark", "\xEF\xBB\xBF\xF5\x80\x80\x80",
                 "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        Decoding{"beyond U+10FFFF after mark",
                 "\xEF\xBB\xBF\xF4\x90\x80\x80"
                 "1",
                 "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
                 "1"},
        Decoding{"surrogate after mark", "\xEF\xBB\xBF\xED\xA0\x80",
                 "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        Decoding{"overlong after mark", "\xEF\xBB\xBF\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        Decoding{"four bytes after mark", "\xEF\xBB\xBF\xF0\x9F\x92\xB5", "\xF0\x9F\x92\xB5"},
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

// The code page for whatever it can hold; UTF-8 behind its mark for any other text, which reads
// back as the same text, so no value the user typed makes the save fail.
struct Encoding {
    const char* what;
    std::string text;
    std::string bytes;
};

class EncodingTest : public SettingsStoreTest, public ::testing::WithParamInterface<Encoding> {};

TEST_P(EncodingTest, ValueIsWrittenSoThatItReadsBack) {
    folder.writeBytes("currency.txt", "USD");
    store.save("currency.txt", GetParam().text);
    EXPECT_EQ(folder.readBytes("currency.txt"), GetParam().bytes) << GetParam().what;
    EXPECT_EQ(store.load("currency.txt"), GetParam().text) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, EncodingTest,
    ::testing::Values(Encoding{"code page", "руб.\r\n", "\xF0\xF3\xE1.\r\n"},
                      Encoding{"unassigned code-page byte", "1\xC2\x98", "1\x98"},
                      Encoding{"yen sign",
                               "\xC2\xA5"
                               "5",
                               "\xEF\xBB\xBF\xC2\xA5"
                               "5"},
                      Encoding{"ruble sign among letters", "₽ руб.",
                               "\xEF\xBB\xBF₽ руб."},
                      Encoding{"CJK", "\xE4\xB8\xAD", "\xEF\xBB\xBF\xE4\xB8\xAD"},
                      Encoding{"code page bytes FF FE", "яю", "\xEF\xBB\xBFяю"},
                      Encoding{"code page bytes FE FF", "юя1", "\xEF\xBB\xBFюя1"},
                      Encoding{"code page bytes EF BB BF", "п»ї", "\xEF\xBB\xBFп»ї"},
                      Encoding{"mark bytes later on", "1яю", "1\xFF\xFE"},
                      Encoding{"emoji", "\xF0\x9F\x92\xB5", "\xEF\xBB\xBF\xF0\x9F\x92\xB5"}));

TEST_F(SettingsStoreTest, UnreadableTextIsSavedWithReplacementCharacters) {
    store.save("risk.txt", "2\xFF");
    EXPECT_EQ(folder.readBytes("risk.txt"), "\xEF\xBB\xBF"
                                            "2\xEF\xBF\xBD");
}

// A settings file holds one short value; a huge one would freeze the window while it loads.
TEST_F(SettingsStoreTest, FileOver64KiBFailsWithTheOpenError) {
    folder.writeBytes("capital.txt", std::string(64 * 1024, '1'));
    EXPECT_EQ(store.load("capital.txt").size(), 64u * 1024);
    folder.writeBytes("capital.txt", std::string(64 * 1024 + 1, '1'));
    EXPECT_EQ(errorOf([&] { store.load("capital.txt"); }),
              "Cannot open file \"" + folder.file("capital.txt").string() +
                  "\". The file is larger than 64 KiB, too large for a settings value");
}

TEST_F(SettingsStoreTest, FolderOfTheSameNameDoesNotShadowTheFile) {
    std::filesystem::create_directory(folder.file("Capital.txt"));
    folder.writeBytes("capital.txt", "5000");
    EXPECT_EQ(store.load("capital.txt"), "5000");
    store.save("Capital.txt", "6000");
    EXPECT_EQ(folder.readBytes("capital.txt"), "6000");
}

TEST_F(SettingsStoreTest, NamedPipeInPlaceOfTheFileDoesNotHang) {
    ASSERT_EQ(::mkfifo(folder.file("go.txt").c_str(), 0644), 0);
    EXPECT_EQ(store.load("go.txt"), "");
    EXPECT_EQ(errorOf([&] { store.save("Go.txt", "3000"); }), "Cannot create file \"" +
                                                                  folder.file("go.txt").string() +
                                                                  "\". No such device or address");
}

TEST_F(SettingsStoreTest, LinkIsWrittenThroughToItsTarget) {
    std::filesystem::create_directory(folder.file("kept"));
    folder.writeBytes("kept/my capital", "1000");
    std::filesystem::create_symlink("kept/my capital", folder.file("capital.txt"));
    store.save("Capital.txt", "2000");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("capital.txt")));
    EXPECT_EQ(folder.readBytes("kept/my capital"), "2000");
    EXPECT_EQ(entryCount(folder.file("kept")), 1u);
}

// What the user may do with the folder and the file decides the save, root or not: a file he
// can write is written even in a folder that takes no new file (in place), and a file he made
// read-only is never replaced behind his back.
struct Rights {
    const char* what;
    Perms folder;
    std::optional<Perms> file; // none: no file
    const char* error;         // the system's description, or nullptr for a written value
};

class RightsTest : public SettingsStoreTest, public ::testing::WithParamInterface<Rights> {};

TEST_P(RightsTest, SaveFollowsTheUsersRights) {
    const Rights& c = GetParam();
    if (c.file) {
        folder.writeBytes("capital.txt", "250000");
        giveToUnprivileged(folder.file("capital.txt"));
        std::filesystem::permissions(folder.file("capital.txt"), *c.file);
    }
    giveToUnprivileged(folder.path());
    std::filesystem::permissions(folder.path(), c.folder);
    const std::string error =
        asUnprivileged([&] { return errorOf([&] { store.save("Capital.txt", "300000"); }); });
    std::filesystem::permissions(folder.path(), Perms::owner_all);

    const std::string name = c.file ? "capital.txt" : "Capital.txt";
    if (c.error) {
        EXPECT_EQ(error, "Cannot create file \"" + folder.file(name).string() + "\". " + c.error)
            << c.what;
        if (c.file) {
            EXPECT_EQ(folder.readBytes(name), "250000") << c.what;
        }
    } else {
        EXPECT_EQ(error, "(no error)") << c.what;
        EXPECT_EQ(folder.readBytes(name), "300000") << c.what;
    }
    const bool fileThere = c.file || !c.error;
    EXPECT_EQ(entryCount(folder.path()), fileThere ? 1u : 0u)
        << c.what << ": a temporary file stays";
}

constexpr Perms kOpenFolder = Perms::all;
constexpr Perms kClosedFolder = Perms::owner_read | Perms::owner_exec | Perms::group_read |
                                Perms::group_exec | Perms::others_read | Perms::others_exec;
constexpr Perms kWritableFile =
    Perms::owner_read | Perms::owner_write | Perms::group_read | Perms::others_read;
constexpr Perms kReadOnlyFile = Perms::owner_read | Perms::group_read | Perms::others_read;

INSTANTIATE_TEST_SUITE_P(
    Cases, RightsTest,
    ::testing::Values(
        Rights{"closed folder, writable file", kClosedFolder, kWritableFile, nullptr},
        Rights{"open folder, writable file", kOpenFolder, kWritableFile, nullptr},
        Rights{"open folder, no file", kOpenFolder, std::nullopt, nullptr},
        Rights{"open folder, read-only file", kOpenFolder, kReadOnlyFile, "Permission denied"},
        Rights{"closed folder, read-only file", kClosedFolder, kReadOnlyFile, "Permission denied"},
        Rights{"closed folder, no file", kClosedFolder, std::nullopt, "Permission denied"}));

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
