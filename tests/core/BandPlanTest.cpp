#include "core/EmbeddedInfo.h"
#include "core/Identity.h"

#include <gtest/gtest.h>

namespace kpt740 {
namespace {

TEST(BandPlan, LimitsParsedFromThePlanText) {
    struct Case {
        int code;
        BandLimits limits;
    };
    const Case cases[] = {
        {49, {400, 489.995, 400, 489.995}},   {2, {136, 173.9975, 144, 145.9975}},
        {16, {245, 245.9875, 245, 245.9875}}, {52, {350, 511.995, 400, 489.995}},
        {0, {26, 45.995, 26, 45.995}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseBandText(BandTextOfCode(c.code)), c.limits) << "code " << c.code;
    }
}

TEST(BandPlan, PositionsAndCodesConvertBothWays) {
    for (int position = 0; position < kBandPlanCount; ++position) {
        const int code = BandCodeOfPosition(position);
        EXPECT_EQ(BandPositionOfCode(code), position);
        EXPECT_EQ(BandTextOfCode(code), BandPlanList()[static_cast<std::size_t>(position)]);
    }
    EXPECT_EQ(BandCodeOfPosition(24), 48);
    EXPECT_EQ(BandCodeOfPosition(8), 16);
    EXPECT_EQ(BandCodeOfPosition(31), 55);
}

TEST(BandPlan, UndefinedCodesShowTheDefaultPlanAndRadioCodesAreSanitised) {
    const std::string fallback = "Rx(400 - 469.9950 MHz) Tx(400 - 469.9950 MHz)";
    for (int code : {8, 15, 24, 31, 40, 47, 56, 255, -3, 1000}) {
        EXPECT_EQ(BandTextOfCode(code), fallback) << code;
    }
    EXPECT_EQ(SanitizeRadioBandCode(60), 48);
    EXPECT_EQ(SanitizeRadioBandCode(0x0A), 48);
    EXPECT_EQ(SanitizeRadioBandCode(55), 55);
    EXPECT_EQ(SanitizeRadioBandCode(3), 3);
}

TEST(Identity, StartupValuesAndBandChanges) {
    Identity identity;
    EXPECT_EQ(identity.ProductName, "KPT740");
    EXPECT_EQ(identity.ModelText, "VQ-351");
    EXPECT_EQ(identity.BandCode, 49);
    EXPECT_EQ(identity.BandText, "Rx(400 - 489.9950 MHz) Tx(400 - 489.9950 MHz)");
    EXPECT_EQ(identity.FirmwareVersion, "V100");
    EXPECT_DOUBLE_EQ(identity.Limits.RxUpper, 489.995);

    SetBandFromFile(identity, 2);
    EXPECT_EQ(identity.BandCode, 2);
    EXPECT_DOUBLE_EQ(identity.Limits.TxLower, 144);

    SetBandFromRadio(identity, 16, BandTextOfCode(16));
    EXPECT_DOUBLE_EQ(identity.Limits.RxUpper, 245.9875);

    SetBandFromPosition(identity, 26);
    EXPECT_EQ(identity.BandCode, 50);
    EXPECT_DOUBLE_EQ(identity.Limits.RxLower, 430);
}

} // namespace
} // namespace kpt740

namespace kpt740 {
namespace {

TEST(EmbeddedInfo, StartupValuesFollowTheStartDate) {
    const EmbeddedInfo info = DefaultEmbeddedInfo({2026, 3, 7, "2026-03-07"});
    EXPECT_EQ(info.RecordedBandCode, 0);
    EXPECT_EQ(info.SalesAreaCode.value(), "0595");
    EXPECT_EQ(info.SerialNumber.value(), "2026030700000001");
    EXPECT_EQ(info.FactoryDate.value(), "2026-03-07");
    EXPECT_EQ(info.BatchNumber.value(), "03-1-E-1");
    EXPECT_EQ(info.CustomerCode.value(), "001A");
    EXPECT_EQ(info.DealerCode.value(), "");
    EXPECT_EQ(info.SaleDate.value(), "2026-03-07");
}

TEST(EmbeddedInfo, DecodesTextsUpToTheirTerminator) {
    RadioImage image;
    BlankImage(image);
    image.set(23, 49);
    const std::uint8_t area[] = {0x30, 0x35, 0xFF, 0x00};
    image.write(25, area);
    const std::string serial = "SN0123456789ABCDEF"; // longer than its 16 bytes
    for (std::size_t i = 0; i < 16; ++i) {
        image.set(32 + i, static_cast<std::uint8_t>(serial[i]));
    }
    const std::string dealer = "Dealer 7";
    for (std::size_t i = 0; i < dealer.size(); ++i) {
        image.set(96 + i, static_cast<std::uint8_t>(dealer[i]));
    }
    image.set(160, 'x');

    EmbeddedInfo info = DefaultEmbeddedInfo({2026, 1, 1, "x"});
    DecodeEmbeddedInfo(image, info);
    EXPECT_EQ(info.RecordedBandCode, 49);
    EXPECT_EQ(info.SalesAreaCode.value(), "05");
    EXPECT_EQ(info.SerialNumber.value(), serial.substr(0, 16));
    EXPECT_EQ(info.DealerCode.value(), "Dealer 7");
    EXPECT_EQ(info.RepairReason.value(), "x");
    EXPECT_EQ(info.FactoryDate.value(), ""); // the blank fill leaves it empty
}

} // namespace
} // namespace kpt740
