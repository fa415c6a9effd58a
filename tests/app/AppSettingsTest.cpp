#include "app/AppSettings.h"

#include "AppTestSupport.h"
#include "app/ProgramFolder.h"

#include <gtest/gtest.h>

namespace kpt740 {
namespace {

TEST(SettingValues, BooleansAndNumbersAsTheSettingsFileHoldsThem) {
    struct Case {
        const char* text;
        bool asBool;
        int asInt;
    };
    const Case cases[] = {
        {"1", true, 1},      {"0", false, 0},  {"True", true, 0},      {"true", true, 0},
        {"False", false, 0}, {" 1 ", true, 1}, {"", false, 0},         {"yes", false, 0},
        {"-1", true, -1},    {"7", true, 7},   {"32767", true, 32767}, {"32768", true, 0},
        {"-32769", true, 0}, {"3x", false, 0}, {"2.0", true, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingAsBool(c.text), c.asBool) << '"' << c.text << '"';
        EXPECT_EQ(SettingAsInt16(c.text), c.asInt) << '"' << c.text << '"';
    }
}

TEST(SettingValues, PortValidation) {
    EXPECT_EQ(ValidatedPort(7, {1, 4}), 1);
    EXPECT_EQ(ValidatedPort(4, {1, 4}), 4);
    EXPECT_EQ(ValidatedPort(7, {}), 0);
    EXPECT_EQ(ValidatedPort(0, {3}), 3);
}

class SettingsStoreTest : public test::AppTest {};

TEST_F(SettingsStoreTest, WritesOneKeyInPlaceAndKeepsEveryOtherLine) {
    writeSettings("; shipped settings\n[language]\nIsFirstRun = 1\ncomPort=7\nFactoryFres=2\n"
                  "Other=a,b;c\\d\n[ports]\n1=/dev/ttyUSB0\n");
    SettingsStore store(programFolder(), userFolder());
    EXPECT_EQ(store.readAppSettings(), (AppSettings{true, 7, 2}));
    store.write("language", "comPort", "3");
    EXPECT_EQ(test::ReadFile(settingsFile()),
              "; shipped settings\n[language]\nIsFirstRun = 1\ncomPort=3\nFactoryFres=2\n"
              "Other=a,b;c\\d\n[ports]\n1=/dev/ttyUSB0\n");
    EXPECT_EQ(store.read("language", "Other"), "a,b;c\\d");
    EXPECT_FALSE(std::filesystem::exists(store.userFile()));
}

TEST_F(SettingsStoreTest, MissingFileOrKeysReadAsFalseAndZero) {
    std::filesystem::remove(settingsFile());
    SettingsStore store(programFolder(), userFolder());
    EXPECT_EQ(store.readAppSettings(), (AppSettings{false, 0, 0}));
    writeSettings("[language]\ncomPort=COM3\n");
    EXPECT_EQ(store.readAppSettings(), (AppSettings{false, 0, 0}));
}

TEST_F(SettingsStoreTest, AReadOnlyProgramFolderMovesWritesToAPerUserCopy) {
    writeSettings("[language]\nIsFirstRun=1\ncomPort=2\nFactoryFres=1\n[ports]\n2=/dev/ttyS1\n");
    const std::string shipped = test::ReadFile(settingsFile());
    SettingsStore store(programFolder(), userFolder(),
                        [](const std::filesystem::path&) { return false; });
    EXPECT_EQ(store.fileInUse(), store.programFile());

    store.write("language", "IsFirstRun", "0");
    EXPECT_EQ(test::ReadFile(settingsFile()), shipped);
    ASSERT_TRUE(std::filesystem::exists(store.userFile()));
    EXPECT_EQ(store.fileInUse(), store.userFile());
    // The copy starts from the shipped file, so the other keys carry over.
    EXPECT_EQ(store.readAppSettings(), (AppSettings{false, 2, 1}));
    EXPECT_EQ(store.read("ports", "2"), "/dev/ttyS1");

    store.write("language", "comPort", "5");
    EXPECT_EQ(store.readAppSettings().comPort, 5);
    EXPECT_EQ(test::ReadFile(settingsFile()), shipped);
}

TEST_F(SettingsStoreTest, ProgramFolderInTheBuildTreeAndInstalled) {
    // Build tree: the language folder lies beside the executable.
    EXPECT_EQ(LocateProgramFolder(programFolder(), "../share/kpt740"), programFolder());

    // Installed: bin/kpt740 finds share/kpt740.
    const auto prefix = programFolder().parent_path() / "prefix";
    test::WriteFile(prefix / "share" / "kpt740" / "language" / "english.ini", "[OTHER]\n");
    std::filesystem::create_directories(prefix / "bin");
    EXPECT_EQ(LocateProgramFolder(prefix / "bin", "../share/kpt740"),
              (prefix / "share" / "kpt740").lexically_normal());

    // Neither: the executable's folder.
    const auto bare = programFolder().parent_path() / "bare";
    std::filesystem::create_directories(bare);
    EXPECT_EQ(LocateProgramFolder(bare, "../share/kpt740"), bare);
}

TEST(ProgramFiles, HelpPagesAndSplashPicturesPerLanguage) {
    EXPECT_EQ(HelpFileFor(1), std::filesystem::path("help/english/index.html"));
    EXPECT_EQ(HelpFileFor(2), std::filesystem::path("help/chinese/index.html"));
    EXPECT_EQ(HelpFileFor(3), std::filesystem::path("help/tchinese/index.html"));
    EXPECT_EQ(HelpFileFor(9), std::filesystem::path("help/english/index.html"));
    EXPECT_EQ(SplashPictureFor(1), std::filesystem::path("StartE.jpg"));
    EXPECT_EQ(SplashPictureFor(2), std::filesystem::path("StartC.jpg"));
    EXPECT_EQ(SplashPictureFor(3), std::filesystem::path("StartE.jpg"));
}

} // namespace
} // namespace kpt740
