#include "features/alert/AlertCodec.h"

#include "core/Encodings.h"
#include "core/ImageRegions.h"

#include <cstddef>
#include <exception>

namespace kpt740 {

namespace {

constexpr std::size_t kAlarmType = 0;
constexpr std::size_t kIdCodeType = 1;
constexpr std::size_t kIdCodeNumber = 2;
constexpr std::size_t kAlarmTime = 3;
constexpr std::size_t kTxTime = 4;
constexpr std::size_t kRxTime = 5;
constexpr std::size_t kChannelSelection = 6;
// Offset 7 belongs to the radio and is neither written nor read.
constexpr std::size_t kEmergencyChannel = 8;
constexpr std::size_t kCycles = 9;
constexpr std::size_t kAutoDetectMode = 10;
constexpr std::size_t kPreAlertTime = 11;
constexpr std::size_t kLoneWorkerTime = 12;

std::size_t At(std::size_t offset) {
    return region::AlertSettings.first + offset;
}

} // namespace

void SetCommDataByAlert(const AlertSettings& record, RadioImage& image, EncodeContext& context) {
    try {
        image.set(At(kAlarmType), record.alarmType);
        image.set(At(kIdCodeType), record.idCodeType);
        image.set(At(kIdCodeNumber), record.idCodeNumber);
        image.set(At(kAlarmTime), record.alarmTime);
        image.set(At(kTxTime), record.txTime);
        image.set(At(kRxTime), record.rxTime);
        image.set(At(kChannelSelection), record.channelSelection);
        // The radio counts channels from 0 and marks "none" with 0xFF (ClampToByte of -1).
        image.set(At(kEmergencyChannel),
                  ClampToByte(static_cast<std::int32_t>(record.emergencyChannel) - 1));
        image.set(At(kCycles), record.cycles);
        image.set(At(kAutoDetectMode), record.autoDetectMode);
        image.set(At(kPreAlertTime), record.preAlertTime);
        image.set(At(kLoneWorkerTime), record.loneWorkerTime);
    } catch (const std::exception&) {
        context.fail("SetCommDataByAlert");
    }
}

void GetCommDataByAlert(const RadioImage& image, AlertSettings& record) {
    record.alarmType = image.at(At(kAlarmType));
    record.idCodeType = image.at(At(kIdCodeType));
    record.idCodeNumber = image.at(At(kIdCodeNumber));
    record.alarmTime = image.at(At(kAlarmTime));
    record.txTime = image.at(At(kTxTime));
    record.rxTime = image.at(At(kRxTime));
    record.channelSelection = image.at(At(kChannelSelection));
    // 0xFF + 1 wraps to 0 through ClampToByte: "none".
    record.emergencyChannel =
        ClampToByte(static_cast<std::int32_t>(image.at(At(kEmergencyChannel))) + 1);
    record.cycles = image.at(At(kCycles));
    record.autoDetectMode = image.at(At(kAutoDetectMode));
    record.preAlertTime = image.at(At(kPreAlertTime));
    record.loneWorkerTime = image.at(At(kLoneWorkerTime));
}

} // namespace kpt740
