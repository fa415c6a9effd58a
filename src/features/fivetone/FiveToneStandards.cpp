#include "features/fivetone/FiveToneStandards.h"

#include <algorithm>

namespace kpt740 {

namespace {

constexpr std::array<std::string_view, kFiveToneStandardCount> kNames = {
    "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI",       "DZVEI", "PDZVEI", "CCIR1",
    "CCIR2", "PCCIR", "EEA",   "EURO SIGNAL", "NATEL", "MODAT",  "CCITT"};

constexpr std::array<int, kFiveToneStandardCount> kDefaultDurationMs = {
    70, 70, 70, 70, 70, 70, 100, 70, 100, 40, 100, 70, 40, 70};

// One row per digit 0-F, one column per standard in list order; empty where the standard
// defines no tone for the digit. Kept digit-major so it reads like the published tables.
constexpr std::size_t kDigitCount = 16;
constexpr std::array<std::array<std::string_view, kFiveToneStandardCount>, kDigitCount>
    kFrequencies = {{
        {"2400", "2400", "2200", "2400", "2200", "2200", "1981", "1981", "1981", "1981", "979.8",
         "1633", "637.5", "400.0"},
        {"1060", "1060", "970", "1060", "970", "970", "1124", "1124", "1124", "1124", "903.1",
         "631", "787.5", "697.0"},
        {"1160", "1160", "1060", "1160", "1060", "1060", "1197", "1197", "1197", "1197", "832.5",
         "697", "937.5", "770.0"},
        {"1270", "1270", "1160", "1270", "1160", "1160", "1275", "1275", "1275", "1275", "767.4",
         "770", "1087.5", "852.0"},
        {"1400", "1400", "1270", "1400", "1270", "1270", "1358", "1358", "1358", "1358", "707.4",
         "852", "1237.5", "941.0"},
        {"1530", "1530", "1400", "1530", "1400", "1400", "1446", "1446", "1446", "1446", "652.0",
         "941", "1387.5", "1209.0"},
        {"1670", "1670", "1530", "1670", "1530", "1530", "1540", "1540", "1540", "1540", "601.0",
         "1040", "1537.5", "1335.0"},
        {"1830", "1830", "1670", "1830", "1670", "1670", "1640", "1640", "1640", "1640", "554.0",
         "1209", "1687.5", "1477.0"},
        {"2000", "2000", "1830", "2000", "1830", "1830", "1747", "1747", "1747", "1747", "510.7",
         "1336", "1837.5", "1663.0"},
        {"2200", "2200", "2000", "2200", "2000", "2000", "1860", "1860", "1860", "1860", "470.8",
         "1477", "1987.5", "1800.0"},
        {"2800", "885", "885", "970", "825/885", "825", "2400", "2400", "1050", "1055", "", "1995",
         "", "1900.0"},
        {"810", "810", "", "810", "740", "886", "930", "930", "930", "930", "", "571", "",
         "2000.0"},
        {"970", "740", "", "2800", "2600", "2600", "2247", "2247", "2400", "2400", "", "2205", "",
         "2100.0"},
        {"885", "680", "", "885", "885", "856", "991", "991", "991", "991", "", "2437", "",
         "2200.0"},
        {"2600", "970", "2400", "2600", "2400", "2400", "2110", "2110", "2110", "2110", "1062.9",
         "1805", "487.5", "2300.0"},
        {"680", "2600", "", "680", "680", "", "1055", "1055", "", "2247", "", "2694", "", "0.0"},
    }};

constexpr std::array<std::string_view, 8> kDurationItems = {"30", "40", "50", "60",
                                                            "70", "80", "90", "100"};

// Standards whose repeat tone E deserves its own note in the reference text.
constexpr std::array<std::string_view, 6> kStandardsWithRepeatNote = {
    "ZVEI1", "ZVEI3", "EURO SIGNAL", "NATEL", "MODAT", "CCITT"};

constexpr std::string_view kCrLf = "\r\n";

// The language files hand texts over with their terminating NUL; only the text before it counts.
std::string_view BeforeNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

const std::array<std::string_view, kFiveToneStandardCount>& FiveToneStandardNames() {
    return kNames;
}

std::string_view FiveToneStandardName(int index) {
    if (index < 0 || index >= static_cast<int>(kFiveToneStandardCount)) {
        return {};
    }
    return kNames[static_cast<std::size_t>(index)];
}

std::optional<int> FindFiveToneStandard(std::string_view name) {
    const auto it = std::find(kNames.begin(), kNames.end(), name);
    if (it == kNames.end()) {
        return std::nullopt;
    }
    return static_cast<int>(it - kNames.begin());
}

int FiveToneStandardIndex(std::string_view name) {
    return FindFiveToneStandard(name).value_or(0);
}

std::optional<int> FiveToneDefaultDurationMs(int index) {
    if (index < 0 || index >= static_cast<int>(kFiveToneStandardCount)) {
        return std::nullopt;
    }
    return kDefaultDurationMs[static_cast<std::size_t>(index)];
}

std::optional<std::string> FiveToneDefaultDurationText(std::string_view name) {
    const auto index = FindFiveToneStandard(name);
    if (!index) {
        return std::nullopt;
    }
    return std::to_string(kDefaultDurationMs[static_cast<std::size_t>(*index)]);
}

std::string_view FiveToneDigitFrequency(int standardIndex, int digit) {
    if (standardIndex < 0 || standardIndex >= static_cast<int>(kFiveToneStandardCount) ||
        digit < 0 || digit >= static_cast<int>(kDigitCount)) {
        return {};
    }
    return kFrequencies[static_cast<std::size_t>(digit)][static_cast<std::size_t>(standardIndex)];
}

const std::array<std::string_view, 8>& FiveToneDurationItems() {
    return kDurationItems;
}

std::uint8_t ValidToneDuration(int stored) {
    if (stored < kMinToneDuration || stored > kMaxToneDuration) {
        return kFallbackToneDuration;
    }
    return static_cast<std::uint8_t>(stored);
}

std::string FiveToneReferenceText(std::string_view name, const FiveToneReferenceLabels& labels) {
    std::string text;
    text.append(name).append(kCrLf);
    text.append(BeforeNul(labels.frequency)).append("(Hz)").append(kCrLf);
    const auto index = FindFiveToneStandard(name);
    if (!index) {
        return text;
    }
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    for (std::size_t digit = 0; digit < kDigitCount; ++digit) {
        text.push_back(kDigits[digit]);
        text.push_back(' ');
        text.append(FiveToneDigitFrequency(*index, static_cast<int>(digit))).append(kCrLf);
    }
    text.append(BeforeNul(labels.duration))
        .append("(ms) ")
        .append(std::to_string(kDefaultDurationMs[static_cast<std::size_t>(*index)]))
        .append(kCrLf);
    text.append(BeforeNul(labels.letterA)).append(" A").append(kCrLf);
    if (std::find(kStandardsWithRepeatNote.begin(), kStandardsWithRepeatNote.end(), name) !=
        kStandardsWithRepeatNote.end()) {
        text.append(BeforeNul(labels.letterE)).append(" E").append(kCrLf);
    }
    return text;
}

} // namespace kpt740
