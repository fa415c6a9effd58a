#include "features/dtmf/DtmfCodec.h"

#include "ImageHelpers.h"
#include "core/ImageRegions.h"
#include "core/Messages.h"
#include "core/RadioImage.h"

#include <cstdint>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace kpt740 {
namespace {

using test::Bytes;

using ::testing::ElementsAreArray;

constexpr std::uint8_t kSentinel = 0xAA;
constexpr int kUnwritten = -1; // in an expected byte list: the encoder leaves the byte alone

template <std::size_t N> void SetCode(DtmfCodeText<N>& code, const std::string& digits) {
    code.digits = digits;
    code.length = static_cast<std::int16_t>(digits.size());
}

// What the encoder must leave in `count` bytes from `first`, given the image's prior fill.
std::vector<std::uint8_t> Expected(const std::vector<int>& pattern, std::uint8_t fill) {
    std::vector<std::uint8_t> out;
    for (int b : pattern) {
        out.push_back(b == kUnwritten ? fill : static_cast<std::uint8_t>(b));
    }
    return out;
}

class DtmfEncodeTest : public ::testing::Test {
protected:
    DtmfEncodeTest() { image.fill(0, RadioImage::kSize - 1, kSentinel); }

    void Encode(const DtmfSettings& record) { SetCommDataByDTMF(record, image, context); }

