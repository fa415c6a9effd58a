#pragma once

#include "core/ChannelTable.h"
#include "core/Encodings.h"
#include "features/alert/AlertSettings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

// The rules of the alert settings editor that do not depend on widgets: list contents, the
// identity-code list of each code type, which controls are enabled, what the editor shows
// (and stores at OK) for any stored record, and the repairs other editors make.
namespace kpt740 {

// Looks up a text of the "OTHER" section of the current language.
using AlertTextLookup = std::function<std::string(int otherId)>;

namespace alert_text {
inline constexpr int kCaption = 2600;
inline constexpr int kAlarmTypeLabel = 2602;
inline constexpr int kIdCodeTypeLabel = 2603;
inline constexpr int kIdCodeLabel = 2604;
inline constexpr int kAlarmTimeLabel = 2605;
inline constexpr int kTxTimeLabel = 2606;
inline constexpr int kRxTimeLabel = 2607;
inline constexpr int kChannelSelectionLabel = 2608;
inline constexpr int kEmergencyGroupLabel = 2609;
inline constexpr int kEmergencyChannelLabel = 2610;
inline constexpr int kCyclesLabel = 2611;
inline constexpr int kLoneWorkerFrame = 2612;
inline constexpr int kAutoDetectLabel = 2613;
inline constexpr int kPreAlertTimeLabel = 2614;
inline constexpr int kLoneWorkerTimeLabel = 2615;
inline constexpr int kFirstAlarmType = 2630;
inline constexpr int kFirstChannelSelection = 2634;
inline constexpr int kFirstCyclesItem = 2636;
inline constexpr int kNoIdCode = 2436;
} // namespace alert_text

inline constexpr int kAlarmTypeCount = 4;
inline constexpr int kIdCodeTypeCount = 3;
inline constexpr int kChannelSelectionCount = 2;
inline constexpr int kAlertDtmfCodeCount = 16;
inline constexpr int kAlertFiveToneCodeCount = 100;

// Ranges of the number lists, in seconds.
inline constexpr int kAlarmSecondsFirst = 1; // alarm, transmit and receive times
inline constexpr int kAlarmSecondsLast = 255;
inline constexpr int kPreAlertFirst = 1;
inline constexpr int kPreAlertLast = 254;
inline constexpr int kLoneWorkerFirst = 5;
inline constexpr int kLoneWorkerLast = 255;

// List contents, in position order.
TextList AlarmTypeItems(const AlertTextLookup& text);
TextList IdCodeTypeItems(const AlertTextLookup& text);
TextList ChannelSelectionItems(const AlertTextLookup& text);
// The first item stands for 0 cycles, then "1" ... "255".
TextList CyclesItems(const AlertTextLookup& text);
// "first" ... "last" in decimal.
TextList NumberItems(int first, int last);

// Which stored codes exist: per DTMF code M1-M16 whether it has digits, per 5-Tone list code
// 0-99 whether it is in use. Entries beyond those counts are ignored.
struct IdentityCodeSources {
    std::span<const bool> dtmfCodeHasDigits;
    std::span<const bool> fiveToneCodeInUse;
};

// The identity-code list for a code type: "M1" ... "M16" for the DTMF codes that have digits,
// the numbers of the 5-Tone codes in use (the single item "0" when none is), else empty.
TextList IdentityCodeItems(int idCodeType, const IdentityCodeSources& sources);
// The item the list selects for a stored code number: the item naming it, else the first
// item, else none.
std::optional<std::size_t> IdentityCodeSelection(const TextList& items, int idCodeType,
                                                 int idCodeNumber);
// The code number stored for the shown item of the identity-code list ("M5" gives 4 for DTMF,
// "42" gives 42 for 5-Tone), 0 for no item or any other code type.
std::uint8_t IdCodeNumberOf(int codeTypePosition, const std::optional<std::string>& shownItem);

// Which controls may be used: the alarm time list, or the identity code and transmit/receive
// time lists; the emergency channel list (and its hidden group list); the lone-worker times.
struct AlertControlStates {
    bool alarmTime = false;
    bool identityAndTimes = false;
    bool emergencyChannel = false;
    bool loneWorkerTimes = false;
    bool operator==(const AlertControlStates&) const = default;
};
AlertControlStates AlertEnabling(int alarmTypePosition, int channelSelectionPosition,
                                 bool loneWorkerTicked);

// The record as the editor shows it, which is what OK stores when nothing is changed: every
// value outside its list becomes its list's first item (pre-alert 1, lone-worker 5), a missing
// identity code the first code of its list (or 0), the emergency channel one the table holds
// (the lowest number) or none.
AlertSettings AlertSettingsAsShown(const AlertSettings& stored, const ChannelTable& table,
                                   const IdentityCodeSources& sources);

// After the 5-Tone codes were edited: a 5-Tone identity code that is no longer in use moves
// to the lowest code in use (0 when none is). DTMF identity codes are left alone.
void RepointFiveToneIdCode(AlertSettings& settings, std::span<const bool> fiveToneCodeInUse);

// Re-points the emergency channel with ResolveChannelReference after channels were deleted.
void ResolveAlertChannelRefs(AlertSettings& settings, const ChannelTable& table);

} // namespace kpt740
