#include "core/Encodings.h"

#include "core/FixedText.h"
#include "core/Identity.h"

#include <clocale>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

TEST(TrimFixed, RemovesTrailingBlanksThenCutsAtTheFirstNul) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {{"AB     ", "AB"},
                          {std::string("AB\0  ", 5), "AB"},
                          {std::string("A\0B", 3), "A"},
                          {"  lead", "  lead"},
                          {"", ""},
                          {"       ", ""},
                          {std::string("\0\0\0", 3), ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(TrimFixed(c.in), c.out) << "input of size " << c.in.size();
    }
}

TEST(FrequencyText, EntriesBecomeNineDigitTexts) {
    struct Case {
        std::string entry, text;
    };
    const Case cases[] = {
        {"400.125", "040012500"},
        {"400.123456", "040012345"},
        {"145", "014500000"},
        {"45", "004500000"},
        {"400", "040000000"},
        {"4001250", "0400"},
        {"", ""},
        {"400.00625", "040000625"},
        {"445.0000", "044500000"},
        {"136.02250", "013602250"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryToFrequencyText(c.entry), c.text) << c.entry;
    }
}

TEST(FrequencyText, DisplayAndOffsetForms) {
    RecordingMessageSink sink;
    EXPECT_EQ(FrequencyToDisplay("040012500", 400, sink), "400.12500");
    EXPECT_EQ(FrequencyToDisplay("0400", 400, sink), "400.00000");
    EXPECT_EQ(FrequencyToDisplay("004550000", 400, sink), "045.50000");
    EXPECT_EQ(FrequencyToDisplay("FFFFFFFFF", 400, sink), "");
    EXPECT_EQ(FrequencyToDisplay("         ", 400, sink), "");
    EXPECT_EQ(OffsetToDisplay("000500000", sink), "5.00000");
    EXPECT_EQ(OffsetToDisplay("FFFFFFFFF", sink), "0.00000");
    EXPECT_TRUE(sink.messages().empty());

    EXPECT_EQ(FrequencyToDisplay("04001250X", 136, sink), "136");
    EXPECT_EQ(OffsetToDisplay("00X500000", sink), "0.00000");
    ASSERT_EQ(sink.messages().size(), 2u);
    EXPECT_EQ(sink.messages()[0], NotNumericMessage());
}

