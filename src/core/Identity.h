#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kpt740 {

inline constexpr int kBandPlanCount = 32;
inline constexpr std::int16_t kStartupBandCode = 49;
inline constexpr std::int16_t kSanitizedBandCode = 48;

// The 32 band plan strings in band-list order (the Model Type dialog shows exactly these).
const std::array<std::string_view, kBandPlanCount>& BandPlanList();
// The plan of a defined code; the plan of code 48 for every other value.
std::string BandTextOfCode(int code);
int BandPositionOfCode(int code);
int BandCodeOfPosition(int position);
// A code reported by the radio: bit 3 set or above 55 becomes 48.
int SanitizeRadioBandCode(int code);

struct BandLimits {
    double RxLower = 0;
    double RxUpper = 0;
    double TxLower = 0;
    double TxUpper = 0;
    bool operator==(const BandLimits&) const = default;
};

BandLimits ParseBandText(std::string_view bandText);

// The radio the program is working for: one instance for the whole run.
struct Identity {
    std::string ProductName = "KPT740";
    std::string ModelText = "VQ-351";
    std::int16_t BandCode = kStartupBandCode;
    std::string BandText = BandTextOfCode(kStartupBandCode);
    BandLimits Limits = ParseBandText(BandTextOfCode(kStartupBandCode));
    std::string FirmwareVersion = "V100";
};

// After a read: the band identified from the radio (already sanitised) and its plan text.
void SetBandFromRadio(Identity& identity, int bandCode, std::string_view bandText);
// After opening a file: the band code stored in it.
void SetBandFromFile(Identity& identity, int bandCode);
// The Model Type dialog's choice.
void SetBandFromPosition(Identity& identity, int position);

} // namespace kpt740
