#include "features/fivetone/FiveToneEditorRules.h"

#include "core/Encodings.h"
#include "core/FixedText.h"
#include "features/fivetone/FiveToneCodeStrings.h"
#include "features/fivetone/FiveToneStandards.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kpt740 {

namespace {

constexpr int kIntervalItemCount = 255; // "10" ... "2550"
constexpr int kIntervalCItemCount = 251;
constexpr int kOptionDFirst = 5;
constexpr int kOptionDLast = 75;
constexpr int kPauseTimeItemCount = 256;
constexpr int kDecodeTimeItemCount = 201;
constexpr std::array<int, 4> kPauseDigits = {11, 12, 13, 15}; // B, C, D, F
constexpr int kDurationItemCount = 8;
constexpr int kDefaultDurationItem = 4; // "70"
constexpr int kMaxStoredDigitCount = 40;
constexpr int kMaxStandardIndex = 15;
constexpr std::size_t kInfoDigitsSize = 12;
constexpr std::size_t kIdLength = 5;
constexpr std::size_t kDataCallHead = 8;
constexpr std::string_view kDataCallPrefix = "E1";
constexpr std::string_view kPttIdPrefix = "E6";
constexpr std::string_view kDataCallGap = "        "; // eight spaces

// Decode functions (the item positions of the function list).
constexpr int kFunctionNone = 0;
constexpr int kFunctionTwoResponses = 1;
constexpr int kFunctionKill = 3;
constexpr int kFunctionStun = 4;
constexpr int kFunctionWakeUp = 5;
constexpr int kFunctionNoName = 6;

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

int InRangeOr(int index, int count, int fallback = 0) {
    return index >= 0 && index < count ? index : fallback;
}

std::string Decimal(int value) {
    return std::to_string(value);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool IsFunctionKillStunOrWake(int function) {
    return function == kFunctionKill || function == kFunctionStun || function == kFunctionWakeUp;
}

std::string InfoDigits(const FiveToneInfoCode& code) {
    const std::string digits = code.digits.value();
    return digits.substr(0, std::min<std::size_t>(code.digitCount, digits.size()));
}

} // namespace

std::vector<std::string> FiveToneIntervalItems() {
    std::vector<std::string> items;
    for (int i = 1; i <= kIntervalItemCount; ++i) {
        items.push_back(Decimal(i * 10));
    }
    return items;
}

std::vector<std::string> FiveToneIntervalCItems() {
    std::vector<std::string> items;
    for (int i = 0; i < kIntervalCItemCount; ++i) {
        items.push_back(Decimal(i / 10) + "." + Decimal(i % 10));
    }
    return items;
}

std::vector<std::string> FiveToneOptionDItems(std::string_view noneText) {
    std::vector<std::string> items{std::string(noneText)};
    for (int i = kOptionDFirst; i <= kOptionDLast; ++i) {
        items.push_back(Decimal(i));
    }
    return items;
}

std::vector<std::string> FiveTonePauseTimeItems() {
    std::vector<std::string> items;
    for (int i = 0; i < kPauseTimeItemCount; ++i) {
        items.push_back(Decimal(i * 10));
    }
    return items;
}

std::vector<std::string> FiveTonePauseDigitItems(std::string_view noneText) {
    return {std::string(noneText), "B", "C", "D", "F"};
}

std::vector<std::string> FiveToneDecodeTimeItems() {
    std::vector<std::string> items;
    for (int i = 0; i < kDecodeTimeItemCount; ++i) {
        items.push_back(Decimal(i * 10));
    }
    return items;
}

FiveToneSystemSelection ShowFiveToneSystem(FiveToneSettings& settings, std::uint8_t decodeTime) {
    FiveToneSystemSelection shown;
    shown.standard = InRangeOr(settings.standard, static_cast<int>(kFiveToneStandardCount));
    shown.decodeResponse = InRangeOr(settings.decodeResponse, kFiveToneDecodeResponseCount);
    if (settings.toneDuration == 0) {
        settings.toneDuration = kFallbackToneDuration;
    }
    shown.toneDuration = InRangeOr(settings.toneDuration - kMinToneDuration, kDurationItemCount);
    // Items "10" ... "2550" stand at value - 1; "0" ... "2550" at the value itself.
    shown.intervalA = InRangeOr(settings.intervalA - 1, kIntervalItemCount);
    shown.intervalB = InRangeOr(settings.intervalB - 1, kIntervalItemCount);
    shown.firstDigitDelay = InRangeOr(settings.firstDigitDelay - 1, kIntervalItemCount);
    shown.pauseTime = InRangeOr(settings.pauseTime, kPauseTimeItemCount);
    shown.intervalC = InRangeOr(settings.intervalC, kIntervalCItemCount);
    if (settings.optionD > 4) {
        shown.optionD = settings.optionD <= kOptionDLast ? settings.optionD - kOptionDFirst + 1 : 0;
    } else {
        settings.optionD = 0;
        shown.optionD = 0;
    }
    const auto digit = std::find(kPauseDigits.begin(), kPauseDigits.end(), settings.pauseDigit);
    shown.pauseDigit =
        digit == kPauseDigits.end() ? 0 : static_cast<int>(digit - kPauseDigits.begin()) + 1;
    shown.decodeTime = InRangeOr(decodeTime, kDecodeTimeItemCount);
    shown.sideTone = settings.sideTone != 0;
    return shown;
}

void SaveFiveToneSystem(const FiveToneSystemSelection& selection, FiveToneSettings& settings,
                        std::uint8_t& decodeTime) {
    settings.standard = static_cast<std::uint8_t>(
        InRangeOr(selection.standard, static_cast<int>(kFiveToneStandardCount)));
    settings.decodeResponse = static_cast<std::uint8_t>(
        InRangeOr(selection.decodeResponse, kFiveToneDecodeResponseCount));
    settings.toneDuration = static_cast<std::uint8_t>(
        InRangeOr(selection.toneDuration, kDurationItemCount, kDefaultDurationItem) +
        kMinToneDuration);
    settings.intervalA =
        static_cast<std::uint8_t>(InRangeOr(selection.intervalA, kIntervalItemCount) + 1);
    settings.intervalC =
        static_cast<std::uint8_t>(InRangeOr(selection.intervalC, kIntervalCItemCount));
    settings.intervalB =
        static_cast<std::uint8_t>(InRangeOr(selection.intervalB, kIntervalItemCount) + 1);
    const int optionD = InRangeOr(selection.optionD, kOptionDLast - kOptionDFirst + 2);
    settings.optionD = static_cast<std::uint8_t>(optionD == 0 ? 0 : optionD + kOptionDFirst - 1);
    settings.firstDigitDelay =
        static_cast<std::int16_t>(InRangeOr(selection.firstDigitDelay, kIntervalItemCount) + 1);
    const int pauseDigit =
        InRangeOr(selection.pauseDigit, static_cast<int>(kPauseDigits.size()) + 1);
    settings.pauseDigit = static_cast<std::int16_t>(
        pauseDigit == 0 ? 0 : kPauseDigits[static_cast<std::size_t>(pauseDigit - 1)]);
    settings.pauseTime =
        static_cast<std::int16_t>(InRangeOr(selection.pauseTime, kPauseTimeItemCount));
    decodeTime = static_cast<std::uint8_t>(InRangeOr(selection.decodeTime, kDecodeTimeItemCount));
    settings.sideTone = selection.sideTone ? 1 : 0;
}

InfoFunctionRule ApplyDecodeFunction(int function, int currentResponse) {
    InfoFunctionRule rule;
    rule.response = InRangeOr(currentResponse, kFiveToneDecodeResponseCount);
    switch (function) {
    case 2:
    case kFunctionNoName:
        rule.response = 0;
        rule.responseEnabled = false;
        break;
    case kFunctionTwoResponses:
        rule.responseItems = 2;
        rule.response = 0;
        break;
    case kFunctionKill:
    case kFunctionStun:
    case kFunctionWakeUp:
        rule.response = 2;
        rule.responseEnabled = false;
        break;
    default:
        break;
    }
    rule.nameEnabled = function != kFunctionNone && function != kFunctionNoName;
    return rule;
}

InfoCodeView ShowInfoCode(const FiveToneInfoCode& code, int currentResponse) {
    InfoCodeView view;
    view.function = InRangeOr(code.decodeFunction, kFiveToneDecodeFunctionCount);
    view.rule = ApplyDecodeFunction(view.function, currentResponse);
    // A forced response wins over the stored one, so the panel shows what OK will store.
    view.response =
        view.rule.responseEnabled
            ? InRangeOr(code.decodeResponse, view.rule.responseItems, view.rule.response)
            : view.rule.response;
    view.digits = InfoDigits(code);
    view.name = view.rule.nameEnabled ? code.name.value() : std::string();
    return view;
}

void SaveInfoCode(const InfoCodeView& view, FiveToneInfoCode& code) {
    code.decodeFunction =
        static_cast<std::uint8_t>(InRangeOr(view.function, kFiveToneDecodeFunctionCount));
    code.decodeResponse =
        static_cast<std::uint8_t>(InRangeOr(view.response, kFiveToneDecodeResponseCount));
    const std::string digits = view.digits.substr(0, std::min(view.digits.size(), kInfoDigitsSize));
    code.digits = digits;
    code.digitCount = static_cast<std::uint8_t>(digits.size());
    code.name = view.name;
}

InfoKillStunWakenCheck
CheckInfoKillStunWaken(const std::array<FiveToneInfoCode, kFiveToneInfoCodeCount>& codes) {
    InfoKillStunWakenCheck check;
    bool killOrStun = false;
    bool wakeUp = false;
    for (const auto& code : codes) {
        killOrStun = killOrStun || code.decodeFunction == kFunctionKill ||
                     code.decodeFunction == kFunctionStun;
        wakeUp = wakeUp || code.decodeFunction == kFunctionWakeUp;
        if (!IsFunctionKillStunOrWake(code.decodeFunction)) {
            continue;
        }
        for (const auto& other : codes) {
            if (other.decodeFunction != code.decodeFunction &&
                InfoDigits(other) == InfoDigits(code)) {
                check.duplicateDigits = true;
            }
        }
    }
    check.killWithoutWakeUp = killOrStun && !wakeUp;
    return check;
}

bool IsInfoKillStunWakenOK(const std::array<FiveToneInfoCode, kFiveToneInfoCodeCount>& codes,
                           const std::function<void(int optionId)>& tell) {
    const InfoKillStunWakenCheck check = CheckInfoKillStunWaken(codes);
    if (check.killWithoutWakeUp) {
        tell(60300);
    }
    if (check.duplicateDigits) {
        tell(60301);
    }
    return check.ok();
}

std::string CodeTextForCount(std::string_view digits, int count) {
    std::string text = TrimSpaces(TrimFixed(digits));
    const auto wanted = static_cast<std::size_t>(std::max(count, 0));
    if (text.size() > wanted) {
        text.resize(wanted);
    }
    text.append(wanted - text.size(), 'E');
    return text;
}

PttIdView ShowPttId(FiveToneCode& code) {
    if (code.digitCount > kMaxStoredDigitCount) {
        code.digitCount = 0;
    }
    if (code.standard > kMaxStandardIndex) {
        code.standard = 0;
    }
    PttIdView view;
    view.code = CodeTextForCount(code.digits.value(), code.digitCount);
    view.standard = code.standard;
    view.duration = code.toneDuration >= kMinToneDuration && code.toneDuration <= kMaxToneDuration
                        ? code.toneDuration - kMinToneDuration
                        : kDefaultDurationItem;
    return view;
}

void SavePttId(const PttIdView& view, std::string_view ownId, FiveToneCode& code) {
    std::string digits = NormalizeCode(view.code, ownId);
    // The image has room for 24 digits; a longer text would spill into the next code.
    digits.resize(std::min(digits.size(), kFiveTonePttIdMaxDigits));
    code.digits = digits;
    code.digitCount = static_cast<std::uint8_t>(digits.size());
    code.standard = static_cast<std::uint8_t>(
        InRangeOr(view.standard, static_cast<int>(kFiveToneStandardCount)));
    code.toneDuration = static_cast<std::uint8_t>(
        InRangeOr(view.duration, kDurationItemCount, kDefaultDurationItem) + kMinToneDuration);
}

std::uint8_t DurationCellToStored(std::string_view text) {
    const std::string trimmed = TrimSpaces(text);
    double ms = 0.0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, error] = std::from_chars(trimmed.data(), end, ms);
    if (trimmed.empty() || error != std::errc() || ptr != end || !std::isfinite(ms)) {
        return kFallbackToneDuration;
    }
    // The default rounding mode rounds halves to even: 75 gives 8, 65 gives 6.
    const double units = std::nearbyint(ms / 10.0);
    if (units < kMinToneDuration || units > kMaxToneDuration) {
        return kFallbackToneDuration;
    }
    return static_cast<std::uint8_t>(units);
}

