#pragma once

#include "core/ChannelRecord.h"
#include "core/Messages.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

struct Configuration;
struct Identity;

inline constexpr int kChannelNameBoxes = 7;
inline constexpr int kPttIdCodeLength = 5;
// The master squelch-mode items, texts 1784-1788.
inline constexpr int kSquelchModeCount = 5;
inline constexpr int kFirstSquelchModeText = 1784;
inline constexpr int kExtraDisplayItems = 10;

// What the channel dialog's controls hold when OK is pressed: list positions (-1 when a list
// selects nothing), box texts and check box states.
struct ChannelEntries {
    std::string rxText;
    std::string offsetText;
    std::string txText;
    int shiftPosition = 0;
    std::array<std::string, kChannelNameBoxes> nameBoxes{};
    int stepPosition = 0;
    int bandwidthPosition = 0;
    int powerPosition = 0;
    std::string signallingText;
    int decodeToneTypePosition = 0;
    int encodeToneTypePosition = 0;
    int decodeCtcssPosition = 0;
    int encodeCtcssPosition = 0;
    int decodeDcsPosition = 0;
    int encodeDcsPosition = 0;
    int scramblerPosition = 0;
    int dtmfPttIdPosition = 0;
    int fiveTonePttIdPosition = 0;
    // Position of the chosen squelch text in the master list.
    int squelchMode = 0;
    int extraDisplayPosition = 0;
    int busyLockPosition = 0;
    int dtmfCodePosition = -1;
    // The texts of the chosen 2-Tone and 5-Tone entry items (empty when nothing is chosen).
    std::string twoToneItem;
    std::string fiveToneItem;
    bool txInhibit = false;
    bool decodeToneInverted = false;
    bool encodeToneInverted = false;
    bool reverse = false;
    bool talkaround = false;
    bool compander = false;
    bool scanSkip = false;
    bool pttIdFlag = false;
    bool pttIdDecode = false;
    std::string pttIdCode;
};

// The master positions of the squelch modes offered for the tone type that matters (the decode
// tone, or the encode tone when reverse is ticked) and the optional signalling (0 none).
std::vector<int> OfferedSquelchModes(int decodeToneType, int encodeToneType, bool reverse,
                                     int signalling);

// The extra display list skips the value 3: position p is value p for 0-2, p + 1 for 3-9.
int ExtraDisplayValue(int position);
// The list position that shows a stored value; the first item for a value the list lacks.
int ExtraDisplayPosition(int value);

// "DTMF" 1, "2Tone" 2, "5Tone" 3, any other text 0.
int SignallingOfText(std::string_view text);

// The list position that shows a stored value: the value itself, or the first item when it is
// outside a list of `count` items.
int PositionOrFirst(int value, int count);

// The transmit box as loaded: receive minus or plus the offset, or the receive text itself.
std::string TransmitTextOf(std::string_view rxDisplay, std::string_view offsetDisplay,
                           int shiftDirection);

// A PTT ID code shorter than five characters is padded on the right with "0".
std::string PaddedPttIdCode(std::string_view code);

// The channel name the seven boxes spell, an empty box counting as a blank.
std::string NameOfBoxes(const std::array<std::string, kChannelNameBoxes>& boxes);

// Writes the controls into `record` the way both ModifyUFreData and AddNewUFreData do. The
// receive entry is range-checked and snapped (text 2001 through `sink` when it had to be
// replaced); the boxes the steps rewrite (receive, transmit, offset, shift) are updated in
// `entries` so the dialog shows what was stored.
void StoreChannelEntries(ChannelEntries& entries, ChannelRecord& record, const Identity& identity,
                         MessageSink& sink);

enum class ChannelOkOutcome {
    // The VFO cannot be cleared: "VFO can't be null!" was shown, nothing changed.
    VfoCannotBeEmpty,
    Deleted,
    // The receive entry was cleared on a position that holds no channel.
    NothingToDelete,
    Modified,
    Added,
    // The record vanished while the entries were checked: "No Find Data!" was shown.
    NotFound,
};

// The channel dialog's OK for position `position`: pads the PTT ID code, deletes the channel
// when the receive entry is empty or not a number, otherwise changes or adds the record, and
// finally re-points the scan and alert channel references at channels that still exist.
ChannelOkOutcome ApplyChannelEntries(ChannelEntries& entries, int position,
                                     Configuration& configuration, const Identity& identity,
                                     MessageSink& sink);

inline Message VfoCannotBeEmptyMessage() {
    return Message::Literal("VFO can't be null!");
}
inline Message NoFindDataMessage() {
    return Message::Literal("No Find Data!");
}

} // namespace kpt740
