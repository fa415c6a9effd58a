#include "features/fivetone/FiveToneSettings.h"

#include <string>

namespace kpt740 {

namespace {

constexpr std::uint8_t kDefaultToneDuration = 7;
constexpr std::uint8_t kDefaultInterval = 20; // 200 ms
constexpr std::uint8_t kDefaultOptionD = 10;
constexpr std::int16_t kDefaultAniSeparator = 13; // the digit D

// Only the digits a code's count covers reach the radio; the rest of the text is leftover.
template <std::size_t N> void KeepCountedDigits(FixedText<N>& digits, int count) {
    const std::string value = digits.value();
    digits = value.substr(0, static_cast<std::size_t>(count));
}

FiveToneSettings WithCountedDigitsOnly(FiveToneSettings s) {
    KeepCountedDigits(s.ownId, s.ownIdLength);
    for (auto& info : s.infoCodes) {
        KeepCountedDigits(info.digits, info.digitCount);
    }
    KeepCountedDigits(s.pttIdBegin.digits, s.pttIdBegin.digitCount);
    KeepCountedDigits(s.pttIdEnd.digits, s.pttIdEnd.digitCount);
    for (auto& code : s.codes) {
        KeepCountedDigits(code.digits, code.digitCount);
    }
    return s;
}

} // namespace

void ApplyFiveToneDefaults(FiveToneSettings& s) {
    s.systemByte0 = 0;
    s.decodeResponse = 0;
    s.standard = 0;
    s.ownIdLength = 0;
    s.toneDuration = kDefaultToneDuration;
    s.ownId = "";
    s.intervalA = kDefaultInterval;
    s.intervalB = kDefaultInterval;
    s.firstDigitDelay = kDefaultInterval;
    s.pauseTime = kDefaultInterval;
    s.intervalC = 0;
    s.optionD = kDefaultOptionD;
    s.pauseDigit = 0;
    s.sideTone = 0;
    s.aniSeparator = kDefaultAniSeparator;
    for (auto& info : s.infoCodes) {
        info.decodeFunction = 0;
        info.decodeResponse = 0;
        info.digitCount = 0;
        info.digits = "";
    }
    for (auto& code : s.codes) {
        code.isEmpty = 1;
        code.spareByte = 0;
        code.standard = 0;
        code.digitCount = 0;
        code.toneDuration = kDefaultToneDuration;
        code.digits = "";
    }
}

FiveToneSettings DefaultFiveToneSettings() {
    FiveToneSettings settings;
    ApplyFiveToneDefaults(settings);
    return settings;
}

bool FiveToneCodeInUse(const FiveToneCode& code) {
    return code.isEmpty == 0;
}

bool SameFiveToneSettings(const FiveToneSettings& a, const FiveToneSettings& b) {
    // Digit counts are members themselves, so texts are only ever compared under equal counts.
    return SameMembers(WithCountedDigitsOnly(a), WithCountedDigitsOnly(b));
}

} // namespace kpt740
