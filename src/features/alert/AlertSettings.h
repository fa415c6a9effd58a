#pragma once

#include "core/StoredRecord.h"

#include <cstdint>

namespace kpt740 {

// The emergency alarm and the lone-worker function: alarm kind, identity code, times,
// alarm channel and cycles.
struct AlertSettings {
    std::uint8_t alarmType = 0;
    std::uint8_t idCodeType = 0;
    std::uint8_t idCodeNumber = 0;
    std::uint8_t alarmTime = 0;
    std::uint8_t txTime = 0;
    std::uint8_t rxTime = 0;
    std::uint8_t channelSelection = 0;
    std::uint8_t emergencyChannel = 0;
    std::uint8_t cycles = 0;
    std::uint8_t autoDetectMode = 0;
    std::uint8_t preAlertTime = 0;
    std::uint8_t loneWorkerTime = 0;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.alarmType);
        v(s.idCodeType);
        v(s.idCodeNumber);
        v(s.alarmTime);
        v(s.txTime);
        v(s.rxTime);
        v(s.channelSelection);
        v(s.emergencyChannel);
        v(s.cycles);
        v(s.autoDetectMode);
        v(s.preAlertTime);
        v(s.loneWorkerTime);
    }
};

static_assert(StoredSize<AlertSettings>() == 12);

// Kinds of identity code the alarm sends (`idCodeType`).
inline constexpr std::uint8_t kIdCodeNone = 0;
inline constexpr std::uint8_t kIdCodeDtmf = 1;
inline constexpr std::uint8_t kIdCodeFiveTone = 2;

AlertSettings DefaultAlertSettings();

bool SameAlertSettings(const AlertSettings& a, const AlertSettings& b);

} // namespace kpt740