std::string DataCallSummary(std::string_view digits, std::string_view messageLabel) {
    // The target ID is stored with repeat tones (12345 after "E1" is E2345); show it as typed.
    std::string summary = Mid5ToneNoE(digits, 3, static_cast<int>(kIdLength));
    summary.append(kDataCallGap).append(messageLabel);
    for (std::size_t k = kDataCallHead; k + 1 < digits.size(); k += 2) {
        const int high = HexValue(digits[k]);
        const int low = HexValue(digits[k + 1]);
        // Only a pair that names a printable character can have come from the message box.
        if (high >= 0 && low >= 0 && high * 16 + low >= 32 && high * 16 + low < 127) {
            summary.push_back(static_cast<char>(high * 16 + low));
        }
    }
    return summary;
}

FiveToneCodeRow ShowCodeRow(FiveToneCode& code, std::string_view ownId,
                            const FiveToneRowTexts& texts) {
    if (code.digitCount > kMaxStoredDigitCount) {
        code.digitCount = 0;
    }
    if (code.standard > kMaxStandardIndex) {
        code.standard = 0;
    }
    code.toneDuration = ValidToneDuration(code.toneDuration);

    FiveToneCodeRow row;
    if (code.isEmpty != 0) {
        row.standard = std::string(FiveToneStandardName(0));
        row.duration = "70";
        return row;
    }
    const std::string value = code.digits.value();
    const std::string s = TrimSpaces(value);
    bool shown = false;
    if (s.size() >= kDataCallHead && s.starts_with(kDataCallPrefix)) {
        row.kind = texts.dataCall;
        row.code = DataCallSummary(s, texts.message);
        shown = true;
    } else if (s.size() >= 6 && s.starts_with(kPttIdPrefix)) {
        row.kind = std::string(kFiveTonePttIdKind);
        shown = true;
    }
    if (IsAniCode(value, ownId)) {
        row.kind = std::string(kFiveToneAniKind);
        row.code = Mid5ToneNoE(value, 1, static_cast<int>(kIdLength));
        if (value.size() == kIdLength * 2 + 1 && !value.ends_with(kSelfIdPlaceholder)) {
            row.code.push_back(value[kIdLength]);
        }
        shown = true;
    }
    if (!shown) {
        row.code = CodeTextForCount(value, code.digitCount);
    }
    row.standard = std::string(FiveToneStandardName(code.standard));
    row.duration = Decimal(code.toneDuration * 10);
    row.name = code.name.value();
    return row;
}