TEST(FrequencyText, FormattingIgnoresTheUserLocale) {
    // A locale with "," as the decimal separator must not leak into the radio's texts.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    RecordingMessageSink sink;
    EXPECT_EQ(FrequencyToDisplay("040012500", 400, sink), "400.12500");
    EXPECT_EQ(EntryToFrequencyText("400.125"), "040012500");
    EXPECT_EQ(NumberOrDefault("12", -1), 12);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Bcd, ReceiveAndOffsetRulesWithTheRebuiltTenHertzDigit) {
    struct Case {
        std::string text;
        BcdBytes bytes;
        std::string decoded;
    };
    const Case cases[] = {
        {"040000625", {0x04, 0x00, 0x00, 0x62}, "040000625"},
        {"040000833", {0x04, 0x00, 0x00, 0x83}, "040000833"},
        {"040001666", {0x04, 0x00, 0x01, 0x66}, "040001666"},
        {"040001875", {0x04, 0x00, 0x01, 0x87}, "040001875"},
        {"040012500", {0x04, 0x00, 0x12, 0x50}, "040012500"},
        {"0400", {0x04, 0x00, 0x00, 0x00}, "040000000"},
        {"040000010", {0x04, 0x00, 0x00, 0x01}, "040000010"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RxFrequencyToBcd(c.text), c.bytes) << c.text;
        EXPECT_EQ(BcdToRxFrequencyText(c.bytes), c.decoded) << c.text;
    }
    EXPECT_EQ(RxFrequencyToBcd("         "), (BcdBytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(BcdToRxFrequencyText({0xFF, 0xFF, 0xFF, 0xFF}), std::nullopt);
    EXPECT_EQ(BcdToRxFrequencyText({0x04, 0x00, 0x12, 0x5A}), std::nullopt);
    EXPECT_EQ(BcdToOffsetText({0x04, 0x00, 0x12, 0x5A}), "000000000");
    EXPECT_EQ(OffsetToBcd("000500000"), (BcdBytes{0x00, 0x05, 0x00, 0x00}));
    EXPECT_NO_THROW(RxFrequencyToBcd("04001250G")); // the 10-Hz digit is never stored
    EXPECT_THROW(RxFrequencyToBcd("0400125G0"), std::invalid_argument);
    EXPECT_THROW(OffsetToBcd(std::string(9, '\0')), std::invalid_argument);
}

TEST(Snap, StaysOnAnyRasterAndMovesEverythingElseDown) {
    struct Case {
        double in;
        int raster;
        double out;
    };
    const Case cases[] = {
        {400.0037, 500, 400.0},    {400.00625, 500, 400.00625}, {400.02499, 500, 400.025},
        {400.0125, 500, 400.0125}, {400.00833, 500, 400.00833}, {400.01666, 500, 400.01666},
        {400.0073, 500, 400.005},  {400.0, 500, 400.0},         {400.0225, 250, 400.0225},
        {400.0235, 250, 400.0225},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(SnapFrequency(c.in, 400.0, c.raster), c.out)
            << c.in << " raster " << c.raster;
    }
}

TEST(BandCheck, ClampsToTheLimitsWithTheWarningAndSnapsInside) {
    Identity identity; // band 49: 400-489.995 both ways
    RecordingMessageSink sink;
    EXPECT_DOUBLE_EQ(CheckRxFrequency(399.0, identity, sink), 400.0);
    EXPECT_DOUBLE_EQ(CheckTxFrequency(500.0, identity, sink), 489.995);
    ASSERT_EQ(sink.messages().size(), 2u);
    EXPECT_EQ(sink.messages()[1], OutOfBandMessage());
    sink.clear();
    EXPECT_DOUBLE_EQ(CheckRxFrequency(445.0037, identity, sink), 445.0);
    EXPECT_TRUE(sink.messages().empty());

    EXPECT_EQ(FormatRxEntry("445.0037", identity, sink), "445.00000");
    EXPECT_EQ(FormatTxEntry("abc", identity, sink), "400.00000");
    EXPECT_EQ(FormatRxEntry("", identity, sink), "400.00000");
    EXPECT_EQ(sink.messages().size(), 2u);
}

TEST(BandCheck, OffsetIsWhatTheTransmitCheckLeaves) {
    Identity identity;
    RecordingMessageSink sink;
    EXPECT_EQ(OffsetFromEntries("5", "445.00000", 2, identity, sink), "005.00000");
    EXPECT_EQ(OffsetFromEntries("5", "445.00000", 1, identity, sink), "005.00000");
    EXPECT_EQ(OffsetFromEntries("10", "485.00000", 2, identity, sink), "004.99500");
    EXPECT_EQ(OffsetFromEntries("10", "405.00000", 1, identity, sink), "005.00000");
    EXPECT_EQ(OffsetFromEntries("x", "445.00000", 2, identity, sink), "000.00000");
    EXPECT_EQ(sink.messages().size(), 2u);
}

TEST(SmallConversions, BytesNumbersDigitsAndTones) {
    EXPECT_EQ(HexByteText(0x0A), "0A");
    EXPECT_EQ(HexByteText(0xFF), "FF");
    EXPECT_EQ(ClampToByte(-1), 255);
    EXPECT_EQ(ClampToByte(256), 0);
    EXPECT_EQ(ClampToByte(200), 200);
    EXPECT_EQ(NumberOrDefault("", 7), 7);
    EXPECT_EQ(NumberOrDefault("12a", 7), 7);
    EXPECT_EQ(NumberOrDefault(" 42 ", 7), 42);
    EXPECT_EQ(NumberOrDefault("99999999999", 7), 7);
    EXPECT_EQ(DtmfToStored("12*#"), "12EF");
    EXPECT_EQ(DtmfToDisplay("12EF"), "12*#");
    EXPECT_EQ(DcsDisplay(0, false), "D000N");
    EXPECT_EQ(DcsDisplay(511, true), "D777I");
    EXPECT_EQ(DcsDisplay(19, false), "D023N");
    EXPECT_EQ(DcsDisplay(492, true), "D754I");
    EXPECT_EQ(CtcssTable()[20], "127.3");
    EXPECT_EQ(CtcssTable()[50], "254.1");
    EXPECT_EQ(StepList(3).front(), "2.5K");
    EXPECT_EQ(StepList(48).front(), "5K");
    EXPECT_EQ(StepList(48).size(), 9u);
    EXPECT_EQ(RasterOfBand(7), 250);
    EXPECT_EQ(RasterOfBand(16), 500);
    EXPECT_EQ(FormatFixed(0.5, 0, 5), ".50000");
    EXPECT_EQ(FormatFixed(400.125, 0, 5), "400.12500");
}

TEST(Lists, FallbacksOfTheSharedListHelpers) {
    const TextList empty;
    const TextList list{"a", "b", "c"};
    EXPECT_EQ(ListItemMatching(list, "b"), "b");
    EXPECT_EQ(ListItemMatching(list, "z"), "a");
    EXPECT_EQ(ListItemMatching(empty, "a"), "");
    EXPECT_EQ(ListItemAt(list, 2), "c");
    EXPECT_EQ(ListItemAt(list, 3), "a");
    EXPECT_EQ(ListItemAt(list, -1), "a");
    EXPECT_EQ(ListItemAt(empty, 0), "");
    EXPECT_EQ(ListIndexOf(list, "c", 9), 2);
    EXPECT_EQ(ListIndexOf(list, "z", 9), 0);
    EXPECT_EQ(ListIndexOf(list, "", 9), 9);
    EXPECT_EQ(ListIndexOf(empty, "a", 9), 9);
    TextList growing{"a"};
    AddListItemOnce(growing, "a");
    AddListItemOnce(growing, "b");
    EXPECT_EQ(growing, (TextList{"a", "b"}));
    EXPECT_EQ(FileNameOfPath("C:\\radio\\site1.dat"), "site1.dat");
    EXPECT_EQ(FileNameOfPath("/home/d/site1.dat"), "site1.dat");
    EXPECT_EQ(FileNameOfPath("site1.dat"), "site1.dat");
}

} // namespace
} // namespace kpt740
