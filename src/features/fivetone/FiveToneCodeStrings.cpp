#include "features/fivetone/FiveToneCodeStrings.h"

#include "core/Encodings.h"
#include "core/FixedText.h"

#include <algorithm>
#include <cstdint>

namespace kpt740 {

namespace {

constexpr char kRepeatTone = 'E';
constexpr std::string_view kNoPrevious = "X";
constexpr std::string_view kDataCallPrefix = "E1";
constexpr std::string_view kE2CallPrefix = "E2";
constexpr std::string_view kPttIdCallPrefix = "E6";
// Positions 1-8 of a data call are "E1", the target ID and "E"; the message follows.
constexpr std::size_t kDataCallHeadLength = 8;
constexpr std::size_t kIdLength = 5;
constexpr std::size_t kSeparatorPosition = 6;
// An ANI code with a separator: 5 + 1 + 5 characters.
constexpr std::size_t kAniWithSeparator = 11;
constexpr std::size_t kAniWithoutSeparator = 10;
constexpr std::size_t kShortestAni = 10;
constexpr std::size_t kListDigitsSize = 40;

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool IsSeparatorDigit(char c) {
    return c >= 'A' && c <= 'F';
}

bool HasOwnIdPrefix(std::string_view code) {
    return code.starts_with(kE2CallPrefix) || code.starts_with(kPttIdCallPrefix);
}

char SeparatorOf(std::string_view code) {
    return code[kSeparatorPosition - 1];
}

// The own-ID part of an ANI code as the radio may hold it: as typed, or repeat-rewritten on
// its own or after the character before it.
bool EndsWithOwnId(std::string_view code, std::string_view ownId) {
    if (ownId.size() != kIdLength) {
        return false;
    }
    const std::string_view tail = code.substr(code.size() - kIdLength);
    const std::string_view before = code.substr(code.size() - kIdLength - 1, 1);
    return tail == ownId || tail == ApplyRepeatTone(ownId, kNoPrevious) ||
           tail == ApplyRepeatTone(ownId, before);
}

} // namespace

std::string ApplyRepeatTone(std::string_view code, std::string_view previous) {
    if (code.empty()) {
        return {};
    }
    const bool hasPrevious = !previous.empty() && previous != kNoPrevious;
    std::string s = TrimFixed(code);
    if (hasPrevious) {
        s.insert(0, previous);
    }
    if (s.empty()) {
        return {};
    }
    const bool dataCall = s.starts_with(kDataCallPrefix);
    std::string out(1, s[0]);
    for (std::size_t i = 1; i < s.size(); ++i) {
        const bool inMessage = dataCall && i + 1 > kDataCallHeadLength;
        out.push_back(!inMessage && out.back() == s[i] ? kRepeatTone : s[i]);
    }
    return hasPrevious ? out.substr(1) : out;
}

std::string ApplyRepeatToneAni(std::string_view code) {
    if (code.empty()) {
        return {};
    }
    const bool withSeparator = code.size() == kAniWithSeparator;
    std::string out(1, code[0]);
    for (std::size_t i = 1; i < code.size(); ++i) {
        const std::size_t position = i + 1;
        const bool keep =
            withSeparator && (position == kSeparatorPosition || position == kSeparatorPosition + 1);
        out.push_back(!keep && out.back() == code[i] ? kRepeatTone : code[i]);
    }
    return out;
}

bool IsAniCode(std::string_view code, std::string_view ownId) {
    const std::size_t n = code.size();
    if (n < kShortestAni) {
        return false;
    }
    if (code.ends_with(kSelfIdPlaceholder)) {
        if (n == kIdLength + kSelfIdPlaceholder.size()) {
            return true;
        }
        return n == kIdLength + 1 + kSelfIdPlaceholder.size() &&
               IsSeparatorDigit(SeparatorOf(code));
    }
    if (!EndsWithOwnId(code, ownId)) {
        return false;
    }
    if (n == kAniWithoutSeparator) {
        return true;
    }
    return n == kAniWithSeparator && IsSeparatorDigit(SeparatorOf(code));
}

std::string NormalizeCode(std::string_view code, std::string_view ownId) {
    if (IsAniCode(code, ownId)) {
        return ApplyRepeatToneAni(code);
    }
    return ApplyRepeatTone(code, kNoPrevious);
}

std::string Mid5ToneNoE(std::string_view rStr, int rStart, int rLen) {
    std::string out;
    if (rLen <= 0) {
        return out;
    }
    const std::size_t first = static_cast<std::size_t>(std::max(rStart, 1)) - 1;
    const std::size_t end = std::min(rStr.size(), first + static_cast<std::size_t>(rLen));
    for (std::size_t i = first; i < end; ++i) {
        out.push_back(rStr[i] == kRepeatTone && i > 0 ? rStr[i - 1] : rStr[i]);
    }
    return out;
}

std::string ApplyNewOwnId(std::string_view code, std::string_view oldId, std::string_view newId) {
    std::string t = TrimSpaces(code);
    if (t.size() < 2) {
        return std::string(code);
    }
    if (HasOwnIdPrefix(t)) {
        t = t.substr(0, 2) + std::string(newId);
    }
    const std::string value = TrimFixed(t);
    if (IsAniCode(value, oldId)) {
        // The separator stays with the code, whether it sits before the own ID or before the
        // placeholder.
        const bool placeholder = value.ends_with(kSelfIdPlaceholder);
        const bool withSeparator =
            (!placeholder && value.size() == kAniWithSeparator) ||
            (placeholder && value.size() == kIdLength + 1 + kSelfIdPlaceholder.size());
        t = Mid5ToneNoE(value, 1, static_cast<int>(kIdLength));
        if (withSeparator) {
            t.push_back(SeparatorOf(value));
        }
        t.append(newId);
    }
    return t;
}

std::string PrepareListCode(std::string_view digits, std::string_view ownId) {
    std::string code = TrimFixed(digits);
    if (code.size() > 2) {
        if (HasOwnIdPrefix(code)) {
            code = code.substr(0, 2) + std::string(ownId);
        }
        if (IsAniCode(code, ownId)) {
            const std::size_t replaced =
                code.ends_with(kSelfIdPlaceholder) ? kSelfIdPlaceholder.size() : kIdLength;
            code = code.substr(0, code.size() - replaced) + std::string(ownId);
        }
        code = NormalizeCode(TrimSpaces(code), ownId);
    }
    return TrimSpaces(code);
}

void PrepareListCodeForSaving(FiveToneCode& code, std::string_view ownId) {
    const std::string prepared = PrepareListCode(code.digits.value(), ownId);
    code.digits = prepared;
    // The count describes the digits the field holds.
    code.digitCount = static_cast<std::uint8_t>(std::min(prepared.size(), kListDigitsSize));
}

std::string MessageHex(std::string_view message) {
    std::string hex;
    for (char c : message) {
        hex += HexByteText(static_cast<std::uint8_t>(c));
    }
    return hex;
}

std::string DataCallPttIdCode(std::string_view targetId, std::string_view message) {
    return std::string(kDataCallPrefix) + std::string(targetId) + kRepeatTone + MessageHex(message);
}

std::string DataCallListCode(std::string_view targetId, std::string_view message) {
    const std::string call = std::string(kDataCallPrefix) + std::string(targetId) + kRepeatTone;
    return ApplyRepeatTone(ApplyRepeatTone(call, kNoPrevious) + MessageHex(message), kNoPrevious);
}

std::string AniCallCode(std::string_view targetId, char separator, std::string_view ownPart) {
    std::string code(targetId);
    if (separator != '\0') {
        code.push_back(separator);
    }
    return code.append(ownPart);
}

std::string PttIdCallCode(std::string_view ownPart) {
    return std::string(kPttIdCallPrefix) + std::string(ownPart);
}

} // namespace kpt740
