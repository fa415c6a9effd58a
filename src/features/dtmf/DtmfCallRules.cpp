#include "features/dtmf/DtmfCallRules.h"

#include "core/Encodings.h"
#include "core/FixedText.h"

namespace kpt740 {

namespace {

// Length of a composed ANI call "ccc" + separator + "iii", and of a PTTID call separator + "iii".
constexpr std::size_t kAniCallLength = 2 * kOwnIdDigits + 1;
constexpr std::size_t kPttIdCallLength = kOwnIdDigits + 1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view LastThree(std::string_view text) {
    return text.substr(text.size() - kOwnIdDigits);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string PadWithZeros(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.append(width - out.size(), '0');
    }
    return out;
}

std::string NormalizedOwnId(std::string_view ownIdField) {
    const std::string trimmed = TrimFixed(ownIdField);
    return IsNumeric(trimmed) ? PadWithZeros(trimmed, kOwnIdDigits) : std::string("000");
}

std::string SeparatorFollowUp(std::string_view codeBox, std::string_view ownIdBox,
                              char newSeparator) {
    std::string out(codeBox);
    if (out.size() == kAniCallLength) {
        const std::string_view caller = LastThree(codeBox);
        if (IsNumeric(codeBox.substr(0, kOwnIdDigits)) && IsNumeric(caller) && caller == ownIdBox &&
            !IsDigit(codeBox[kOwnIdDigits])) {
            out[kOwnIdDigits] = newSeparator;
        }
    } else if (out.size() == kPttIdCallLength) {
        const std::string_view caller = LastThree(codeBox);
        if (IsNumeric(caller) && caller == ownIdBox && !IsDigit(codeBox[0])) {
            out[0] = newSeparator;
        }
    }
    return out;
}

std::string OwnIdFollowUp(std::string_view codeBox, std::string_view ownIdBox, char separator) {
    const std::string id = PadWithZeros(ownIdBox, kOwnIdDigits);
    std::string out(codeBox);
    if (out.size() == kAniCallLength) {
        if (IsNumeric(codeBox.substr(0, kOwnIdDigits)) && IsNumeric(LastThree(codeBox)) &&
            codeBox[kOwnIdDigits] == separator) {
            out.replace(out.size() - kOwnIdDigits, kOwnIdDigits, id);
        }
    } else if (out.size() == kPttIdCallLength) {
        if (IsNumeric(LastThree(codeBox)) && codeBox[0] == separator) {
            out.replace(out.size() - kOwnIdDigits, kOwnIdDigits, id);
        }
    }
    return out;
}

std::string ComposeSpecialCall(SpecialCallKind kind, std::string_view calledCode, char separator,
                               std::string_view ownIdBox) {
    std::string call;
    if (kind == SpecialCallKind::Ani) {
        call = PadWithZeros(calledCode, kOwnIdDigits);
    }
    call.push_back(separator);
    call.append(ownIdBox);
    return call;
}

bool KillEqualsStun(std::string_view killBox, std::string_view stunBox) {
    const std::string_view kill = TrimBlanks(killBox);
    return !kill.empty() && kill == TrimBlanks(stunBox);
}

} // namespace kpt740
