#pragma once

#include "core/ChannelTable.h"
#include "core/Encodings.h"
#include "features/scan/ScanSettings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The rules of the scan settings editor that do not depend on widgets: list contents, which
// revert choices a priority setting allows, which controls are enabled, and what the editor
// shows (and stores at OK) for any stored record.
namespace kpt740 {

// Looks up a text of the "OTHER" section of the current language.
using OtherTextLookup = std::function<std::string(int otherId)>;

namespace scan_text {
inline constexpr int kCaption = 2400;
inline constexpr int kScanModeLabel = 2402;
inline constexpr int kPriorityLabel = 2403; // also the "P" of the priority and revert items
inline constexpr int kPriorityChannel1Label = 2404;
inline constexpr int kPriorityChannel2Label = 2405;
inline constexpr int kRevertLabel = 2406;
inline constexpr int kLookBackTimeALabel = 2407;
inline constexpr int kLookBackTimeBLabel = 2408;
inline constexpr int kRxResumeDelayLabel = 2409;
inline constexpr int kTxResumeDelayLabel = 2410;
inline constexpr int kScanTypeLabel = 2411;
inline constexpr int kWaitTimeLabel = 2412;
inline constexpr int kScanEntryToneLabel = 2413;
inline constexpr int kOff = 2430;
inline constexpr int kOn = 2431;
inline constexpr int kRevertSelected = 2432;
inline constexpr int kRevertTalkback = 2433;
inline constexpr int kRevertLastCalled = 2434;
inline constexpr int kRevertLastUsed = 2435;
inline constexpr int kFirstScanType = 2436;
} // namespace scan_text

inline constexpr int kScanModeCount = 2;
inline constexpr int kPriorityModeCount = 4;
inline constexpr int kRevertChoiceCount = 8;
inline constexpr int kScanTypeCount = 4;

// Offsets between list positions and stored values, and the list lengths.
inline constexpr int kLookBackTimeOffset = 5;
inline constexpr int kLookBackTimeCount = 46;
inline constexpr int kResumeDelayOffset = 1;
inline constexpr int kResumeDelayCount = 50;
inline constexpr int kWaitTimeOffset = 2;
inline constexpr int kWaitTimeCount = 254;

// List contents, in position order.
TextList ScanModeItems(const OtherTextLookup& text);
TextList PriorityItems(const OtherTextLookup& text);
// The full revert list: `revertChannel` is a position in this list.
TextList FullRevertItems(const OtherTextLookup& text);
TextList ScanTypeItems(const OtherTextLookup& text);
TextList LookBackTimeItems(); // "0.5" ... "5.0"
TextList ResumeDelayItems();  // "0.1" ... "5.0"
TextList WaitTimeItems();     // "50" ... "6375" (milliseconds)

// The position a list of `count` items selects for a stored value: value - offset, or the
// first item when that is outside the list.
int ListPositionOf(int value, int offset, int count);

// The full-list positions of the revert choices the priority position allows, in the order
// shown; empty when no (or no known) priority position is selected.
std::vector<std::uint8_t> InitRevertList(int priorityPosition);
// The index in the shown revert list that matches the full-list choice `revertChannel` (a
// value outside the full list counts as its first choice), else the first shown item; none
// when the priority position allows no choice.
std::optional<std::size_t> RevertSelection(int priorityPosition, int revertChannel);
// The full-list position stored for the shown selection (0 when nothing is selected).
std::uint8_t RevertChannelAfterPriority(int priorityPosition, int revertChannel);

// Which controls may be used. `settings` covers every list but the scan mode list, hidden ones
// included, and the entry-tone check box; the priority channel flags also cover their group
// lists.
struct ScanControlStates {
    bool settings = false;
    bool priorityChannel1 = false;
    bool priorityChannel2 = false;
    bool operator==(const ScanControlStates&) const = default;
};
ScanControlStates ScanEnabling(int scanModePosition, int priorityPosition);

// The repair made when the editor opens, kept even when it is cancelled: an entry-tone value
// other than 0 or 1 becomes 0.
void RepairScanOnLoad(ScanSettings& settings);

// The record as the editor shows it, which is what OK stores when nothing is changed: every
// value outside its list becomes its list's first item, the revert choice one the priority
// setting allows, and each priority channel one the table holds (the lowest number) or none.
ScanSettings ScanSettingsAsShown(const ScanSettings& stored, const ChannelTable& table);

// Re-points both priority channels with ResolveChannelReference after channels were deleted.
void ResolveScanChannelRefs(ScanSettings& settings, const ChannelTable& table);

} // namespace kpt740
