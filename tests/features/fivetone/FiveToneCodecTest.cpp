#include "features/fivetone/FiveToneCodec.h"

#include "ImageHelpers.h"
#include "core/RadioImage.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

using test::Blank;
using test::Bytes;

constexpr std::size_t kSystem = 800;
constexpr std::size_t kPttBegin = 864;
constexpr std::size_t kPttEnd = 880;
constexpr std::size_t kBitmap = 912;
constexpr std::size_t kInfo = 1280;
constexpr std::size_t kList = 3328;

std::size_t InfoAt(std::size_t i) {
    return kInfo + 32 * i;
}
std::size_t ListAt(std::size_t j) {
    return kList + 32 * j;
}

// The address ranges the encoder may write; everything else must stay as the blank left it.
bool InFiveToneRegion(std::size_t a) {
    return (a >= 800 && a <= 820) || (a >= 864 && a <= 895) || (a >= 912 && a <= 924) ||
           (a >= 1280 && a <= 1535) || (a >= 3328 && a <= 6527);
}

struct Encoded {
    RadioImage image = Blank();
    RecordingMessageSink sink;
    bool ok = true;
};

std::unique_ptr<Encoded> Encode(const FiveToneSettings& s,
                                std::uint8_t decodeTime = kDefaultDecodeTime) {
    auto out = std::make_unique<Encoded>();
    EncodeContext context(out->sink);
    SetCommDataBy5Tone(s, decodeTime, out->image, context);
    out->ok = context.ok();
    return out;
}

FiveToneCode Code(std::string digits, std::uint8_t count, std::int16_t isEmpty = 0) {
    FiveToneCode code;
    code.isEmpty = isEmpty;
    code.standard = 6;
    code.toneDuration = 10;
    code.digits = digits;
    code.digitCount = count;
    return code;
}

void ExpectOnlyRegionTouched(const RadioImage& image) {
    const RadioImage blank = Blank();
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        if (!InFiveToneRegion(a)) {
            ASSERT_EQ(image.at(a), blank.at(a)) << "address " << a;
        }
    }
}

TEST(FiveToneEncoder, DefaultsGiveTheGoldenBytes) {
    const auto out = Encode(DefaultFiveToneSettings(), kDefaultDecodeTime);
    ASSERT_TRUE(out->ok);
    EXPECT_TRUE(out->sink.messages().empty());

    const std::vector<std::uint8_t> system = {0x00, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00,
                                              0x00, 0x00, 0x00, 0x00, 0x14, 0x14, 0x0A,
                                              0x00, 0x14, 0x00, 0x0D, 0x00, 0x14, 0x02};
    EXPECT_EQ(Bytes(out->image, kSystem, 21), system);

    std::vector<std::uint8_t> ptt(32, 0x00);
    ptt[3] = 0x07; // a never-set PTT-ID duration of 0 goes out as 70 ms
    ptt[19] = 0x07;
    EXPECT_EQ(Bytes(out->image, kPttBegin, 32), ptt);

    EXPECT_EQ(Bytes(out->image, kBitmap, 13), std::vector<std::uint8_t>(13, 0xFF));
    EXPECT_EQ(Bytes(out->image, kInfo, 256), std::vector<std::uint8_t>(256, 0x00));

    std::vector<std::uint8_t> list(3200, 0x00);
    for (std::size_t j = 0; j < 100; ++j) {
        list[32 * j + 3] = 0x07;
    }
    EXPECT_EQ(Bytes(out->image, kList, 3200), list);

    ExpectOnlyRegionTouched(out->image);
}

struct ByteCase {
    const char* name;
    std::function<void(FiveToneSettings&)> edit;
    std::size_t address;
    std::vector<std::uint8_t> expected;
    std::uint8_t decodeTime = kDefaultDecodeTime;
};

