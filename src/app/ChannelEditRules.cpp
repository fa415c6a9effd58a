#include "app/ChannelEditRules.h"

#include "config/Configuration.h"
#include "core/ChannelTable.h"
#include "core/Encodings.h"
#include "core/Identity.h"
#include "features/alert/AlertRules.h"
#include "features/scan/ScanRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kpt740 {

namespace {

constexpr int kSquelchCarrier = 0;
constexpr int kSquelchTone = 1;
constexpr int kSquelchSignalling = 2;
constexpr int kSquelchToneAndSignalling = 3;
constexpr int kSquelchToneOrSignalling = 4;
// The extra display value the list never offers.
constexpr int kSkippedExtraDisplay = 3;

std::int16_t Member(int value) {
    return static_cast<std::int16_t>(value);
}

// A list that selects nothing (-1) stores 0.
std::int16_t PositionMember(int position) {
    return Member(std::max(position, 0));
}

std::int16_t Flag(bool checked) {
    return checked ? 1 : 0;
}

long long TenHertzUnits(std::string_view mhzText) {
    return std::llround(NumericValue(mhzText) * 100000.0);
}

} // namespace

std::vector<int> OfferedSquelchModes(int decodeToneType, int encodeToneType, bool reverse,
                                     int signalling) {
    const bool tone = (reverse ? encodeToneType : decodeToneType) != 0;
    const bool system = signalling != 0;
    if (tone && system) {
        return {kSquelchCarrier, kSquelchTone, kSquelchSignalling, kSquelchToneAndSignalling,
                kSquelchToneOrSignalling};
    }
    if (tone) {
        return {kSquelchCarrier, kSquelchTone};
    }
    if (system) {
        return {kSquelchCarrier, kSquelchSignalling};
    }
    return {kSquelchCarrier};
}

int ExtraDisplayValue(int position) {
    return position >= kSkippedExtraDisplay ? position + 1 : std::max(position, 0);
}

int ExtraDisplayPosition(int value) {
    if (value >= 0 && value < kSkippedExtraDisplay) {
        return value;
    }
    if (value > kSkippedExtraDisplay && value <= kExtraDisplayItems) {
        return value - 1;
    }
    return 0;
}

int SignallingOfText(std::string_view text) {
    if (text == "DTMF") {
        return 1;
    }
    if (text == "2Tone") {
        return 2;
    }
    if (text == "5Tone") {
        return 3;
    }
    return 0;
}

int PositionOrFirst(int value, int count) {
    return value >= 0 && value < count ? value : 0;
}

std::string TransmitTextOf(std::string_view rxDisplay, std::string_view offsetDisplay,
                           int shiftDirection) {
    if (rxDisplay.empty() || (shiftDirection != 1 && shiftDirection != 2)) {
        return std::string(rxDisplay);
    }
    const long long rx = TenHertzUnits(rxDisplay);
    const long long offset = TenHertzUnits(offsetDisplay);
    const long long tx = shiftDirection == 1 ? rx - offset : rx + offset;
    const std::string text = FormatFixed(static_cast<double>(std::llabs(tx)) / 100000.0, 0, 5);
    return tx < 0 ? "-" + text : text;
}

std::string PaddedPttIdCode(std::string_view code) {
    std::string padded(code);
    if (padded.size() < static_cast<std::size_t>(kPttIdCodeLength)) {
        padded.resize(static_cast<std::size_t>(kPttIdCodeLength), '0');
    }
    return padded;
}

std::string NameOfBoxes(const std::array<std::string, kChannelNameBoxes>& boxes) {
    std::string name;
    for (const std::string& box : boxes) {
        name += box.empty() ? std::string(" ") : box.substr(0, 1);
    }
    return name;
}

