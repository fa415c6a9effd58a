#pragma once

#include "core/FixedText.h"
#include "core/RadioImage.h"

#include <cstdint>
#include <string>

namespace kpt740 {

// Production and dealer data the radio carries at bytes 16-255: read and shown, never written.
struct EmbeddedInfo {
    std::uint8_t RecordedBandCode = 0;
    FixedText<4> SalesAreaCode;
    FixedText<16> SerialNumber;
    FixedText<16> FactoryDate;
    FixedText<8> BatchNumber;
    FixedText<4> CustomerCode;
    FixedText<16> RepairDate;
    FixedText<16> DealerCode;
    FixedText<16> StockInDate;
    FixedText<16> SaleDate;
    FixedText<16> Handler;
    FixedText<96> RepairReason;
};

// The day the program started, as the start-up values need it; `shortDate` is the date in
// the user's short date format.
struct StartDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    std::string shortDate;
};

EmbeddedInfo DefaultEmbeddedInfo(const StartDate& date);
void DecodeEmbeddedInfo(const RadioImage& image, EmbeddedInfo& info);

} // namespace kpt740
