#include "features/scan/ScanCodec.h"

#include "core/Encodings.h"
#include "core/ImageRegions.h"

#include <cstddef>
#include <exception>

namespace kpt740 {

namespace {

constexpr std::size_t kScanMode = 0;
constexpr std::size_t kPriorityMode = 1;
constexpr std::size_t kRevertChannel = 2;
constexpr std::size_t kLookBackTimeA = 3;
constexpr std::size_t kLookBackTimeB = 4;
constexpr std::size_t kRxResumeDelay = 5;
constexpr std::size_t kTxResumeDelay = 6;
constexpr std::size_t kScanType = 7;
constexpr std::size_t kScanEntryTone = 8;
constexpr std::size_t kWaitTime = 9;
constexpr std::size_t kPriority1Group = 10;
constexpr std::size_t kPriority1Channel = 11;
constexpr std::size_t kPriority2Group = 12;
constexpr std::size_t kPriority2Channel = 13;

std::size_t At(std::size_t offset) {
    return region::ScanSettings.first + offset;
}

// The radio counts groups and channels from 0 and marks "none" with 0xFF; the record counts
// from 1 with 0 for none. ClampToByte maps -1 to 0xFF and 256 back to 0.
std::uint8_t ToRadioNumber(std::uint8_t value) {
    return ClampToByte(static_cast<std::int32_t>(value) - 1);
}

std::uint8_t FromRadioNumber(std::uint8_t stored) {
    return ClampToByte(static_cast<std::int32_t>(stored) + 1);
}

} // namespace

void SetCommDataByScan(const ScanSettings& record, RadioImage& image, EncodeContext& context) {
    try {
        image.set(At(kScanMode), record.scanMode);
        image.set(At(kPriorityMode), record.priorityMode);
        image.set(At(kRevertChannel), record.revertChannel);
        image.set(At(kLookBackTimeA), record.lookBackTimeA);
        image.set(At(kLookBackTimeB), record.lookBackTimeB);
        image.set(At(kRxResumeDelay), record.rxResumeDelay);
        image.set(At(kTxResumeDelay), record.txResumeDelay);
        image.set(At(kScanType), record.scanType);
        image.set(At(kScanEntryTone), record.scanEntryTone);
        image.set(At(kWaitTime), record.waitTime);
        image.set(At(kPriority1Group), ToRadioNumber(record.priority1Group));
        image.set(At(kPriority1Channel), ToRadioNumber(record.priority1Channel));
        image.set(At(kPriority2Group), ToRadioNumber(record.priority2Group));
        image.set(At(kPriority2Channel), ToRadioNumber(record.priority2Channel));
    } catch (const std::exception&) {
        context.fail("SetCommDataByScan");
    }
}

void GetCommDataByScan(const RadioImage& image, ScanSettings& record) {
    record.scanMode = image.at(At(kScanMode));
    record.priorityMode = image.at(At(kPriorityMode));
    record.revertChannel = image.at(At(kRevertChannel));
    record.lookBackTimeA = image.at(At(kLookBackTimeA));
    record.lookBackTimeB = image.at(At(kLookBackTimeB));
    record.rxResumeDelay = image.at(At(kRxResumeDelay));
    record.txResumeDelay = image.at(At(kTxResumeDelay));
    record.scanType = image.at(At(kScanType));
    record.scanEntryTone = image.at(At(kScanEntryTone));
    record.waitTime = image.at(At(kWaitTime));
    record.priority1Group = FromRadioNumber(image.at(At(kPriority1Group)));
    record.priority1Channel = FromRadioNumber(image.at(At(kPriority1Channel)));
    record.priority2Group = FromRadioNumber(image.at(At(kPriority2Group)));
    record.priority2Channel = FromRadioNumber(image.at(At(kPriority2Channel)));
}

} // namespace kpt740