void StoreChannelEntries(ChannelEntries& entries, ChannelRecord& record, const Identity& identity,
                         MessageSink& sink) {
    record.StepIndex = PositionMember(entries.stepPosition);
    record.InUse = 1;

    entries.rxText = FormatRxEntry(entries.rxText, identity, sink);
    record.RxFrequency = EntryToFrequencyText(entries.rxText);

    record.Name = NameOfBoxes(entries.nameBoxes);

    // The transmit box is the master of shift and offset. An empty transmit box means "no
    // transmit frequency typed": it is not checked (which would put the transmit frequency at
    // the band's lower limit with a warning); the offset is then cleared.
    if (!entries.txText.empty()) {
        entries.txText = FormatTxEntry(entries.txText, identity, sink);
    }
    if (!entries.rxText.empty() && !entries.txText.empty()) {
        const long long rx = TenHertzUnits(entries.rxText);
        const long long tx = TenHertzUnits(entries.txText);
        entries.shiftPosition = rx == tx ? 0 : rx > tx ? 1 : 2;
        entries.offsetText = FormatFixed(static_cast<double>(std::llabs(tx - rx)) / 100000.0, 1, 5);
    } else {
        entries.offsetText.clear();
    }
    record.ShiftDirection = PositionMember(entries.shiftPosition);
    record.Offset = EntryToFrequencyText(OffsetFromEntries(entries.offsetText, entries.rxText,
                                                           entries.shiftPosition, identity, sink));

    record.Bandwidth = PositionMember(entries.bandwidthPosition);
    record.TxPower = PositionMember(entries.powerPosition);
    record.DecodeToneType = PositionMember(entries.decodeToneTypePosition);
    record.EncodeToneType = PositionMember(entries.encodeToneTypePosition);
    record.Scrambler = PositionMember(entries.scramblerPosition);
    record.DtmfPttId = PositionMember(entries.dtmfPttIdPosition);
    record.FiveTonePttId = PositionMember(entries.fiveTonePttIdPosition);
    record.BusyLock = PositionMember(entries.busyLockPosition);
    record.SquelchMode = PositionMember(entries.squelchMode);
    record.ExtraDisplay = Member(ExtraDisplayValue(entries.extraDisplayPosition));

    record.Signalling = Member(SignallingOfText(entries.signallingText));

    record.DecodeToneCtcss = PositionMember(entries.decodeCtcssPosition);
    record.EncodeToneCtcss = PositionMember(entries.encodeCtcssPosition);
    record.DecodeToneDcs = PositionMember(entries.decodeDcsPosition);
    record.EncodeToneDcs = PositionMember(entries.encodeDcsPosition);
    record.DtmfCode = PositionMember(entries.dtmfCodePosition);
    record.TwoToneEntry = Member(NumberOrDefault(entries.twoToneItem, 0));
    record.FiveToneEntry = Member(NumberOrDefault(entries.fiveToneItem, 0));

    record.TxInhibit = Flag(entries.txInhibit);
    record.DecodeToneInverted = Flag(entries.decodeToneInverted);
    record.EncodeToneInverted = Flag(entries.encodeToneInverted);
    record.Reverse = Flag(entries.reverse);
    record.Talkaround = Flag(entries.talkaround);
    record.Compander = Flag(entries.compander);
    record.ScanSkip = Flag(entries.scanSkip);
    record.PttIdDecode = Flag(entries.pttIdDecode);
    // Stored on every save, not only for a new channel: what the dialog shows is what OK keeps.
    record.PttIdFlag = Flag(entries.pttIdFlag);

    record.PttIdCode = entries.pttIdCode;
}

ChannelOkOutcome ApplyChannelEntries(ChannelEntries& entries, int position,
                                     Configuration& configuration, const Identity& identity,
                                     MessageSink& sink) {
    entries.pttIdCode = PaddedPttIdCode(entries.pttIdCode);
    ChannelTable& table = configuration.Channels;

    ChannelOkOutcome outcome = ChannelOkOutcome::Deleted;
    if (entries.rxText.empty() || !IsNumeric(entries.rxText)) {
        if (position == kPositionVfo) {
            sink.show(VfoCannotBeEmptyMessage());
            return ChannelOkOutcome::VfoCannotBeEmpty;
        }
        if (!table.ChannelExists(position)) {
            outcome = ChannelOkOutcome::NothingToDelete;
        }
        table.DeleteChannel(position);
    } else {
        const ChannelRecord* existing = table.find(position);
        const bool modify = existing != nullptr;
        ChannelRecord record = modify ? *existing : BlankChannel(position);
        // The checks below may show messages; the table is looked up again afterwards.
        StoreChannelEntries(entries, record, identity, sink);
        if (modify) {
            ChannelRecord* target = table.find(position);
            if (target == nullptr) {
                sink.show(NoFindDataMessage());
                return ChannelOkOutcome::NotFound;
            }
            *target = record;
            outcome = ChannelOkOutcome::Modified;
        } else {
            if (!table.put(record)) {
                sink.show(NoFindDataMessage());
                return ChannelOkOutcome::NotFound;
            }
            outcome = ChannelOkOutcome::Added;
        }
    }
    // A deleted channel may still be named by the scan's priority channels and by the alert's
    // emergency channel; both would otherwise be written to the radio pointing at nothing.
    ResolveScanChannelRefs(configuration.Scan, table);
    ResolveAlertChannelRefs(configuration.Alert, table);
    return outcome;
}

} // namespace kpt740
