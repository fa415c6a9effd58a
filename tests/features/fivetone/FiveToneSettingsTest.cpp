#include "features/fivetone/FiveToneSettings.h"

#include "core/ChannelTable.h"
#include "core/StoredRecord.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace kpt740 {
namespace {

// Members must be stored in the file's order; distinct values at the seams show a swap.
TEST(FiveToneSettingsRecord, StoredLayoutFollowsTheFileShape) {
    FiveToneSettings s;
    s.systemByte0 = 1;
    s.toneDuration = 5;
    s.ownId = "12345";
    s.intervalC = 0xC1;
    s.optionD = 0xD1;
    s.firstDigitDelay = 0x0102;
    s.aniSeparator = 0x0D0E;
    s.infoCodes[0].decodeFunction = 0x41;
    s.infoCodes[7].name = "LASTINF";
    s.pttIdBegin.isEmpty = 0x0201;
    s.pttIdEnd.toneDuration = 0x77;
    s.codes[0].isEmpty = 1;
    s.codes[99].name = "LASTCOD";

    const auto bytes = ToStoredBytes(s);
    ASSERT_EQ(bytes.size(), 5607u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[4], 5);
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 11), "12345 ");
    EXPECT_EQ(bytes[11], 0xC1); // intervalC comes before intervalA
    EXPECT_EQ(bytes[14], 0xD1);
    EXPECT_EQ(bytes[15], 0x02); // 16-bit, little-endian, no gap
    EXPECT_EQ(bytes[16], 0x01);
    EXPECT_EQ(bytes[23], 0x0E);
    EXPECT_EQ(bytes[24], 0x0D);
    EXPECT_EQ(bytes[25], 0x41); // info codes start after 25 bytes
    EXPECT_EQ(std::string(bytes.begin() + 25 + 7 * 22 + 15, bytes.begin() + 25 + 8 * 22),
              "LASTINF");
    EXPECT_EQ(bytes[201], 0x01); // PTT-ID begin after 8 x 22 bytes
    EXPECT_EQ(bytes[202], 0x02);
    EXPECT_EQ(bytes[254 + 5], 0x77); // PTT-ID end after 53 more
    EXPECT_EQ(bytes[307], 0x01);     // the code list after the two PTT-ID codes
    EXPECT_EQ(std::string(bytes.end() - 7, bytes.end()), "LASTCOD");

    FiveToneSettings back;
    std::span<const std::uint8_t> in(bytes);
    ASSERT_TRUE(ReadStored(in, back));
    EXPECT_TRUE(in.empty());
    EXPECT_EQ(ToStoredBytes(back), bytes);
}

TEST(FiveToneSettingsDefaults, NewConfigurationValues) {
    const FiveToneSettings s = DefaultFiveToneSettings();
    EXPECT_EQ(s.systemByte0, 0);
    EXPECT_EQ(s.decodeResponse, 0);
    EXPECT_EQ(s.standard, 0);
    EXPECT_EQ(s.ownIdLength, 0);
    EXPECT_EQ(s.toneDuration, 7);
    EXPECT_EQ(s.ownId.value(), "");
    EXPECT_EQ(s.intervalA, 20);
    EXPECT_EQ(s.intervalB, 20);
    EXPECT_EQ(s.firstDigitDelay, 20);
    EXPECT_EQ(s.pauseTime, 20);
    EXPECT_EQ(s.intervalC, 0);
    EXPECT_EQ(s.optionD, 10);
    EXPECT_EQ(s.pauseDigit, 0);
    EXPECT_EQ(s.sideTone, 0);
    EXPECT_EQ(s.aniSeparator, 13);
    EXPECT_EQ(kDefaultDecodeTime, 2);
    for (const auto& info : s.infoCodes) {
        EXPECT_EQ(info.decodeFunction, 0);
        EXPECT_EQ(info.digitCount, 0);
        EXPECT_EQ(info.digits.value(), "");
    }
    for (const auto& code : s.codes) {
        EXPECT_EQ(code.isEmpty, 1);
        EXPECT_EQ(code.toneDuration, 7);
        EXPECT_EQ(code.digitCount, 0);
        EXPECT_FALSE(FiveToneCodeInUse(code));
    }
    // Untouched parts of a fresh record are zero or empty.
    EXPECT_EQ(s.pttIdBegin.toneDuration, 0);
    EXPECT_EQ(s.pttIdEnd.isEmpty, 0);
    EXPECT_EQ(s.codes[0].name.raw(), std::string(7, '\0'));
}

