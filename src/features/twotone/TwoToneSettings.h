#pragma once

#include "core/FixedText.h"
#include "core/StoredRecord.h"

#include <array>
#include <cstdint>

namespace kpt740 {

inline constexpr int kTwoToneEntryCount = 32;

// One entry of the 2-Tone table: a pair of tones with their dividers and a name.
struct TwoToneCode {
    std::int16_t isEmpty = 1; // 0 = in use, 1 = empty
    std::uint8_t divider1High = 0;
    std::uint8_t divider1Low = 0;
    std::uint8_t divider2High = 0;
    std::uint8_t divider2Low = 0;
    std::uint8_t tone1High = 0;
    std::uint8_t tone1Low = 0;
    std::uint8_t tone2High = 0;
    std::uint8_t tone2Low = 0;
    FixedText<7> name;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.isEmpty);
        v(s.divider1High);
        v(s.divider1Low);
        v(s.divider2High);
        v(s.divider2Low);
        v(s.tone1High);
        v(s.tone1Low);
        v(s.tone2High);
        v(s.tone2Low);
        v(s.name);
    }
};

// The radio's sequential two-tone signalling: its own code, timing and the 32-entry table.
// Own tones and own dividers hold the high byte first, tones A-D the low byte first.
struct TwoToneSettings {
    std::uint8_t ownTone1High = 0;
    std::uint8_t ownTone1Low = 0;
    std::uint8_t ownTone2High = 0;
    std::uint8_t ownTone2Low = 0;
    std::uint8_t format = 0;
    std::uint8_t ownDivider1High = 0;
    std::uint8_t ownDivider1Low = 0;
    std::uint8_t ownDivider2High = 0;
    std::uint8_t ownDivider2Low = 0;
    std::uint8_t intervalC = 0;
    std::uint8_t decodeResponse = 0;
    std::uint8_t sideTone = 0;
    std::uint8_t toneALow = 0;
    std::uint8_t toneAHigh = 0;
    std::uint8_t toneBLow = 0;
    std::uint8_t toneBHigh = 0;
    std::uint8_t toneCLow = 0;
    std::uint8_t toneCHigh = 0;
    std::uint8_t toneDLow = 0;
    std::uint8_t toneDHigh = 0;
    std::uint8_t time1 = 0;
    std::uint8_t time2 = 0;
    std::uint8_t time3 = 0;
    std::uint8_t time4 = 0;
    std::array<TwoToneCode, kTwoToneEntryCount> codes{};

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.ownTone1High);
        v(s.ownTone1Low);
        v(s.ownTone2High);
        v(s.ownTone2Low);
        v(s.format);
        v(s.ownDivider1High);
        v(s.ownDivider1Low);
        v(s.ownDivider2High);
        v(s.ownDivider2Low);
        v(s.intervalC);
        v(s.decodeResponse);
        v(s.sideTone);
        v(s.toneALow);
        v(s.toneAHigh);
        v(s.toneBLow);
        v(s.toneBHigh);
        v(s.toneCLow);
        v(s.toneCHigh);
        v(s.toneDLow);
        v(s.toneDHigh);
        v(s.time1);
        v(s.time2);
        v(s.time3);
        v(s.time4);
        v(s.codes);
    }
};

static_assert(StoredSize<TwoToneCode>() == 17);
static_assert(StoredSize<TwoToneSettings>() == 568);

// The 2-Tone record of a new configuration; entry names are left unassigned (all NUL).
TwoToneSettings DefaultTwoToneSettings();

// Change detection: member by member, names by their trimmed value.
bool SameTwoToneSettings(const TwoToneSettings& a, const TwoToneSettings& b);

// The "in use" test channels rely on when they refer to an entry by number.
bool TwoToneEntryInUse(const TwoToneCode& entry);

} // namespace kpt740
