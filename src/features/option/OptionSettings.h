#pragma once

#include "core/FixedText.h"
#include "core/StoredRecord.h"

#include <cstdint>

namespace kpt740 {

// The radio-wide optional features: selection lists, switches, the welcome text and the
// power-on password. Numeric members are list positions or 0/1 switches.
struct OptionSettings {
    std::int16_t setting1702 = 0;
    std::int16_t setting1703 = 0;
    std::int16_t channelIndex = 0; // channel Position - 1: 0-199, 200 "PA", 201 "PB"
    std::int16_t setting1705 = 0;
    std::int16_t setting1707 = 0;
    std::int16_t setting1702Extra = 0;
    std::int16_t setting1709 = 0;
    std::int16_t setting1710 = 0;
    std::int16_t toneFrequency = 0;
    std::int16_t setting1712 = 0;
    std::int16_t setting1713 = 0;
    std::int16_t setting1714 = 0;
    std::int16_t setting1716 = 0;
    std::int16_t tailToneElimination = 0;
    std::int16_t busyMode = 0;
    std::int16_t functionOperation = 0;
    std::int16_t internalFunctionOperation = 0;
    std::int16_t initKey = 0;
    std::int16_t setting1718 = 0;
    std::int16_t setting1719 = 0;
    // Kept with the configuration but never sent to the radio.
    std::int16_t setting1706 = 0;
    std::int16_t setting1708 = 0;
    std::int16_t setting1715 = 0;
    FixedText<7> welcomeText;
    std::int16_t powerOnPasswordEnabled = 0;
    FixedText<6> powerOnPassword;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.setting1702);
        v(s.setting1703);
        v(s.channelIndex);
        v(s.setting1705);
        v(s.setting1707);
        v(s.setting1702Extra);
        v(s.setting1709);
        v(s.setting1710);
        v(s.toneFrequency);
        v(s.setting1712);
        v(s.setting1713);
        v(s.setting1714);
        v(s.setting1716);
        v(s.tailToneElimination);
        v(s.busyMode);
        v(s.functionOperation);
        v(s.internalFunctionOperation);
        v(s.initKey);
        v(s.setting1718);
        v(s.setting1719);
        v(s.setting1706);
        v(s.setting1708);
        v(s.setting1715);
        v(s.welcomeText);
        v(s.powerOnPasswordEnabled);
        v(s.powerOnPassword);
    }
};

static_assert(StoredSize<OptionSettings>() == 61);

// Every numeric member 0, welcome text "Welcome", an empty password (a single NUL), disabled.
OptionSettings DefaultOptionSettings();

// Change detection: member by member, texts by their trimmed value.
bool SameOptionSettings(const OptionSettings& a, const OptionSettings& b);

} // namespace kpt740
