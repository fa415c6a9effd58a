#pragma once

#include "core/StoredRecord.h"

#include <cstdint>

namespace kpt740 {

// How the radio scans: mode, priority sampling, revert channel, delays and entry tone.
struct ScanSettings {
    std::uint8_t scanMode = 0;
    std::uint8_t priorityMode = 0;
    std::uint8_t revertChannel = 0;
    std::uint8_t lookBackTimeA = 0;
    std::uint8_t lookBackTimeB = 0;
    std::uint8_t rxResumeDelay = 0;
    std::uint8_t txResumeDelay = 0;
    std::uint8_t scanType = 0;
    std::uint8_t scanEntryTone = 0;
    std::uint8_t waitTime = 0;
    std::uint8_t priority1Group = 0;
    std::uint8_t priority1Channel = 0;
    std::uint8_t priority2Group = 0;
    std::uint8_t priority2Channel = 0;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.scanMode);
        v(s.priorityMode);
        v(s.revertChannel);
        v(s.lookBackTimeA);
        v(s.lookBackTimeB);
        v(s.rxResumeDelay);
        v(s.txResumeDelay);
        v(s.scanType);
        v(s.scanEntryTone);
        v(s.waitTime);
        v(s.priority1Group);
        v(s.priority1Channel);
        v(s.priority2Group);
        v(s.priority2Channel);
    }
};

static_assert(StoredSize<ScanSettings>() == 14);

// The scan settings of a new configuration, with a wait time of 0.
ScanSettings DefaultScanSettings();
// The scan settings of a new configuration built over `previous`: the hidden wait time is not
// part of the defaults and keeps the value it had.
ScanSettings DefaultScanSettings(const ScanSettings& previous);

bool SameScanSettings(const ScanSettings& a, const ScanSettings& b);

} // namespace kpt740