void SaveCodeRow(const FiveToneCodeRow& row, std::string_view ownId, FiveToneCode& code) {
    PrepareListCodeForSaving(code, ownId);
    code.standard = static_cast<std::uint8_t>(FiveToneStandardIndex(row.standard));
    code.toneDuration = DurationCellToStored(row.duration);
    code.name = row.name;
}

std::string CommitCodeCell(std::string_view text, std::string_view ownId, FiveToneCode& code) {
    std::string value = NormalizeCode(text, ownId);
    value.resize(std::min<std::size_t>(value.size(), kMaxStoredDigitCount));
    code.digits = value;
    code.digitCount = static_cast<std::uint8_t>(value.size());
    code.isEmpty = value.empty() ? 1 : 0;
    return value;
}

void CommitStandardCell(int standard, FiveToneCodeRow& row, FiveToneCode& code) {
    code.standard =
        static_cast<std::uint8_t>(InRangeOr(standard, static_cast<int>(kFiveToneStandardCount)));
    if (row.duration.empty()) {
        row.duration = "70";
    }
    code.toneDuration = DurationCellToStored(row.duration);
    row.standard = std::string(FiveToneStandardName(code.standard));
}

void CommitDurationCell(std::string_view text, FiveToneCodeRow& row, FiveToneCode& code) {
    code.toneDuration = DurationCellToStored(text);
    row.duration = std::string(text);
}

