#include "features/option/OptionRules.h"

#include "core/ChannelRecord.h"

namespace kpt740 {

namespace {

constexpr int kIndexPA = kPositionPA - 1;
constexpr int kIndexPB = kPositionPB - 1;
constexpr std::string_view kTextPA = "PA";
constexpr std::string_view kTextPB = "PB";

constexpr int kList0Items = 3;
constexpr int kList0Locking = 1; // list 1 locked to item 1, extra list shown
constexpr std::size_t kPasswordLength = 6;

constexpr int kCtrlC = 3;
constexpr int kCtrlV = 22;
constexpr int kCtrlX = 24;

bool IsPrintable(int code) {
    return code >= 32 && code <= 126;
}

bool IsClipboardKey(int code) {
    return code == kCtrlC || code == kCtrlV || code == kCtrlX;
}

List0State StateForItem(int item) {
    return item == kList0Locking ? List0State{false, true} : List0State{true, false};
}

} // namespace

bool PassWordVisible(int enabled) {
    return enabled == 1;
}

TextList OptionChannelList(const ChannelTable& table) {
    TextList items;
    for (int position = kFirstMemoryPosition; position <= kPositionPB; ++position) {
        if (table.ChannelInUse(position)) {
            items.push_back(ChannelItemText(position - 1));
        }
    }
    if (items.empty()) {
        items.emplace_back("0");
    }
    return items;
}

std::string ChannelItemText(int channelIndex) {
    if (channelIndex == kIndexPA) {
        return std::string(kTextPA);
    }
    if (channelIndex == kIndexPB) {
        return std::string(kTextPB);
    }
    return std::to_string(channelIndex);
}

int ShownChannelItem(const TextList& channelList, int channelIndex) {
    return ListIndexOf(channelList, ChannelItemText(channelIndex), 0);
}

std::int16_t ChannelIndexOfItem(std::string_view item) {
    if (item == kTextPA) {
        return kIndexPA;
    }
    if (item == kTextPB) {
        return kIndexPB;
    }
    const std::int32_t number = NumberOrDefault(item, 0);
    return number >= 0 && number <= kIndexPB ? static_cast<std::int16_t>(number) : 0;
}

List0State List0StateOnLoad(std::int16_t setting1702) {
    const int shown = setting1702 >= 0 && setting1702 < kList0Items ? setting1702 : 0;
    return StateForItem(shown);
}

List0State ChangeList0(OptionSettings& settings, int item) {
    if (item == kList0Locking) {
        settings.setting1703 = 1;
    } else {
        settings.setting1703 = item == 2 ? 1 : 0;
        settings.setting1702Extra = 0;
    }
    settings.setting1702 = static_cast<std::int16_t>(item);
    return StateForItem(item);
}

std::array<std::string, 7> WelcomeBoxes(const FixedText<7>& welcomeText) {
    // The trimmed value, so that a NUL left by the decoder shows as an empty box.
    const std::string text = welcomeText.value();
    std::array<std::string, 7> boxes;
    for (std::size_t i = 0; i < boxes.size() && i < text.size(); ++i) {
        if (text[i] != ' ') {
            boxes[i] = std::string(1, text[i]);
        }
    }
    return boxes;
}

FixedText<7> WelcomeTextFromBoxes(const std::array<std::string, 7>& boxes) {
    std::string text;
    for (const auto& box : boxes) {
        text.push_back(box.empty() ? ' ' : box.front());
    }
    return FixedText<7>(text);
}

FixedText<6> PasswordFromBox(std::string_view boxText) {
    if (boxText.size() >= kPasswordLength) {
        return FixedText<6>(boxText.substr(0, kPasswordLength));
    }
    std::string text(boxText);
    text.push_back('\0');
    return FixedText<6>(text);
}

BoxKeyVerdict WelcomeBoxKey(int code) {
    // Codes above 127 have no single-byte form the radio could show; they are kept out here
    // like in every other text box.
    if (code < 0 || code > 127 || IsClipboardKey(code) || code == '\\' || code == '~') {
        return BoxKeyVerdict::Swallow;
    }
    return IsPrintable(code) ? BoxKeyVerdict::PassAndMoveOn : BoxKeyVerdict::Pass;
}

BoxKeyVerdict PasswordBoxKey(int code) {
    if (code < 0 || code > 127 || IsClipboardKey(code)) {
        return BoxKeyVerdict::Swallow;
    }
    if (IsPrintable(code) && !(code >= '0' && code <= '9')) {
        return BoxKeyVerdict::Swallow;
    }
    return BoxKeyVerdict::Pass;
}

} // namespace kpt740