    RadioImage image;
    RecordingMessageSink sink;
    EncodeContext context{sink};
};

TEST_F(DtmfEncodeTest, DefaultsGiveTheGoldenBytesAndLeaveUnwrittenBytesAlone) {
    const int U = kUnwritten;
    const std::vector<int> settings = {
        14, 10, 0, 20, 20, 0, U, 0, 0, 0, U, U, U, 0, 20, 10, // 736-751
        U,  U,  U, U,  U,  U, U, 0,                           // kill code, count at 759
        U,  U,  U, U,  U,  U, U, 0,                           // stun code, count at 767
    };
    std::vector<int> codeSlot(16, U);
    codeSlot[12] = 0; // digit count of an empty code
    std::vector<int> longCodes = codeSlot;
    longCodes.insert(longCodes.end(), codeSlot.begin(), codeSlot.end());
    std::vector<int> encodeCodes;
    for (int j = 0; j < 16; ++j) {
        encodeCodes.insert(encodeCodes.end(), codeSlot.begin(), codeSlot.end());
    }

    for (std::uint8_t fill : {kSentinel, std::uint8_t{0x00}}) {
        SCOPED_TRACE(static_cast<int>(fill));
        image.fill(0, RadioImage::kSize - 1, fill);
        if (fill == 0x00) {
            BlankImage(image); // the image a write really starts from
        }
        Encode(DefaultDtmfSettings());

        EXPECT_THAT(Bytes(image, 736, 32), ElementsAreArray(Expected(settings, fill)));
        EXPECT_THAT(Bytes(image, 832, 32), ElementsAreArray(Expected(longCodes, fill)));
        EXPECT_THAT(Bytes(image, 1024, 256), ElementsAreArray(Expected(encodeCodes, fill)));
        // The two DTMF settings of the option block are the option encoder's business.
        EXPECT_EQ(image.at(560), fill);
        EXPECT_EQ(image.at(562), fill);
    }
    EXPECT_TRUE(context.ok());
    EXPECT_TRUE(sink.messages().empty());
}

enum class Block { M1, M2, M16, Begin, End, Kill, Stun };

struct CodeCase {
    const char* what;
    Block block;
    std::string digits;
    std::int16_t length;
    std::vector<std::uint8_t> packed;
    std::uint8_t count;
};

TEST_F(DtmfEncodeTest, CodeBlocksArePackedTwoDigitsPerByteWithTheirCount) {
    const std::vector<CodeCase> cases = {
        {"star and hash", Block::M1, "12EF", 4, {0x12, 0xEF}, 4},
        {"odd count pads a low nibble", Block::M16, "123", 3, {0x12, 0x30}, 3},
        {"empty", Block::Begin, "", 0, {}, 0},
        {"count above 24 sends nothing", Block::End, "1234", 25, {}, 0},
        {"count above 14 in kill", Block::Kill, "1234", 15, {}, 0},
        {"full short code",
         Block::Stun,
         "ABCDEF01234567",
         14,
         {0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67},
         14},
        {"full long code",
         Block::M2,
         "0123456789ABCDEF01234567",
         24,
         {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67},
         24},
        {"long code filled with zeros to its count", Block::M2, "12", 5, {0x12, 0x00, 0x00}, 5},
        {"only counted digits are sent", Block::Begin, "123456", 2, {0x12}, 2},
        {"trailing blanks are not digits", Block::End, "12  ", 2, {0x12}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        image.fill(0, RadioImage::kSize - 1, kSentinel);
        DtmfSettings record = DefaultDtmfSettings();
        std::size_t base = 0;
        std::size_t countOffset = 12;
        auto put = [&](auto& code, std::size_t at) {
            code.digits = c.digits;
            code.length = c.length;
            base = at;
            countOffset = std::remove_reference_t<decltype(code)>::kDigits / 2;
        };
        switch (c.block) {
        case Block::M1:
            put(record.codes[0], 1024);
            break;
        case Block::M2:
            put(record.codes[1], 1040);
            break;
        case Block::M16:
            put(record.codes[15], 1264);
            break;
        case Block::Begin:
            put(record.pttIdBegin, 832);
            break;
        case Block::End:
            put(record.pttIdEnd, 848);
            break;
        case Block::Kill:
            put(record.killCode, 752);
            break;
        case Block::Stun:
            put(record.stunCode, 760);
            break;
        }
        Encode(record);

        ASSERT_TRUE(context.ok());
        EXPECT_EQ(image.at(base + countOffset), c.count);
        std::vector<std::uint8_t> expected = c.packed;
        expected.resize(countOffset, kSentinel);
        EXPECT_THAT(Bytes(image, base, countOffset), ElementsAreArray(expected));
    }
}

struct FieldCase {
    const char* what;
    std::function<void(DtmfSettings&)> change;
    std::size_t address;
    std::vector<std::uint8_t> bytes;
};

TEST_F(DtmfEncodeTest, OutOfRangeFieldsAreReplacedBeforeWriting) {
    const std::vector<FieldCase> cases = {
        {"separator 9", [](DtmfSettings& s) { s.separator = 9; }, 736, {14}},
        {"separator 16", [](DtmfSettings& s) { s.separator = 16; }, 736, {14}},
        {"separator A", [](DtmfSettings& s) { s.separator = 10; }, 736, {10}},
        {"group off", [](DtmfSettings& s) { s.groupCode = 255; }, 737, {0xFF}},
        {"group 9", [](DtmfSettings& s) { s.groupCode = 9; }, 737, {0xFF}},
        {"group #", [](DtmfSettings& s) { s.groupCode = 15; }, 737, {15}},
        {"decode response 3", [](DtmfSettings& s) { s.decodeResponse = 3; }, 738, {0}},
        {"decode response 2", [](DtmfSettings& s) { s.decodeResponse = 2; }, 738, {2}},
        {"first delay 251", [](DtmfSettings& s) { s.firstDigitDelay = 251; }, 740, {0}},
        {"first delay 250", [](DtmfSettings& s) { s.firstDigitDelay = 250; }, 740, {250}},
        {"own ID 7", [](DtmfSettings& s) { s.ownId = "7"; }, 743, {7, 0, 0}},
        {"own ID 456", [](DtmfSettings& s) { s.ownId = "456"; }, 743, {4, 5, 6}},
        {"own ID not numeric", [](DtmfSettings& s) { s.ownId = "ab"; }, 743, {0, 0, 0}},
        {"own ID never assigned",
         [](DtmfSettings& s) { s.ownId = FixedText<3>{}; },
         743,
         {0, 0, 0}},
        {"timing bytes",
         [](DtmfSettings& s) {
             s.preSendDelay = 250;
             s.resetTime = 7;
             s.sideTone = 1;
             s.postSendDelay = 1;
             s.pauseTime = 75;
         },
         739,
         {250, 20, 7}},
        {"timing bytes after the ID",
         [](DtmfSettings& s) {
             s.sideTone = 1;
             s.postSendDelay = 1;
             s.pauseTime = 75;
         },
         749,
         {1, 1, 75}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DtmfSettings record = DefaultDtmfSettings();
        c.change(record);
        Encode(record);
        ASSERT_TRUE(context.ok());
        EXPECT_THAT(Bytes(image, c.address, c.bytes.size()), ElementsAreArray(c.bytes));
    }
}

TEST_F(DtmfEncodeTest, ValuesThatCannotBeEncodedStopTheEncoderWithItsMessage) {
    const std::vector<std::pair<const char*, std::function<void(DtmfSettings&)>>> cases = {
        {"pre-send delay 256", [](DtmfSettings& s) { s.preSendDelay = 256; }},
        {"pause time -1", [](DtmfSettings& s) { s.pauseTime = -1; }},
        {"decode response -1", [](DtmfSettings& s) { s.decodeResponse = -1; }},
        {"own ID with a point", [](DtmfSettings& s) { s.ownId = "1.5"; }},
        {"own ID with a sign", [](DtmfSettings& s) { s.ownId = "-5"; }},
        {"digit not hexadecimal", [](DtmfSettings& s) { SetCode(s.codes[3], "12G4"); }},
        {"negative digit count", [](DtmfSettings& s) { s.pttIdEnd.length = -1; }},
        {"short code without digits for its count",
         [](DtmfSettings& s) {
             s.killCode.digits = "12";
             s.killCode.length = 5;
         }},
    };
    for (const auto& [what, change] : cases) {
        SCOPED_TRACE(what);
        RecordingMessageSink caseSink;
        EncodeContext caseContext(caseSink);
        DtmfSettings record = DefaultDtmfSettings();
        change(record);
        SetCommDataByDTMF(record, image, caseContext);
        EXPECT_FALSE(caseContext.ok());
        EXPECT_THAT(caseSink.messages(),
                    ElementsAreArray({Message::Literal("SetCommDataByDTMFError")}));
    }
}

// ---- Decoding ---------------------------------------------------------------------------

class DtmfDecodeTest : public ::testing::Test {
protected:
    DtmfDecodeTest() {
        BlankImage(image);
        SetCommDataByDTMF(DefaultDtmfSettings(), image, context);
    }

    DtmfSettings Decode() const {
        DtmfSettings record = DefaultDtmfSettings();
        GetCommDataByDTMF(image, record);
        return record;
    }

    RadioImage image;
    NullMessageSink sink;
    EncodeContext context{sink};
};

struct ByteCase {
    std::size_t address;
    std::uint8_t byte;
    std::int16_t DtmfSettings::*member;
    std::int16_t expected;
};

TEST_F(DtmfDecodeTest, SettingBytesAreReadWithOutOfRangeValuesReplaced) {
    const std::vector<ByteCase> cases = {
        {736, 9, &DtmfSettings::separator, 14},
        {736, 0x0F, &DtmfSettings::separator, 15},
        {736, 0xFF, &DtmfSettings::separator, 14},
        {737, 0xFF, &DtmfSettings::groupCode, 255},
        {737, 3, &DtmfSettings::groupCode, 10},
        {737, 12, &DtmfSettings::groupCode, 12},
        {738, 5, &DtmfSettings::decodeResponse, 0},
        {738, 2, &DtmfSettings::decodeResponse, 2},
        {739, 200, &DtmfSettings::preSendDelay, 200},
        {740, 251, &DtmfSettings::firstDigitDelay, 0},
        {740, 250, &DtmfSettings::firstDigitDelay, 250},
        {741, 0xFF, &DtmfSettings::resetTime, 255},
        {749, 3, &DtmfSettings::sideTone, 3},
        {750, 0, &DtmfSettings::postSendDelay, 0},
        {751, 99, &DtmfSettings::pauseTime, 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        const std::uint8_t before = image.at(c.address);
        image.set(c.address, c.byte);
        EXPECT_EQ(Decode().*c.member, c.expected);
        image.set(c.address, before);
    }
}

TEST_F(DtmfDecodeTest, OwnIdIsTheDigitBytesOrZerosWhenAnyIsNotADigit) {
    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
        {{4, 5, 6}, "456"}, {{7, 0, 0}, "700"}, {{4, 10, 6}, "000"}, {{0xFF, 0xFF, 0xFF}, "000"}};
    for (const auto& [bytes, id] : cases) {
        image.write(743, bytes);
        EXPECT_EQ(Decode().ownId.raw(), id);
    }
}

TEST_F(DtmfDecodeTest, CodeBlocksReadTheirCountedDigits) {
    struct Case {
        const char* what;
        std::size_t base;
        std::size_t countOffset;
        std::vector<std::uint8_t> packed;
        std::uint8_t count;
        std::function<const LongDtmfCode*(const DtmfSettings&)> longCode;
        std::function<const ShortDtmfCode*(const DtmfSettings&)> shortCode;
        std::string digits;
    };
    auto m = [](std::size_t j) { return [j](const DtmfSettings& s) { return &s.codes[j]; }; };
    auto none = [](const DtmfSettings&) -> const ShortDtmfCode* { return nullptr; };
    auto noLong = [](const DtmfSettings&) -> const LongDtmfCode* { return nullptr; };
    const std::vector<Case> cases = {
        {"odd count", 1024, 12, {0x12, 0x3F}, 3, m(0), none, "123"},
        {"star and hash", 1264, 12, {0x12, 0xEF}, 4, m(15), none, "12EF"},
        {"blank memory", 1040, 12, {0xFF, 0xFF}, 0xFF, m(1), none, ""},
        {"count 25",
         832,
         12,
         {0x12},
         25,
         [](const DtmfSettings& s) { return &s.pttIdBegin; },
         none,
         ""},
        {"full 24 digits",
         848,
         12,
         {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67},
         24,
         [](const DtmfSettings& s) { return &s.pttIdEnd; },
         none,
         "0123456789ABCDEF01234567"},
        {"kill count 15",
         752,
         7,
         {0x12},
         15,
         noLong,
         [](const DtmfSettings& s) { return &s.killCode; },
         ""},
        {"full 14-digit stun",
         760,
         7,
         {0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67},
         14,
         noLong,
         [](const DtmfSettings& s) { return &s.stunCode; },
         "ABCDEF01234567"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        image.write(c.base, c.packed);
        image.set(c.base + c.countOffset, c.count);
        const DtmfSettings record = Decode();
        std::string value;
        std::int16_t length = -1;
        if (const auto* code = c.longCode(record)) {
            value = code->digits.value();
            length = code->length;
        } else {
            value = c.shortCode(record)->digits.value();
            length = c.shortCode(record)->length;
        }
        EXPECT_EQ(value, c.digits);
        EXPECT_EQ(length, static_cast<std::int16_t>(c.digits.size()));
    }
}

TEST_F(DtmfDecodeTest, ShortDigitsEndWithANulSoTheFieldReadsBackExactly) {
    image.write(1024, std::vector<std::uint8_t>{0x12, 0x30});
    image.set(1024 + 12, 3);
    const std::string raw = Decode().codes[0].digits.raw();
    EXPECT_EQ(raw.substr(0, 4), std::string("123\0", 4));
}

TEST_F(DtmfDecodeTest, FieldsKeptOutsideTheBlockKeepTheirValues) {
    DtmfSettings record = DefaultDtmfSettings();
    record.ani = 1;
    record.sendTime = 5;
    record.pttIdMode = 2;
    GetCommDataByDTMF(image, record);
    EXPECT_EQ(record.ani, 1);
    EXPECT_EQ(record.sendTime, 5);
    EXPECT_EQ(record.pttIdMode, 2);
}

TEST_F(DtmfDecodeTest, AnyImageDecodesToCodesWithinTheirFields) {
    std::mt19937 random(740);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            image.set(a, static_cast<std::uint8_t>(byte(random)));
        }
        DtmfSettings record = DefaultDtmfSettings();
        ASSERT_NO_THROW(GetCommDataByDTMF(image, record));
        for (const auto& code : record.codes) {
            EXPECT_GE(code.length, 0);
            EXPECT_LE(code.length, 24);
            EXPECT_EQ(code.digits.value().size(), static_cast<std::size_t>(code.length));
        }
        EXPECT_LE(record.killCode.length, 14);
        EXPECT_GE(record.separator, 10);
        EXPECT_LE(record.separator, 15);
        // Whatever was read encodes again.
        RadioImage again;
        SetCommDataByDTMF(record, again, context);
        ASSERT_TRUE(context.ok());
    }
}

// ---- Round trip -------------------------------------------------------------------------

DtmfSettings RichSettings() {
    DtmfSettings s = DefaultDtmfSettings();
    const std::string digits = "0123456789ABCDEF";
    for (std::size_t j = 0; j < s.codes.size(); ++j) {
        std::string code;
        for (std::size_t i = 0; i <= j + 8 && i < 24; ++i) {
            code.push_back(digits[(i * 7 + j) % 16]);
        }
        SetCode(s.codes[j], code);
    }
    SetCode(s.codes[4], "");
    SetCode(s.pttIdBegin, "123E456");
    SetCode(s.pttIdEnd, "E456");
    SetCode(s.killCode, "13579BDF02468A");
    SetCode(s.stunCode, "97531");
    s.ownId = "456";
    s.separator = 15;
    s.groupCode = 255;
    s.decodeResponse = 2;
    s.firstDigitDelay = 250;
    s.preSendDelay = 1;
    s.resetTime = 250;
    s.postSendDelay = 250;
    s.pauseTime = 75;
    s.sideTone = 1;
    return s;
}

TEST(DtmfRoundTripTest, EncodeDecodeEncodeGivesIdenticalBytes) {
    NullMessageSink sink;
    EncodeContext context(sink);
    const DtmfSettings rich = RichSettings();

    RadioImage first;
    BlankImage(first);
    SetCommDataByDTMF(rich, first, context);

    DtmfSettings decoded = DefaultDtmfSettings();
    GetCommDataByDTMF(first, decoded);
    EXPECT_TRUE(SameDtmfSettings(decoded, rich));

    RadioImage second;
    BlankImage(second);
    SetCommDataByDTMF(decoded, second, context);
    ASSERT_TRUE(context.ok());
    EXPECT_EQ(first, second);
}

} // namespace
} // namespace kpt740
