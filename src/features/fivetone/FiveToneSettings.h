#pragma once

#include "core/FixedText.h"
#include "core/StoredRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kpt740 {

inline constexpr std::size_t kFiveToneInfoCodeCount = 8;
inline constexpr std::size_t kFiveToneListCodeCount = 100;
inline constexpr std::uint8_t kDefaultDecodeTime = 2; // the item "20"

// A code the radio decodes and acts on (kill, stun, wake-up, ...).
struct FiveToneInfoCode {
    std::uint8_t decodeFunction = 0;
    std::uint8_t decodeResponse = 0;
    std::uint8_t digitCount = 0;
    FixedText<12> digits;
    FixedText<7> name;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.decodeFunction);
        v(s.decodeResponse);
        v(s.digitCount);
        v(s.digits);
        v(s.name);
    }
};

// A 5-Tone code as the PTT-ID codes and the code list hold it.
struct FiveToneCode {
    std::int16_t isEmpty = 0; // 0 = in use, 1 = empty
    std::uint8_t spareByte = 0;
    std::uint8_t standard = 0;
    std::uint8_t digitCount = 0;
    std::uint8_t toneDuration = 0;
    FixedText<40> digits;
    FixedText<7> name;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.isEmpty);
        v(s.spareByte);
        v(s.standard);
        v(s.digitCount);
        v(s.toneDuration);
        v(s.digits);
        v(s.name);
    }
};

// The radio's 5-Tone system: parameters, own ID, info codes, PTT-ID codes and the code list.
struct FiveToneSettings {
    std::uint8_t systemByte0 = 0;
    std::uint8_t decodeResponse = 0;
    std::uint8_t standard = 0;
    std::uint8_t ownIdLength = 0;
    std::uint8_t toneDuration = 0;
    FixedText<6> ownId;
    std::uint8_t intervalC = 0;
    std::uint8_t intervalA = 0;
    std::uint8_t intervalB = 0;
    std::uint8_t optionD = 0;
    std::int16_t firstDigitDelay = 0;
    std::int16_t pauseTime = 0;
    std::int16_t pauseDigit = 0;
    std::int16_t sideTone = 0;
    std::int16_t aniSeparator = 0;
    std::array<FiveToneInfoCode, kFiveToneInfoCodeCount> infoCodes{};
    FiveToneCode pttIdBegin;
    FiveToneCode pttIdEnd;
    std::array<FiveToneCode, kFiveToneListCodeCount> codes{};

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.systemByte0);
        v(s.decodeResponse);
        v(s.standard);
        v(s.ownIdLength);
        v(s.toneDuration);
        v(s.ownId);
        v(s.intervalC);
        v(s.intervalA);
        v(s.intervalB);
        v(s.optionD);
        v(s.firstDigitDelay);
        v(s.pauseTime);
        v(s.pauseDigit);
        v(s.sideTone);
        v(s.aniSeparator);
        v(s.infoCodes);
        v(s.pttIdBegin);
        v(s.pttIdEnd);
        v(s.codes);
    }
};

static_assert(StoredSize<FiveToneInfoCode>() == 22);
static_assert(StoredSize<FiveToneCode>() == 53);
static_assert(StoredSize<FiveToneSettings>() == 5607);

// Sets the 5-Tone defaults of a new configuration in place. Info-code and list-code names and
// both PTT-ID codes are left as they are.
void ApplyFiveToneDefaults(FiveToneSettings& settings);
// The defaults applied to a record nobody has touched (names and PTT-ID codes zero or empty).
FiveToneSettings DefaultFiveToneSettings();

// A code counts as in use when its first word is 0; channels and the alert may point at it.
bool FiveToneCodeInUse(const FiveToneCode& code);

// Change detection: member by member with texts trimmed, except that a code text is compared
// only over as many characters as its digit count says.
bool SameFiveToneSettings(const FiveToneSettings& a, const FiveToneSettings& b);

} // namespace kpt740
