#include "features/twotone/TwoToneSettings.h"

namespace kpt740 {

TwoToneSettings DefaultTwoToneSettings() {
    TwoToneSettings s;
    s.ownTone1High = 12; // 3217: 321.7 Hz
    s.ownTone1Low = 145;
    s.ownTone2High = 36; // 9281: 928.1 Hz
    s.ownTone2Low = 65;
    s.format = 0;
    // The radio's factory values; the second one is one above what the own-divider formula
    // gives for 928.1 Hz, and it is kept as the radio and existing files have it.
    s.ownDivider1High = 58; // 14920
    s.ownDivider1Low = 72;
    s.ownDivider2High = 20; // 5172
    s.ownDivider2Low = 52;
    s.intervalC = 0;
    s.decodeResponse = 0;
    s.sideTone = 0;
    s.toneAHigh = 12; // 321.7 Hz
    s.toneALow = 145;
    s.toneBHigh = 36; // 928.1 Hz
    s.toneBLow = 65;
    s.toneCHigh = 24; // 626.5 Hz
    s.toneCLow = 121;
    s.toneDHigh = 79; // 2043.8 Hz
    s.toneDLow = 214;
    s.time1 = 5;
    s.time2 = 5;
    s.time3 = 10;
    s.time4 = 0;

    TwoToneCode& first = s.codes[0];
    first.isEmpty = 0;
    first.divider1High = 58;
    first.divider1Low = 72;
    first.divider2High = 20;
    first.divider2Low = 52;
    first.tone1High = 12;
    first.tone1Low = 145;
    first.tone2High = 36;
    first.tone2Low = 65;
    return s;
}

bool SameTwoToneSettings(const TwoToneSettings& a, const TwoToneSettings& b) {
    return SameMembers(a, b);
}

bool TwoToneEntryInUse(const TwoToneCode& entry) {
    return entry.isEmpty == 0;
}

} // namespace kpt740
