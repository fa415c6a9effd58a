#include "features/fivetone/FiveToneStandards.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

TEST(FiveToneStandards, NamesInStoredOrder) {
    const std::vector<std::string_view> expected = {
        "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI",       "DZVEI", "PDZVEI", "CCIR1",
        "CCIR2", "PCCIR", "EEA",   "EURO SIGNAL", "NATEL", "MODAT",  "CCITT"};
    const auto& names = FiveToneStandardNames();
    ASSERT_EQ(names.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(names[i], expected[i]);
        EXPECT_EQ(FiveToneStandardName(static_cast<int>(i)), expected[i]);
        EXPECT_EQ(FindFiveToneStandard(expected[i]), static_cast<int>(i));
    }
    EXPECT_EQ(FiveToneStandardName(14), "");
    EXPECT_EQ(FiveToneStandardName(-1), "");
}

TEST(FiveToneStandards, UnknownNamesSaveAsTheFirstStandard) {
    for (std::string_view name : {"", "EUROSIGNAL", "zvei1", "CCIR1 ", "XYZ"}) {
        EXPECT_FALSE(FindFiveToneStandard(name).has_value()) << name;
        EXPECT_EQ(FiveToneStandardIndex(name), 0) << name;
    }
    EXPECT_EQ(FiveToneStandardIndex("CCITT"), 13);
}

TEST(FiveToneStandards, DefaultDurations) {
    const std::vector<std::pair<std::string_view, std::string>> cases = {
        {"EEA", "40"},          {"MODAT", "40"}, {"CCIR1", "100"}, {"PCCIR", "100"},
        {"EURO SIGNAL", "100"}, {"ZVEI1", "70"}, {"CCIR2", "70"},  {"NATEL", "70"},
        {"CCITT", "70"},        {"PDZVEI", "70"}};
    for (const auto& [name, text] : cases) {
        EXPECT_EQ(FiveToneDefaultDurationText(name), text) << name;
    }
    EXPECT_FALSE(FiveToneDefaultDurationText("UNKNOWN").has_value());
    EXPECT_EQ(FiveToneDefaultDurationMs(6), 100);
    EXPECT_FALSE(FiveToneDefaultDurationMs(14).has_value());
}

TEST(FiveToneStandards, FrequencyTable) {
    struct Case {
        int standard;
        int digit;
        std::string_view frequency;
    };
    const std::vector<Case> cases = {
        {0, 0, "2400"},    {0, 10, "2800"},  {0, 15, "680"},   {1, 14, "970"},
        {2, 1, "970"},     {2, 11, ""},      {3, 12, "2800"},  {4, 10, "825/885"},
        {5, 11, "886"},    {5, 13, "856"},   {5, 15, ""},      {8, 10, "1050"},
        {8, 15, ""},       {9, 15, "2247"},  {10, 0, "979.8"}, {10, 14, "1062.9"},
        {10, 10, ""},      {11, 1, "631"},   {11, 15, "2694"}, {12, 3, "1087.5"},
        {12, 14, "487.5"}, {13, 0, "400.0"}, {13, 15, "0.0"},  {-1, 0, ""},
        {14, 0, ""},       {0, 16, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FiveToneDigitFrequency(c.standard, c.digit), c.frequency)
            << c.standard << "/" << c.digit;
    }
    // The two CCIR variants differ only in their usual duration.
    for (int digit = 0; digit < 16; ++digit) {
        EXPECT_EQ(FiveToneDigitFrequency(6, digit), FiveToneDigitFrequency(7, digit)) << digit;
    }
}

TEST(FiveToneStandards, DigitsWithoutAToneAreTheDashesOfTheTable) {
    const std::vector<int> dashes = {0, 0, 4, 0, 0, 1, 0, 0, 1, 0, 5, 0, 5, 0};
    for (int standard = 0; standard < 14; ++standard) {
        int count = 0;
        for (int digit = 0; digit < 16; ++digit) {
            count += FiveToneDigitFrequency(standard, digit).empty() ? 1 : 0;
        }
        EXPECT_EQ(count, dashes[static_cast<std::size_t>(standard)]) << standard;
    }
}

TEST(FiveToneStandards, DurationItemsAndStoredRange) {
    const auto& items = FiveToneDurationItems();
    EXPECT_EQ(items.front(), "30");
    EXPECT_EQ(items.back(), "100");
    const std::vector<std::pair<int, int>> cases = {{0, 7},   {2, 7},  {3, 3},   {7, 7},
                                                    {10, 10}, {11, 7}, {255, 7}, {-3, 7}};
    for (const auto& [stored, read] : cases) {
        EXPECT_EQ(ValidToneDuration(stored), read) << stored;
    }
}

const FiveToneReferenceLabels kLabels{"Freq", "Time", "A is", "E is"};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<unterminated>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(FiveToneReferenceText, Zvei1InFull) {
    const std::string expected = "ZVEI1\r\nFreq(Hz)\r\n"
                                 "0 2400\r\n1 1060\r\n2 1160\r\n3 1270\r\n4 1400\r\n5 1530\r\n"
                                 "6 1670\r\n7 1830\r\n8 2000\r\n9 2200\r\nA 2800\r\nB 810\r\n"
                                 "C 970\r\nD 885\r\nE 2600\r\nF 680\r\n"
                                 "Time(ms) 70\r\nA is A\r\nE is E\r\n";
    EXPECT_EQ(FiveToneReferenceText("ZVEI1", kLabels), expected);
}

TEST(FiveToneReferenceText, LineShapes) {
    struct Case {
        std::string_view name;
        std::size_t lines;
        std::size_t line;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"ZVEI2", 20, 19, "A is A"},
        {"ZVEI3", 21, 20, "E is E"},
        {"DZVEI", 20, 12, "A 825/885"},
        {"PDZVEI", 20, 17, "F "},
        {"CCITT", 21, 17, "F 0.0"},
        {"EEA", 20, 18, "Time(ms) 40"},
        {"EURO SIGNAL", 21, 18, "Time(ms) 100"},
        {"NATEL", 21, 20, "E is E"},
        {"MODAT", 21, 13, "B "},
        {"CCIR1", 20, 18, "Time(ms) 100"},
        {"Unknown", 2, 1, "Freq(Hz)"},
        {"", 2, 0, ""},
    };
    for (const auto& c : cases) {
        const auto lines = Lines(FiveToneReferenceText(c.name, kLabels));
        ASSERT_EQ(lines.size(), c.lines) << c.name;
        EXPECT_EQ(lines[c.line], c.text) << c.name;
        EXPECT_EQ(lines[0], c.name);
    }
}

TEST(FiveToneReferenceText, LabelsLoseTheirTerminatingNul) {
    using namespace std::string_view_literals;
    const FiveToneReferenceLabels labels{"F\0"sv, "T\0junk"sv, "A\0"sv, "E\0"sv};
    const auto lines = Lines(FiveToneReferenceText("CCITT", labels));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[1], "F(Hz)");
    EXPECT_EQ(lines[18], "T(ms) 70");
    EXPECT_EQ(lines[19], "A A");
    EXPECT_EQ(lines[20], "E E");
}

} // namespace
} // namespace kpt740