void CommitNameCell(std::string_view text, FiveToneCodeRow& row, FiveToneCode& code) {
    code.name = text;
    row.name = code.name.value();
}

bool CodeCellOpensEditor(const FiveToneCodeRow& row, int column) {
    if (column == 2) {
        return row.kind.empty();
    }
    if (column >= 3 && column <= 5) {
        return !row.code.empty() || row.kind == kFiveTonePttIdKind;
    }
    return false;
}

std::optional<char> FiveToneOwnIdKey(char c) {
    if (c >= '0' && c <= '9') {
        return c;
    }
    return std::nullopt;
}

std::optional<char> FiveToneHexDigitKey(char c) {
    if (HexValue(c) < 0) {
        return std::nullopt;
    }
    return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::optional<char> FiveToneAnyAsciiKey(char c) {
    if (static_cast<unsigned char>(c) > 127) {
        return std::nullopt;
    }
    return c;
}

std::optional<char> FiveToneTargetIdKey(char c) {
    if ((c >= '0' && c <= '9') || c == 'A') {
        return c;
    }
    if (c == 'a') {
        return 'A';
    }
    return std::nullopt;
}

std::optional<char> FiveToneMessageKey(char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) {
        return c;
    }
    if (c >= 'a' && c <= 'z') {
        return static_cast<char>(c - 'a' + 'A');
    }
    return std::nullopt;
}

