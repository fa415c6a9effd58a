#pragma once

#include "core/ChannelTable.h"
#include "core/Encodings.h"
#include "core/FixedText.h"
#include "features/option/OptionSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kpt740 {

// EnablePassWord(value): the password label and box are shown for 1 only.
bool PassWordVisible(int enabled);

// The items of the channel list: every memory channel in use as its number "0"-"199", then
// "PA" and "PB" when in use; the single item "0" when none is.
TextList OptionChannelList(const ChannelTable& table);
// The item text of a channelIndex: 200 "PA", 201 "PB", any other value its decimal text.
std::string ChannelItemText(int channelIndex);
// The list position showing a channelIndex; its first item when the list lacks it.
int ShownChannelItem(const TextList& channelList, int channelIndex);
// The channelIndex of a picked item: "PA" 200, "PB" 201, any other item its number (0 when
// it is no channel number).
std::int16_t ChannelIndexOfItem(std::string_view item);

// How list 0 leaves list 1 and the extra list beside it.
struct List0State {
    bool list1Enabled = true;
    bool extraVisible = false;
    bool operator==(const List0State&) const = default;
};
// On load: the item list 0 shows decides, no member changes.
List0State List0StateOnLoad(std::int16_t setting1702);
// The user picked `item` in list 0: sets setting1702 and its follow-up members
// (setting1703, setting1702Extra).
List0State ChangeList0(OptionSettings& settings, int item);

// The seven welcome-text boxes of a stored text: space-padded, a space giving an empty box.
std::array<std::string, 7> WelcomeBoxes(const FixedText<7>& welcomeText);
// The stored welcome text of the seven boxes: an empty box gives a space.
FixedText<7> WelcomeTextFromBoxes(const std::array<std::string, 7>& boxes);
// The stored password of the box text: six or more characters keep the first six, a shorter
// text is followed by one NUL.
FixedText<6> PasswordFromBox(std::string_view boxText);

enum class BoxKeyVerdict {
    Pass,
    Swallow,
    PassAndMoveOn // accept the character, then move the focus to the next box
};

// A key typed into one of the welcome-text boxes.
BoxKeyVerdict WelcomeBoxKey(int code);
// A key typed into the power-on password box.
BoxKeyVerdict PasswordBoxKey(int code);

} // namespace kpt740
