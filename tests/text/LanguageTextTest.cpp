#include "text/LanguageText.h"

#include <fstream>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

class LanguageTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder per test: CTest runs the cases of this fixture in parallel processes.
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::path(::testing::TempDir()) /
                (std::string("kpt740-language-") + info->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        write("english.ini", "[OTHER]\n101=  Close  \n[OPTION]\n60000=First\n[MSG]\n9001=Save?\n"
                             "900C=Five digits\n");
        write("chinese.ini", "[OTHER]\n101=确定\n");
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    void write(const char* name, const std::string& text) {
        std::ofstream(m_dir / name, std::ios::binary | std::ios::trunc) << text;
    }
    std::filesystem::path m_dir;
};

TEST_F(LanguageTextTest, LooksUpTrimmedTextsBySectionAndId) {
    LanguageText text(m_dir);
    EXPECT_EQ(text.other(101), "Close");
    EXPECT_EQ(text.option(60000), "First");
    EXPECT_EQ(text.msg(9001), "Save?");
    EXPECT_EQ(text.msg("900C"), "Five digits");
    EXPECT_EQ(text.other(102), "");
    EXPECT_EQ(text.resolve(Message::FromText(101)), "Close");
    EXPECT_EQ(text.resolve(Message{TextRef{TextSection::Msg, 9001}}), "Save?");

    text.setLanguageIndex(kSimplifiedChinese);
    EXPECT_EQ(text.other(101), "确定");
    const BuiltInText warning{"Warning", "警告", "警告"};
    EXPECT_EQ(text.resolve(Message{warning}), "警告");
    text.setLanguageIndex(kTraditionalChinese); // no file: empty texts
    EXPECT_EQ(text.other(101), "");
    EXPECT_EQ(LanguageFileName(7), "english.ini");
}

TEST_F(LanguageTextTest, AnEditedFileTakesEffectAtTheNextLookup) {
    LanguageText text(m_dir);
    EXPECT_EQ(text.other(101), "Close");
    write("english.ini", "[OTHER]\n101=Shut the window\n");
    EXPECT_EQ(text.other(101), "Shut the window");
    std::filesystem::remove(m_dir / "english.ini");
    EXPECT_EQ(text.other(101), "");
}

TEST_F(LanguageTextTest, LongValuesAreCutWithoutSplittingACharacter) {
    write("english.ini", "[OTHER]\n1=" + std::string(300, 'x') +
                             "\n[MSG]\n2=" + std::string(253, 'y') + "\xE7\xA1\xAE" + "\n");
    LanguageText text(m_dir);
    EXPECT_EQ(text.other(1).size(), 254u);
    EXPECT_EQ(text.msg(2).size(), 256u);
    write("english.ini", "[OTHER]\n2=" + std::string(253, 'y') + "\xE7\xA1\xAE\n");
    EXPECT_EQ(text.other(2), std::string(253, 'y'));
    // A character that ends exactly at the limit stays whole.
    write("english.ini", "[OTHER]\n3=" + std::string(251, 'y') + "\xE7\xA1\xAE" + "z\n");
    EXPECT_EQ(text.other(3), std::string(251, 'y') + "\xE7\xA1\xAE");
}

} // namespace
} // namespace kpt740