TEST(FiveToneEncoder, WritesFieldsWhereTheRadioReadsThem) {
    const std::vector<ByteCase> cases = {
        {"system bytes in order",
         [](FiveToneSettings& s) {
             s.systemByte0 = 0x5A;
             s.decodeResponse = 2;
             s.standard = 13;
             s.toneDuration = 10;
         },
         800,
         {0x5A, 0x02, 0x0D, 0x00, 0x0A}},
        {"own ID 12345",
         [](FiveToneSettings& s) {
             s.ownId = "12345";
             s.ownIdLength = 5;
         },
         803,
         {0x05, 0x07, 0x01, 0x02, 0x03, 0x04, 0x05}},
        {"empty own ID",
         [](FiveToneSettings& s) { s.ownId = "98765"; },
         803,
         {0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"own ID one short gets a 0",
         [](FiveToneSettings& s) {
             s.ownId = "1234";
             s.ownIdLength = 5;
         },
         805,
         {0x01, 0x02, 0x03, 0x04, 0x00}},
        {"own ID longer than its length",
         [](FiveToneSettings& s) {
             s.ownId = "12345";
             s.ownIdLength = 2;
         },
         805,
         {0x01, 0x02, 0x00, 0x00, 0x00}},
        {"intervals, delays and decode time; 810 untouched",
         [](FiveToneSettings& s) {
             s.intervalA = 1;
             s.intervalB = 255;
             s.optionD = 75;
             s.intervalC = 250;
             s.firstDigitDelay = 255;
             s.sideTone = 1;
             s.aniSeparator = 15;
             s.pauseDigit = 11;
             s.pauseTime = 0;
         },
         810,
         {0x00, 0x01, 0xFF, 75, 250, 0xFF, 0x01, 0x0F, 0x0B, 0x00, 200},
         200},
        {"list code 123 ends on a repeat tone",
         [](FiveToneSettings& s) { s.codes[0] = Code("123", 3); },
         ListAt(0),
         {0x00, 0x06, 0x03, 0x0A, 0x12, 0x3E, 0x00}},
        {"digits beyond the count are not sent",
         [](FiveToneSettings& s) { s.codes[1] = Code("123456", 4); },
         ListAt(1) + 2,
         {0x04, 0x0A, 0x12, 0x34, 0x00}},
        {"missing digits are completed with repeat tones",
         [](FiveToneSettings& s) { s.codes[2] = Code("12", 5); },
         ListAt(2) + 4,
         {0x12, 0xEE, 0xEE, 0x00}},
        {"lower-case hex digits are accepted",
         [](FiveToneSettings& s) { s.codes[3] = Code("ab", 2); },
         ListAt(3) + 4,
         {0xAB, 0x00}},
        {"list code in use without digits",
         [](FiveToneSettings& s) { s.codes[9] = Code("", 0); },
         ListAt(9),
         {0x00, 0x06, 0x00, 0x0A, 0x00}},
        {"duration 0 goes out as 7",
         [](FiveToneSettings& s) { s.codes[4].toneDuration = 0; },
         ListAt(4) + 3,
         {0x07}},
        {"duration 11 goes out as 7",
         [](FiveToneSettings& s) { s.codes[5].toneDuration = 11; },
         ListAt(5) + 3,
         {0x07}},
        {"duration 3 is kept",
         [](FiveToneSettings& s) { s.codes[6].toneDuration = 3; },
         ListAt(6) + 3,
         {0x03}},
        {"list code name padded with blanks",
         [](FiveToneSettings& s) { s.codes[7].name = "AB"; },
         ListAt(7) + 23,
         {0x00, 0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00}},
        {"list code name of seven characters",
         [](FiveToneSettings& s) { s.codes[8].name = "Station"; },
         ListAt(8) + 24,
         {'S', 't', 'a', 't', 'i', 'o', 'n', 0x00}},
        {"full 40-digit list code stops before the name",
         [](FiveToneSettings& s) {
             s.codes[99] = Code("0123456789ABCDEF0123456789ABCDEF01234567", 40);
         },
         ListAt(99) + 2,
         {40,   0x0A, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23,
          0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67, 0x00}},
        {"foreign count above 40 keeps its count, digits cut to their room",
         [](FiveToneSettings& s) {
             s.codes[10] = Code("12", 60);
             s.codes[10].name = "N";
         },
         ListAt(10) + 2,
         {60,   0x0A, 0x12, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,
          0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,
          0xEE, 0xEE, 'N',  0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00}},
        {"info code header and digits one per byte",
         [](FiveToneSettings& s) {
             s.infoCodes[0].decodeFunction = 3;
             s.infoCodes[0].decodeResponse = 2;
             s.infoCodes[0].digits = "9A";
             s.infoCodes[0].digitCount = 2;
         },
         InfoAt(0),
         {0x03, 0x02, 0x02, 0x09, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00}},
        {"info code completed with E and named",
         [](FiveToneSettings& s) {
             s.infoCodes[7].digits = "F";
             s.infoCodes[7].digitCount = 3;
             s.infoCodes[7].name = "KILL";
         },
         InfoAt(7) + 2,
         {0x03, 0x0F, 0x0E, 0x0E, 0,   0,   0,   0,    0,    0,    0,
          0,    0,    0,    'K',  'I', 'L', 'L', 0x20, 0x20, 0x20, 0x00}},
        {"foreign info count above 12 writes only its 12 digit bytes",
         [](FiveToneSettings& s) {
             s.infoCodes[7].digits = "123456789ABC";
             s.infoCodes[7].digitCount = 40;
         },
         InfoAt(7) + 2,
         {40, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x00, 0x00}},
        {"24-digit PTT-ID begin fills its record exactly",
         [](FiveToneSettings& s) { s.pttIdBegin = Code("123456789ABCDEF123456789", 24); },
         kPttBegin,
         {0x00, 0x06, 24, 0x0A, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF1, 0x23, 0x45, 0x67,
          0x89, 0x00, 0x00}},
        {"PTT-ID end carries no name",
         [](FiveToneSettings& s) {
             s.pttIdEnd = Code("E612345", 7);
             s.pttIdEnd.name = "NAME";
         },
         kPttEnd,
         {0x00, 0x06, 0x07, 0x0A, 0xE6, 0x12, 0x34, 0x5E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x00, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FiveToneSettings s = DefaultFiveToneSettings();
        c.edit(s);
        const auto out = Encode(s, c.decodeTime);
        ASSERT_TRUE(out->ok);
        EXPECT_EQ(Bytes(out->image, c.address, c.expected.size()), c.expected);
        ExpectOnlyRegionTouched(out->image);
    }
}

TEST(FiveToneEncoder, BitmapMarksCodesInUseOnly) {
    FiveToneSettings s = DefaultFiveToneSettings();
    for (std::size_t j = 0; j < 8; ++j) {
        s.codes[j].isEmpty = 0;
    }
    s.codes[8] = Code("12345", 5, 1); // empty but holding digits: bit stays, bytes still go out
    s.codes[17].isEmpty = 0;
    s.codes[99].isEmpty = 0;
    s.codes[98].isEmpty = 2; // not a valid word: treated as empty, neighbours untouched
    const auto out = Encode(s);
    ASSERT_TRUE(out->ok);
    EXPECT_EQ(out->image.at(912), 0x00);
    EXPECT_EQ(out->image.at(913), 0xFF);
    EXPECT_EQ(out->image.at(914), 0xFD);
    EXPECT_EQ(out->image.at(924), 0xF7);
    EXPECT_EQ(out->image.at(ListAt(8) + 2), 5);
    EXPECT_EQ(out->image.at(ListAt(8) + 4), 0x12);
}

TEST(FiveToneEncoder, AllCodesInUseKeepTheUpperBitsOfTheLastByte) {
    FiveToneSettings s = DefaultFiveToneSettings();
    for (auto& code : s.codes) {
        code.isEmpty = 0;
    }
    const auto out = Encode(s);
    ASSERT_TRUE(out->ok);
    EXPECT_EQ(Bytes(out->image, 912, 12), std::vector<std::uint8_t>(12, 0x00));
    EXPECT_EQ(out->image.at(924), 0xF0);
    EXPECT_EQ(out->image.at(925), 0xFF);
}

struct FailureCase {
    const char* name;
    std::function<void(FiveToneSettings&)> edit;
};

TEST(FiveToneEncoder, RefusesWhatCannotBeConverted) {
    const std::vector<FailureCase> cases = {
        {"list digit G", [](FiveToneSettings& s) { s.codes[50] = Code("12G", 3); }},
        {"list digit blank inside", [](FiveToneSettings& s) { s.codes[0] = Code("1 2", 3); }},
        {"info digit G",
         [](FiveToneSettings& s) {
             s.infoCodes[3].digits = "G1";
             s.infoCodes[3].digitCount = 2;
         }},
        {"PTT-ID digit Z", [](FiveToneSettings& s) { s.pttIdBegin = Code("Z", 1); }},
        {"own ID letter",
         [](FiveToneSettings& s) {
             s.ownId = "12A45";
             s.ownIdLength = 5;
         }},
        {"own ID two short",
         [](FiveToneSettings& s) {
             s.ownId = "123";
             s.ownIdLength = 5;
         }},
        {"own ID length beyond one appended 0",
         [](FiveToneSettings& s) {
             s.ownId = "12345";
             s.ownIdLength = 7;
         }},
        {"firstDigitDelay 256", [](FiveToneSettings& s) { s.firstDigitDelay = 256; }},
        {"pauseTime -1", [](FiveToneSettings& s) { s.pauseTime = -1; }},
        {"pauseDigit 300", [](FiveToneSettings& s) { s.pauseDigit = 300; }},
        {"sideTone -1", [](FiveToneSettings& s) { s.sideTone = -1; }},
        {"aniSeparator 256", [](FiveToneSettings& s) { s.aniSeparator = 256; }},
        {"PTT-ID begin with 25 digits",
         [](FiveToneSettings& s) { s.pttIdBegin = Code("1234567890123456789012345", 25); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FiveToneSettings s = DefaultFiveToneSettings();
        c.edit(s);
        const auto out = Encode(s);
        EXPECT_FALSE(out->ok);
        ASSERT_EQ(out->sink.messages().size(), 1u);
        EXPECT_EQ(out->sink.messages()[0], Message::Literal("SetCommDataBy5ToneError"));
        ExpectOnlyRegionTouched(out->image);
    }
}

// A data call placed into a PTT-ID holds up to 40 digits, but the record has room for 24: the
// code is refused and neither the other PTT-ID nor the bitmaps after it are touched.
TEST(FiveToneEncoder, OverlongPttIdIsRefusedWithoutSpilling) {
    const std::string dataCall = "E1E2345E" + std::string(32, '4');
    FiveToneSettings s = DefaultFiveToneSettings();
    s.pttIdEnd = Code(dataCall, 40);
    const auto out = Encode(s);
    EXPECT_FALSE(out->ok);
    EXPECT_TRUE(out->sink.contains(Message::Literal("SetCommDataBy5ToneError")));
    const RadioImage blank = Blank();
    for (std::size_t a = kPttEnd; a < RadioImage::kSize; ++a) {
        ASSERT_EQ(out->image.at(a), blank.at(a)) << "address " << a;
    }
    // The begin code, written before, stays in the image as the failure left it.
    EXPECT_EQ(out->image.at(kPttBegin + 3), 0x07);

    FiveToneSettings begin = DefaultFiveToneSettings();
    begin.pttIdBegin = Code(dataCall, 40);
    const auto outBegin = Encode(begin);
    EXPECT_FALSE(outBegin->ok);
    for (std::size_t a = kPttBegin; a < RadioImage::kSize; ++a) {
        ASSERT_EQ(outBegin->image.at(a), blank.at(a)) << "address " << a;
    }
}

// ---- Decoder -------------------------------------------------------------------------------

struct Decoded {
    FiveToneSettings settings = DefaultFiveToneSettings();
    std::uint8_t decodeTime = kDefaultDecodeTime;
};

Decoded Decode(const RadioImage& image) {
    Decoded d;
    GetCommDataBy5Tone(image, d.settings, d.decodeTime);
    return d;
}

TEST(FiveToneDecoder, ReadsSystemBytesAsTheyAre) {
    RadioImage image = Blank();
    const std::vector<std::uint8_t> system = {9,  1,  12, 5,   0,  1, 2,  3,  4,   5,  0x77,
                                              30, 40, 5,  250, 99, 1, 14, 15, 255, 200};
    image.write(kSystem, system);
    const auto d = Decode(image);
    const auto& s = d.settings;
    EXPECT_EQ(s.systemByte0, 9);
    EXPECT_EQ(s.decodeResponse, 1);
    EXPECT_EQ(s.standard, 12);
    EXPECT_EQ(s.ownIdLength, 5);
    EXPECT_EQ(s.toneDuration, 0); // the system duration is not range-tested when read
    EXPECT_EQ(s.ownId.value(), "12345");
    EXPECT_EQ(s.ownId.raw(), std::string("12345\0", 6));
    EXPECT_EQ(s.intervalA, 30);
    EXPECT_EQ(s.intervalB, 40);
    EXPECT_EQ(s.optionD, 5);
    EXPECT_EQ(s.intervalC, 250);
    EXPECT_EQ(s.firstDigitDelay, 99);
    EXPECT_EQ(s.sideTone, 1);
    EXPECT_EQ(s.aniSeparator, 14);
    EXPECT_EQ(s.pauseDigit, 15);
    EXPECT_EQ(s.pauseTime, 255);
    EXPECT_EQ(d.decodeTime, 200);
}

TEST(FiveToneDecoder, OwnIdFollowsItsLength) {
    struct Case {
        std::uint8_t length;
        std::vector<std::uint8_t> bytes;
        std::string value;
    };
    const std::vector<Case> cases = {
        {0, {1, 2, 3, 4, 5}, ""},
        {3, {1, 2, 3, 4, 5}, "123"},
        {3, {12, 3, 4, 0, 0}, "1234"},        // decimal texts joined
        {5, {255, 255, 255, 0, 0}, "255255"}, // cut to the field
        {255, {9, 9, 9, 9, 9}, "999990"},     // reads on into the unwritten byte, no further
    };
    for (const auto& c : cases) {
        RadioImage image = Blank();
        image.set(803, c.length);
        image.write(805, c.bytes);
        EXPECT_EQ(Decode(image).settings.ownId.value(), c.value) << int{c.length};
    }
}

TEST(FiveToneDecoder, InfoCodes) {
    RadioImage image = Blank();
    image.write(InfoAt(0), std::vector<std::uint8_t>{5, 2, 3, 0x01, 0x0A, 0x0F, 0x07});
    image.write(InfoAt(0) + 16, std::vector<std::uint8_t>{'W', 'A', 'K', 'E', 0x20, 0x20, 0x20});
    image.write(InfoAt(1), std::vector<std::uint8_t>(32, 0xFF));
    image.write(InfoAt(2), std::vector<std::uint8_t>{1, 0, 3, 0x1F, 0x02, 0x03});
    image.write(InfoAt(2) + 16, std::vector<std::uint8_t>{'A', 'B', 0xFF, 'C'});
    image.write(InfoAt(3), std::vector<std::uint8_t>{0, 0, 200});
    image.write(InfoAt(3) + 16, std::vector<std::uint8_t>{'1', '2', '3', '4', '5', '6', '7', '8'});

    const auto d = Decode(image);
    const auto& wake = d.settings.infoCodes[0];
    EXPECT_EQ(wake.decodeFunction, 5);
    EXPECT_EQ(wake.decodeResponse, 2);
    EXPECT_EQ(wake.digitCount, 3);
    EXPECT_EQ(wake.digits.value(), "1AF");
    EXPECT_EQ(wake.name.value(), "WAKE");

    const auto& erased = d.settings.infoCodes[1];
    EXPECT_EQ(erased.decodeFunction, 0);
    EXPECT_EQ(erased.decodeResponse, 0);
    EXPECT_EQ(erased.digitCount, 0);
    EXPECT_EQ(erased.digits.value(), "");
    EXPECT_EQ(erased.name.value(), "");

    EXPECT_EQ(d.settings.infoCodes[2].digits.value(), "1F2"); // two-digit texts, cut to count
    EXPECT_EQ(d.settings.infoCodes[2].name.value(), "AB");
    EXPECT_EQ(d.settings.infoCodes[3].digitCount, 200);
    EXPECT_EQ(d.settings.infoCodes[3].digits.value(), "000000000000");
    EXPECT_EQ(d.settings.infoCodes[3].name.value(), "1234567");
}

TEST(FiveToneDecoder, CodesAndBitmap) {
    RadioImage image = Blank();
    image.set(912, 0xFE); // code 0 in use, 1-7 empty
    image.write(ListAt(0), std::vector<std::uint8_t>{0x99, 8, 3, 11, 0x12, 0x3E});
    image.write(ListAt(1), std::vector<std::uint8_t>{0x00, 2, 4, 0, 0xAB, 0xCD});
    image.write(ListAt(1) + 24, std::vector<std::uint8_t>{'N', 'A', 'M', 'E', 0x00, 'X', 'Y'});
    image.write(kPttBegin, std::vector<std::uint8_t>{0x00, 9, 30, 5});
    image.write(kPttBegin + 4, std::vector<std::uint8_t>(12, 0x11));
    image.write(kPttEnd, std::vector<std::uint8_t>{0xAA, 0, 5, 3, 0xE6, 0x12, 0x34});

    Decoded d;
    d.settings.pttIdBegin.isEmpty = 1;
    d.settings.pttIdBegin.name = "KEEP";
    d.settings.codes[0].spareByte = 42;
    d.settings.codes[0].name = "OLD";
    GetCommDataBy5Tone(image, d.settings, d.decodeTime);

    const auto& c0 = d.settings.codes[0];
    EXPECT_EQ(c0.isEmpty, 0);
    EXPECT_EQ(c0.standard, 8);
    EXPECT_EQ(c0.digitCount, 3);
    EXPECT_EQ(c0.toneDuration, 7); // 11 is outside 3-10
    EXPECT_EQ(c0.digits.value(), "123");
    EXPECT_EQ(c0.spareByte, 42);
    EXPECT_EQ(c0.name.value(), ""); // names are replaced from the image

    const auto& c1 = d.settings.codes[1];
    EXPECT_EQ(c1.isEmpty, 1); // empty by its bit although its bytes hold digits
    EXPECT_EQ(c1.toneDuration, 7);
    EXPECT_EQ(c1.digits.value(), "ABCD");
    EXPECT_EQ(c1.name.value(), "NAME");

    EXPECT_EQ(d.settings.codes[99].isEmpty, 1);

    const auto& begin = d.settings.pttIdBegin;
    EXPECT_EQ(begin.isEmpty, 1);
    EXPECT_EQ(begin.name.value(), "KEEP");
    EXPECT_EQ(begin.digitCount, 30);
    EXPECT_EQ(begin.toneDuration, 5);
    // Only the record's own 24 digits are read; the end code's bytes are not taken as digits.
    EXPECT_EQ(begin.digits.value(), std::string(24, '1'));
    EXPECT_EQ(d.settings.pttIdEnd.digits.value(), "E6123");
    EXPECT_EQ(d.settings.pttIdEnd.toneDuration, 3);
}

TEST(FiveToneDecoder, AnyImageDecodesWithoutFailing) {
    std::mt19937 random(740);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        RadioImage image;
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            image.set(a, static_cast<std::uint8_t>(byte(random)));
        }
        Decoded d;
        ASSERT_NO_THROW(GetCommDataBy5Tone(image, d.settings, d.decodeTime));
        for (const auto& code : d.settings.codes) {
            ASSERT_GE(code.toneDuration, 3);
            ASSERT_LE(code.toneDuration, 10);
            ASSERT_LE(code.digits.value().size(), static_cast<std::size_t>(code.digitCount));
        }
        // Whatever was read, encoding it again either succeeds or reports; it never throws.
        NullMessageSink sink;
        EncodeContext context(sink);
        RadioImage out = Blank();
        ASSERT_NO_THROW(SetCommDataBy5Tone(d.settings, d.decodeTime, out, context));
    }
}

// ---- Round trip ----------------------------------------------------------------------------

FiveToneSettings RichSettings() {
    FiveToneSettings s = DefaultFiveToneSettings();
    s.systemByte0 = 0x33;
    s.decodeResponse = 1;
    s.standard = 9;
    s.ownId = "40721";
    s.ownIdLength = 5;
    s.toneDuration = 4;
    s.intervalC = 17;
    s.intervalA = 33;
    s.intervalB = 250;
    s.optionD = 64;
    s.firstDigitDelay = 7;
    s.pauseTime = 180;
    s.pauseDigit = 12;
    s.sideTone = 1;
    s.aniSeparator = 11;
    const std::string hex = "0123456789ABCDEF";
    for (std::size_t i = 0; i < s.infoCodes.size(); ++i) {
        auto& info = s.infoCodes[i];
        info.decodeFunction = static_cast<std::uint8_t>(i % 7);
        info.decodeResponse = static_cast<std::uint8_t>(i % 3);
        const std::string digits = hex.substr(i, 5 + i % 8);
        info.digits = digits;
        info.digitCount = static_cast<std::uint8_t>(digits.size());
        info.name = "Info" + std::to_string(i + 1);
    }
    s.pttIdBegin = Code("E640721", 7);
    s.pttIdBegin.standard = 2;
    s.pttIdEnd = Code("1E2E3E4E5E6E7E8E9EAEBECE", 24);
    s.pttIdEnd.toneDuration = 3;
    for (std::size_t j = 0; j < s.codes.size(); ++j) {
        auto& code = s.codes[j];
        std::string digits;
        for (std::size_t k = 0; k < 1 + j % 40; ++k) {
            digits.push_back(hex[(j * 7 + k * 3) % 16]);
        }
        code.isEmpty = j % 5 == 4 ? 1 : 0;
        code.standard = static_cast<std::uint8_t>(j % 14);
        code.toneDuration = static_cast<std::uint8_t>(3 + j % 8);
        code.digits = digits;
        code.digitCount = static_cast<std::uint8_t>(digits.size());
        code.name = j % 3 == 0 ? std::string{} : "C" + std::to_string(j);
    }
    return s;
}

TEST(FiveToneRoundTrip, EncodeDecodeEncodeGivesTheSameBytes) {
    const FiveToneSettings rich = RichSettings();
    const auto first = Encode(rich, 150);
    ASSERT_TRUE(first->ok);
    ExpectOnlyRegionTouched(first->image);

    Decoded d;
    GetCommDataBy5Tone(first->image, d.settings, d.decodeTime);
    EXPECT_EQ(d.decodeTime, 150);
    EXPECT_TRUE(SameFiveToneSettings(d.settings, rich));

    const auto second = Encode(d.settings, d.decodeTime);
    ASSERT_TRUE(second->ok);
    EXPECT_EQ(first->image, second->image);
}

} // namespace
} // namespace kpt740
