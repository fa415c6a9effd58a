#include "text/IniFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

const char* const kSample = "; settings\r\n"
                            "[language]\r\n"
                            "IsFirstRun=1\r\n"
                            "\r\n"
                            "[OTHER]\r\n"
                            "1603 = Input:1~9,A,B,C,D,#,* \r\n"
                            "2000=C:\\path;not a comment\r\n"
                            "[ports]\r\n";

TEST(IniFile, ValuesAreTakenAsTheyStand) {
    const IniFile ini(kSample);
    EXPECT_EQ(ini.value("OTHER", "1603"), "Input:1~9,A,B,C,D,#,*");
    EXPECT_EQ(ini.value("other", "2000"), "C:\\path;not a comment");
    EXPECT_EQ(ini.value("LANGUAGE", "isfirstrun"), "1");
    EXPECT_EQ(ini.value("OTHER", "9"), std::nullopt);
    EXPECT_EQ(ini.value("nothing", "1603"), std::nullopt);
    EXPECT_EQ(ini.keys("OTHER"), (std::vector<std::string>{"1603", "2000"}));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"language", "OTHER", "ports"}));
}

TEST(IniFile, WritingChangesOneLineAndKeepsTheRest) {
    IniFile ini(kSample);
    ini.setValue("language", "IsFirstRun", "0");
    ini.setValue("language", "comPort", "3");
    ini.setValue("ports", "1", "/dev/pts/4");
    ini.setValue("new", "k", "v");
    EXPECT_EQ(ini.text(), "; settings\r\n"
                          "[language]\r\n"
                          "IsFirstRun=0\r\n"
                          "comPort=3\r\n"
                          "\r\n"
                          "[OTHER]\r\n"
                          "1603 = Input:1~9,A,B,C,D,#,* \r\n"
                          "2000=C:\\path;not a comment\r\n"
                          "[ports]\r\n"
                          "1=/dev/pts/4\r\n"
                          "[new]\r\n"
                          "k=v\r\n");
    ini.removeKey("ports", "1");
    EXPECT_EQ(ini.value("ports", "1"), std::nullopt);
}

TEST(IniFile, ProfileFunctionsOnFiles) {
    const auto path = std::filesystem::path(::testing::TempDir()) / "kpt740-profile.ini";
    std::filesystem::remove(path);
    EXPECT_EQ(ReadProfileString(path, "language", "comPort"), "");
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(WriteProfileString(path, "language", "comPort", "2"));
    ASSERT_TRUE(WriteProfileString(path, "language", "FactoryFres", "0"));
    EXPECT_EQ(ReadProfileString(path, "language", "comPort"), "2");
    EXPECT_EQ(IniFile::Load(path)->text(), "[language]\ncomPort=2\nFactoryFres=0\n");
    EXPECT_FALSE(WriteProfileString(path.parent_path() / "missing" / "x.ini", "a", "b", "c"));
    std::filesystem::remove(path);
}

TEST(IniFile, ByteOrderMarkIsNotPartOfTheFirstSection) {
    const IniFile ini("\xEF\xBB\xBF[OTHER]\n101=OK\n");
    EXPECT_EQ(ini.value("OTHER", "101"), "OK");
}

} // namespace
} // namespace kpt740
