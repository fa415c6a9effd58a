#include "core/EmbeddedInfo.h"

#include "core/ImageRegions.h"

#include <cstdio>

namespace kpt740 {

namespace {

constexpr std::size_t kSerialNumber = 32;
constexpr std::size_t kFactoryDate = 48;
constexpr std::size_t kBatchNumber = 64;
constexpr std::size_t kCustomerCode = 72;
constexpr std::size_t kRepairDate = 80;
constexpr std::size_t kDealerCode = 96;
constexpr std::size_t kStockInDate = 112;
constexpr std::size_t kSaleDate = 128;
constexpr std::size_t kHandler = 144;
constexpr std::size_t kRepairReason = 160;

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

// Bytes from `address` up to the first stop byte or the field's end.
template <std::size_t N>
void ReadText(const RadioImage& image, std::size_t address, FixedText<N>& field) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        const std::uint8_t b = image.at(address + i);
        if (b == 0x00) {
            break;
        }
        text.push_back(static_cast<char>(b));
    }
    field = text;
}

} // namespace

EmbeddedInfo DefaultEmbeddedInfo(const StartDate& date) {
    EmbeddedInfo info;
    const std::string yyyymmdd =
        std::to_string(date.year) + TwoDigits(date.month) + TwoDigits(date.day);
    info.SalesAreaCode = "0595";
    info.SerialNumber = yyyymmdd + "00000001";
    info.FactoryDate = date.shortDate;
    info.BatchNumber = TwoDigits(date.month) + "-1-E-1";
    info.CustomerCode = "001A";
    info.RepairDate = date.shortDate;
    info.DealerCode = "";
    info.StockInDate = date.shortDate;
    info.SaleDate = date.shortDate;
    info.Handler = "";
    info.RepairReason = "";
    return info;
}

void DecodeEmbeddedInfo(const RadioImage& image, EmbeddedInfo& info) {
    info.RecordedBandCode = image.at(region::EmbeddedBandCode.first);
    std::string area;
    for (std::size_t i = 0; i < region::EmbeddedSalesArea.size; ++i) {
        const std::uint8_t b = image.at(region::EmbeddedSalesArea.first + i);
        if (b == 0x00 || b == 0xFF) {
            break;
        }
        area.push_back(static_cast<char>(b));
    }
    info.SalesAreaCode = area + '\0';
    ReadText(image, kSerialNumber, info.SerialNumber);
    ReadText(image, kFactoryDate, info.FactoryDate);
    ReadText(image, kBatchNumber, info.BatchNumber);
    ReadText(image, kCustomerCode, info.CustomerCode);
    ReadText(image, kRepairDate, info.RepairDate);
    ReadText(image, kDealerCode, info.DealerCode);
    ReadText(image, kStockInDate, info.StockInDate);
    ReadText(image, kSaleDate, info.SaleDate);
    ReadText(image, kHandler, info.Handler);
    ReadText(image, kRepairReason, info.RepairReason);
}

} // namespace kpt740