std::optional<char> FiveToneCodeNameKey(char c) {
    if (c < 32 || c > 126 || c == '\\' || c == '~') {
        return std::nullopt;
    }
    return c;
}

std::int16_t SeparatorFromItem(int item) {
    return static_cast<std::int16_t>(item >= 1 && item <= 6 ? item + 9 : 0);
}

int SeparatorItemOf(std::int16_t aniSeparator) {
    return aniSeparator >= 10 && aniSeparator <= 15 ? aniSeparator - 9 : 0;
}

std::string SpecialCallPttIdText(FiveToneCallType type, std::string_view id, char separator,
                                 std::string_view message, std::string_view ownId) {
    switch (type) {
    case FiveToneCallType::Data:
        return DataCallPttIdCode(id, message);
    case FiveToneCallType::Ani:
        return AniCallCode(id, separator, ownId);
    case FiveToneCallType::PttId:
        break;
    }
    return PttIdCallCode(ownId);
}

bool SpecialCallFitsPttId(FiveToneCallType type, std::string_view id, char separator,
                          std::string_view message, std::string_view ownId) {
    return SpecialCallPttIdText(type, id, separator, message, ownId).size() <=
           kFiveTonePttIdMaxDigits;
}

void ApplySpecialCallToCode(FiveToneCallType type, std::string_view id, char separator,
                            std::string_view message, std::string_view ownId,
                            const FiveToneRowTexts& texts, FiveToneCode& code,
                            FiveToneCodeRow& row) {
    std::string digits;
    switch (type) {
    case FiveToneCallType::Data:
        digits = DataCallListCode(
            id, message.substr(0, std::min(message.size(), kFiveToneMaxMessageLength)));
        row.kind = texts.dataCall;
        row.code = std::string(id) + " " + texts.message + std::string(message);
        break;
    case FiveToneCallType::Ani:
        digits = NormalizeCode(AniCallCode(id, separator, kSelfIdPlaceholder), ownId);
        row.kind = std::string(kFiveToneAniKind);
        row.code = std::string(id);
        if (separator != '\0') {
            row.code.push_back(separator);
        }
        break;
    case FiveToneCallType::PttId:
        digits = NormalizeCode(PttIdCallCode(kSelfIdPlaceholder), ownId);
        row.kind = std::string(kFiveTonePttIdKind);
        row.code.clear();
        break;
    }
    code.digits = digits;
    code.digitCount = static_cast<std::uint8_t>(std::min<std::size_t>(digits.size(), 40));
    code.isEmpty = 0;
}

} // namespace kpt740