TEST(FiveToneSettingsDefaults, ApplyingDefaultsKeepsNamesAndPttIdCodes) {
    FiveToneSettings s;
    s.ownId = "12345";
    s.ownIdLength = 5;
    s.infoCodes[2].name = "STUN";
    s.infoCodes[2].digits = "123";
    s.infoCodes[2].digitCount = 3;
    s.pttIdBegin.digits = "E612345";
    s.pttIdBegin.digitCount = 7;
    s.codes[5].name = "BASE";
    s.codes[5].digits = "99";
    s.codes[5].isEmpty = 0;
    ApplyFiveToneDefaults(s);
    EXPECT_EQ(s.ownId.value(), "");
    EXPECT_EQ(s.ownIdLength, 0);
    EXPECT_EQ(s.infoCodes[2].name.value(), "STUN");
    EXPECT_EQ(s.infoCodes[2].digits.value(), "");
    EXPECT_EQ(s.pttIdBegin.digits.value(), "E612345");
    EXPECT_EQ(s.codes[5].name.value(), "BASE");
    EXPECT_EQ(s.codes[5].digits.value(), "");
    EXPECT_EQ(s.codes[5].isEmpty, 1);
}

TEST(FiveToneCodeInUse, FirstWordZeroMeansInUse) {
    std::array<FiveToneCode, 100> codes{};
    for (auto& code : codes) {
        code.isEmpty = 1;
    }
    codes[4].isEmpty = 0;
    codes[9].isEmpty = 0;
    codes[7].isEmpty = 2;
    EXPECT_FALSE(FiveToneCodeInUse(codes[7]));
    EXPECT_EQ(FirstUsableEntry(codes, 9, FiveToneCodeInUse), 9);
    EXPECT_EQ(FirstUsableEntry(codes, 7, FiveToneCodeInUse), 4);
    codes[4].isEmpty = 1;
    codes[9].isEmpty = 1;
    EXPECT_EQ(FirstUsableEntry(codes, 50, FiveToneCodeInUse), 0);
}

struct SameCase {
    const char* name;
    std::function<void(FiveToneSettings&)> edit;
    bool same;
};

TEST(SameFiveToneSettings, ComparesCodeTextsOnlyOverTheirCount) {
    const std::vector<SameCase> cases = {
        {"unchanged", [](FiveToneSettings&) {}, true},
        {"list digits past the count", [](FiveToneSettings& s) { s.codes[3].digits = "123999"; },
         true},
        {"list digits within the count", [](FiveToneSettings& s) { s.codes[3].digits = "124"; },
         false},
        {"list count", [](FiveToneSettings& s) { s.codes[3].digitCount = 4; }, false},
        {"list count 0 ignores the text", [](FiveToneSettings& s) { s.codes[4].digits = "777"; },
         true},
        {"info digits past the count", [](FiveToneSettings& s) { s.infoCodes[1].digits = "9AF"; },
         true},
        {"info digits within the count", [](FiveToneSettings& s) { s.infoCodes[1].digits = "9B"; },
         false},
        {"PTT-ID digits past the count",
         [](FiveToneSettings& s) { s.pttIdEnd.digits = "E612345E"; }, true},
        {"PTT-ID standard", [](FiveToneSettings& s) { s.pttIdEnd.standard = 1; }, false},
        {"own ID past its length", [](FiveToneSettings& s) { s.ownId = "123456"; }, true},
        {"own ID within its length", [](FiveToneSettings& s) { s.ownId = "12346"; }, false},
        {"name with other trailing blanks",
         [](FiveToneSettings& s) { s.codes[3].name = "AB     "; }, true},
        {"name changed", [](FiveToneSettings& s) { s.codes[3].name = "AC"; }, false},
        {"list code emptied", [](FiveToneSettings& s) { s.codes[3].isEmpty = 1; }, false},
        {"spare byte", [](FiveToneSettings& s) { s.codes[99].spareByte = 1; }, false},
        {"system byte", [](FiveToneSettings& s) { s.systemByte0 = 1; }, false},
        {"pause time", [](FiveToneSettings& s) { s.pauseTime = 21; }, false},
        {"info name", [](FiveToneSettings& s) { s.infoCodes[7].name = "X"; }, false},
    };
    FiveToneSettings base = DefaultFiveToneSettings();
    base.ownId = "12345";
    base.ownIdLength = 5;
    base.codes[3].isEmpty = 0;
    base.codes[3].digits = "123";
    base.codes[3].digitCount = 3;
    base.codes[3].name = "AB";
    base.infoCodes[1].digits = "9A";
    base.infoCodes[1].digitCount = 2;
    base.pttIdEnd.digits = "E612345";
    base.pttIdEnd.digitCount = 7;
    for (const auto& c : cases) {
        FiveToneSettings other = base;
        c.edit(other);
        EXPECT_EQ(SameFiveToneSettings(base, other), c.same) << c.name;
        EXPECT_EQ(SameFiveToneSettings(other, base), c.same) << c.name;
    }
}

} // namespace
} // namespace kpt740
