#include "features/dtmf/DtmfSettings.h"

#include "core/StoredRecord.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

// Offsets of the data file's DTMF shape: 16 x (24, 2), 2 x (24, 2), 2 x (14, 2), 6, 3, 18.
constexpr std::size_t kPttIdBeginAt = 16 * 26;
constexpr std::size_t kKillAt = kPttIdBeginAt + 2 * 26;
constexpr std::size_t kAniAt = kKillAt + 2 * 16;
constexpr std::size_t kOwnIdAt = kAniAt + 6;
constexpr std::size_t kSeparatorAt = kOwnIdAt + 3;

std::uint16_t Int16At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

TEST(DtmfSettingsTest, StoredFormFollowsTheDataFileShape) {
    DtmfSettings s = DefaultDtmfSettings();
    s.codes[15].digits = "12EF";
    s.codes[15].length = 4;
    s.pttIdBegin.length = 7;
    s.killCode.digits = "99";
    s.stunCode.length = 14;
    const auto bytes = ToStoredBytes(s);

    ASSERT_EQ(bytes.size(), 527u);
    EXPECT_EQ(std::string(bytes.begin() + 15 * 26, bytes.begin() + 15 * 26 + 4), "12EF");
    EXPECT_EQ(bytes[15 * 26 + 4], ' ');
    EXPECT_EQ(Int16At(bytes, 15 * 26 + 24), 4);
    EXPECT_EQ(Int16At(bytes, kPttIdBeginAt + 24), 7);
    EXPECT_EQ(std::string(bytes.begin() + kKillAt, bytes.begin() + kKillAt + 2), "99");
    EXPECT_EQ(Int16At(bytes, kKillAt + 16 + 14), 14);
    EXPECT_EQ(Int16At(bytes, kAniAt), 0);     // ani
    EXPECT_EQ(Int16At(bytes, kAniAt + 2), 1); // sendTime
    EXPECT_EQ(Int16At(bytes, kAniAt + 4), 3); // pttIdMode
    EXPECT_EQ(std::string(bytes.begin() + kOwnIdAt, bytes.begin() + kOwnIdAt + 3), "000");
    const std::vector<std::uint16_t> tail = {14, 10, 0, 20, 20, 0, 20, 10, 0};
    for (std::size_t i = 0; i < tail.size(); ++i) {
        EXPECT_EQ(Int16At(bytes, kSeparatorAt + 2 * i), tail[i]) << "field " << 10 + i;
    }
    // A code never assigned holds NUL bytes in the file.
    EXPECT_EQ(bytes[0], 0x00);
}

struct SameCase {
    const char* what;
    std::function<void(DtmfSettings&)> changeA;
    std::function<void(DtmfSettings&)> changeB;
    bool same;
};

TEST(DtmfSettingsTest, SameComparesCodesOnlyOverTheirCountedDigits) {
    auto code = [](std::string digits, std::int16_t length) {
        return [=](DtmfSettings& s) {
            s.codes[3].digits = digits;
            s.codes[3].length = length;
        };
    };
    auto nothing = [](DtmfSettings&) {};
    const std::vector<SameCase> cases = {
        {"defaults", nothing, nothing, true},
        {"digits beyond the count differ", code("12345", 3), code("12399", 3), true},
        {"NUL end against blanks", code(std::string("123\0", 4), 3), code("123", 3), true},
        {"counted digits differ", code("124", 3), code("123", 3), false},
        {"counts differ", code("1234", 3), code("1234", 4), false},
        {"count above the field compares all digits", code("12", 30), code("12", 30), true},
        {"kill digits differ",
         [](DtmfSettings& s) {
             s.killCode = {"12", 2};
         },
         [](DtmfSettings& s) {
             s.killCode = {"13", 2};
         },
         false},
        {"kill digits beyond count",
         [](DtmfSettings& s) {
             s.killCode = {"129", 2};
         },
         [](DtmfSettings& s) {
             s.killCode = {"12", 2};
         },
         true},
        {"begin code beyond count",
         [](DtmfSettings& s) {
             s.pttIdBegin = {"1", 0};
         },
         [](DtmfSettings& s) {
             s.pttIdBegin = {"2", 0};
         },
         true},
        {"own ID trailing blank", [](DtmfSettings& s) { s.ownId = "7"; },
         [](DtmfSettings& s) { s.ownId = "7  "; }, true},
        {"own ID differs", [](DtmfSettings& s) { s.ownId = "700"; }, nothing, false},
        {"hidden PTT-ID mode counts", [](DtmfSettings& s) { s.pttIdMode = 0; }, nothing, false},
        {"last member counts", [](DtmfSettings& s) { s.sideTone = 1; }, nothing, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DtmfSettings a = DefaultDtmfSettings();
        DtmfSettings b = DefaultDtmfSettings();
        c.changeA(a);
        c.changeB(b);
        EXPECT_EQ(SameDtmfSettings(a, b), c.same);
        EXPECT_EQ(SameDtmfSettings(b, a), c.same);
    }
}

} // namespace
} // namespace kpt740
