#include "features/alert/AlertRules.h"

#include "features/scan/ChannelReferences.h"

#include <algorithm>

namespace kpt740 {

namespace {

constexpr int kFirstCycleCount = 1;
constexpr int kLastCycleCount = 255;

// The stored value when a list of first ... last holds it, else the list's first value.
std::uint8_t ValueOrFirst(int value, int first, int last) {
    return static_cast<std::uint8_t>(value >= first && value <= last ? value : first);
}

std::string DtmfCodeItem(int number) {
    return "M" + std::to_string(number + 1);
}

// The sources may be shorter than the radio's code counts; entries beyond them do not exist.
std::size_t UsableCount(std::span<const bool> entries, int radioCount) {
    return std::min(entries.size(), static_cast<std::size_t>(radioCount));
}

} // namespace

TextList AlarmTypeItems(const AlertTextLookup& text) {
    TextList items;
    for (int i = 0; i < kAlarmTypeCount; ++i) {
        items.push_back(text(alert_text::kFirstAlarmType + i));
    }
    return items;
}

TextList IdCodeTypeItems(const AlertTextLookup& text) {
    return {text(alert_text::kNoIdCode), "DTMF", "5Tone"};
}

TextList ChannelSelectionItems(const AlertTextLookup& text) {
    TextList items;
    for (int i = 0; i < kChannelSelectionCount; ++i) {
        items.push_back(text(alert_text::kFirstChannelSelection + i));
    }
    return items;
}

TextList CyclesItems(const AlertTextLookup& text) {
    TextList items = NumberItems(kFirstCycleCount, kLastCycleCount);
    items.insert(items.begin(), text(alert_text::kFirstCyclesItem));
    return items;
}

TextList NumberItems(int first, int last) {
    TextList items;
    for (int n = first; n <= last; ++n) {
        items.push_back(std::to_string(n));
    }
    return items;
}

TextList IdentityCodeItems(int idCodeType, const IdentityCodeSources& sources) {
    TextList items;
    if (idCodeType == kIdCodeDtmf) {
        const auto count = UsableCount(sources.dtmfCodeHasDigits, kAlertDtmfCodeCount);
        for (std::size_t i = 0; i < count; ++i) {
            if (sources.dtmfCodeHasDigits[i]) {
                items.push_back(DtmfCodeItem(static_cast<int>(i)));
            }
        }
    } else if (idCodeType == kIdCodeFiveTone) {
        const auto count = UsableCount(sources.fiveToneCodeInUse, kAlertFiveToneCodeCount);
        for (std::size_t j = 0; j < count; ++j) {
            if (sources.fiveToneCodeInUse[j]) {
                items.push_back(std::to_string(j));
            }
        }
        if (items.empty()) {
            items.push_back("0");
        }
    }
    return items;
}

std::optional<std::size_t> IdentityCodeSelection(const TextList& items, int idCodeType,
                                                 int idCodeNumber) {
    if (items.empty()) {
        return std::nullopt;
    }
    const std::string wanted =
        idCodeType == kIdCodeDtmf ? DtmfCodeItem(idCodeNumber) : std::to_string(idCodeNumber);
    const auto it = std::find(items.begin(), items.end(), wanted);
    return it == items.end() ? 0 : static_cast<std::size_t>(it - items.begin());
}

std::uint8_t IdCodeNumberOf(int codeTypePosition, const std::optional<std::string>& shownItem) {
    if (!shownItem || shownItem->empty()) {
        return 0;
    }
    std::int32_t number = -1;
    if (codeTypePosition == kIdCodeDtmf) {
        number = NumberOrDefault(std::string_view(*shownItem).substr(1), 0) - 1;
    } else if (codeTypePosition == kIdCodeFiveTone) {
        number = NumberOrDefault(*shownItem, -1);
    }
    // The lists only hold valid code names; anything else stores the first code.
    return number >= 0 && number <= 255 ? static_cast<std::uint8_t>(number) : 0;
}

AlertControlStates AlertEnabling(int alarmTypePosition, int channelSelectionPosition,
                                 bool loneWorkerTicked) {
    AlertControlStates states;
    states.alarmTime = alarmTypePosition == 0;
    states.identityAndTimes = !states.alarmTime;
    states.emergencyChannel = channelSelectionPosition == 0;
    states.loneWorkerTimes = loneWorkerTicked;
    return states;
}

AlertSettings AlertSettingsAsShown(const AlertSettings& stored, const ChannelTable& table,
                                   const IdentityCodeSources& sources) {
    AlertSettings result = stored;
    result.alarmType = ValueOrFirst(stored.alarmType, 0, kAlarmTypeCount - 1);
    result.idCodeType = ValueOrFirst(stored.idCodeType, 0, kIdCodeTypeCount - 1);
    // The code list follows the stored type, the type list what it can show; an unknown type
    // shows position 0 and so stores no code.
    const TextList codes = IdentityCodeItems(stored.idCodeType, sources);
    const auto selection = IdentityCodeSelection(codes, stored.idCodeType, stored.idCodeNumber);
    result.idCodeNumber =
        IdCodeNumberOf(result.idCodeType,
                       selection ? std::optional<std::string>(codes[*selection]) : std::nullopt);
    result.alarmTime = ValueOrFirst(stored.alarmTime, kAlarmSecondsFirst, kAlarmSecondsLast);
    result.txTime = ValueOrFirst(stored.txTime, kAlarmSecondsFirst, kAlarmSecondsLast);
    result.rxTime = ValueOrFirst(stored.rxTime, kAlarmSecondsFirst, kAlarmSecondsLast);
    result.channelSelection = ValueOrFirst(stored.channelSelection, 0, kChannelSelectionCount - 1);
    result.emergencyChannel =
        ChannelReferenceOf(ShownChannelNumber(table, stored.emergencyChannel));
    result.autoDetectMode = stored.autoDetectMode == 1 ? 1 : 0;
    result.preAlertTime = ValueOrFirst(stored.preAlertTime, kPreAlertFirst, kPreAlertLast);
    result.loneWorkerTime = ValueOrFirst(stored.loneWorkerTime, kLoneWorkerFirst, kLoneWorkerLast);
    return result;
}

void RepointFiveToneIdCode(AlertSettings& settings, std::span<const bool> fiveToneCodeInUse) {
    if (settings.idCodeType != kIdCodeFiveTone) {
        return;
    }
    const auto codes =
        fiveToneCodeInUse.first(UsableCount(fiveToneCodeInUse, kAlertFiveToneCodeCount));
    settings.idCodeNumber = static_cast<std::uint8_t>(
        FirstUsableEntry(codes, settings.idCodeNumber, [](bool inUse) { return inUse; }));
}

void ResolveAlertChannelRefs(AlertSettings& settings, const ChannelTable& table) {
    settings.emergencyChannel = ResolveChannelReference(table, settings.emergencyChannel);
}

} // namespace kpt740
