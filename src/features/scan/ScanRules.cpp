#include "features/scan/ScanRules.h"

#include "features/scan/ChannelReferences.h"

#include <algorithm>
#include <array>

namespace kpt740 {

namespace {

// Tenths of a second as the lists show them: "0.5" for 5, "5.0" for 50.
std::string TenthsText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

constexpr std::uint8_t kRevertSelected = 0;

// Which full-list revert positions each priority position offers, in shown order: a priority
// channel can only be a revert target when that priority channel is sampled.
const std::array<std::vector<std::uint8_t>, kPriorityModeCount>& RevertChoicesByPriority() {
    static const std::array<std::vector<std::uint8_t>, kPriorityModeCount> choices{{
        {0, 1, 4, 5},
        {0, 1, 2, 4, 5, 6},
        {0, 1, 3, 4, 5, 7},
        {0, 1, 2, 3, 4, 5, 6, 7},
    }};
    return choices;
}

} // namespace

TextList ScanModeItems(const OtherTextLookup& text) {
    return {text(scan_text::kOff), text(scan_text::kOn)};
}

TextList PriorityItems(const OtherTextLookup& text) {
    const std::string p = text(scan_text::kPriorityLabel);
    return {text(scan_text::kOff), p + "1", p + "2", p + "1 + " + p + "2"};
}

TextList FullRevertItems(const OtherTextLookup& text) {
    const std::string p = text(scan_text::kPriorityLabel);
    const std::string selected = text(scan_text::kRevertSelected);
    const std::string talkback = text(scan_text::kRevertTalkback);
    return {selected,
            selected + " + " + talkback,
            p + "1",
            p + "2",
            text(scan_text::kRevertLastCalled),
            text(scan_text::kRevertLastUsed),
            p + "1 + " + talkback,
            p + "2 + " + talkback};
}

TextList ScanTypeItems(const OtherTextLookup& text) {
    TextList items;
    for (int i = 0; i < kScanTypeCount; ++i) {
        items.push_back(text(scan_text::kFirstScanType + i));
    }
    return items;
}

TextList LookBackTimeItems() {
    TextList items;
    for (int k = 0; k < kLookBackTimeCount; ++k) {
        items.push_back(TenthsText(k + kLookBackTimeOffset));
    }
    return items;
}

TextList ResumeDelayItems() {
    TextList items;
    for (int k = 0; k < kResumeDelayCount; ++k) {
        items.push_back(TenthsText(k + kResumeDelayOffset));
    }
    return items;
}

TextList WaitTimeItems() {
    constexpr int kMillisecondsPerUnit = 25;
    TextList items;
    for (int k = 0; k < kWaitTimeCount; ++k) {
        items.push_back(std::to_string((k + kWaitTimeOffset) * kMillisecondsPerUnit));
    }
    return items;
}

int ListPositionOf(int value, int offset, int count) {
    const int position = value - offset;
    return position >= 0 && position < count ? position : 0;
}

std::vector<std::uint8_t> InitRevertList(int priorityPosition) {
    if (priorityPosition < 0 || priorityPosition >= kPriorityModeCount) {
        return {};
    }
    return RevertChoicesByPriority()[static_cast<std::size_t>(priorityPosition)];
}

std::optional<std::size_t> RevertSelection(int priorityPosition, int revertChannel) {
    const auto shown = InitRevertList(priorityPosition);
    if (shown.empty()) {
        return std::nullopt;
    }
    const int wanted = ListPositionOf(revertChannel, 0, kRevertChoiceCount);
    const auto it = std::find(shown.begin(), shown.end(), wanted);
    return it == shown.end() ? 0 : static_cast<std::size_t>(it - shown.begin());
}

std::uint8_t RevertChannelAfterPriority(int priorityPosition, int revertChannel) {
    const auto selection = RevertSelection(priorityPosition, revertChannel);
    if (!selection) {
        return kRevertSelected;
    }
    return InitRevertList(priorityPosition)[*selection];
}

ScanControlStates ScanEnabling(int scanModePosition, int priorityPosition) {
    if (scanModePosition != 1) {
        return {};
    }
    // An unknown priority position samples no priority channel, so neither list is offered.
    return {true, priorityPosition == 1 || priorityPosition == 3,
            priorityPosition == 2 || priorityPosition == 3};
}

void RepairScanOnLoad(ScanSettings& settings) {
    if (settings.scanEntryTone > 1) {
        settings.scanEntryTone = 0;
    }
}

ScanSettings ScanSettingsAsShown(const ScanSettings& stored, const ChannelTable& table) {
    auto shown = [](int value, int offset, int count) {
        return static_cast<std::uint8_t>(ListPositionOf(value, offset, count) + offset);
    };
    ScanSettings result = stored;
    RepairScanOnLoad(result);
    result.scanMode = shown(stored.scanMode, 0, kScanModeCount);
    result.priorityMode = shown(stored.priorityMode, 0, kPriorityModeCount);
    result.revertChannel = RevertChannelAfterPriority(result.priorityMode, stored.revertChannel);
    result.lookBackTimeA = shown(stored.lookBackTimeA, kLookBackTimeOffset, kLookBackTimeCount);
    result.lookBackTimeB = shown(stored.lookBackTimeB, kLookBackTimeOffset, kLookBackTimeCount);
    result.rxResumeDelay = shown(stored.rxResumeDelay, kResumeDelayOffset, kResumeDelayCount);
    result.txResumeDelay = shown(stored.txResumeDelay, kResumeDelayOffset, kResumeDelayCount);
    result.scanType = shown(stored.scanType, 0, kScanTypeCount);
    result.waitTime = shown(stored.waitTime, kWaitTimeOffset, kWaitTimeCount);
    result.priority1Channel =
        ChannelReferenceOf(ShownChannelNumber(table, stored.priority1Channel));
    result.priority2Channel =
        ChannelReferenceOf(ShownChannelNumber(table, stored.priority2Channel));
    return result;
}

void ResolveScanChannelRefs(ScanSettings& settings, const ChannelTable& table) {
    settings.priority1Channel = ResolveChannelReference(table, settings.priority1Channel);
    settings.priority2Channel = ResolveChannelReference(table, settings.priority2Channel);
}

} // namespace kpt740
