#include "config/Configuration.h"

namespace kpt740 {

Configuration DefaultConfiguration(std::int16_t bandCode, const BandLimits& limits) {
    Configuration c;
    c.BandCode = bandCode;
    c.Dtmf = DefaultDtmfSettings();
    c.TwoTone = DefaultTwoToneSettings();
    c.FiveTone = DefaultFiveToneSettings();
    c.Option = DefaultOptionSettings();
    c.Scan = DefaultScanSettings();
    c.Alert = DefaultAlertSettings();
    c.Book = DefaultCommBook();
    c.decodeTime = kDefaultDecodeTime;
    c.Channels.Slots[0] = DefaultVfoRecord(limits);
    c.Channels.Count = 1;
    return c;
}

void RevalidateSignallingRefs(Configuration& configuration) {
    for (auto& channel : configuration.Channels.used()) {
        if (channel.Signalling == 2) {
            channel.TwoToneEntry = static_cast<std::int16_t>(FirstUsableEntry(
                configuration.TwoTone.codes, channel.TwoToneEntry, TwoToneEntryInUse));
        } else if (channel.Signalling == 3) {
            channel.FiveToneEntry = static_cast<std::int16_t>(FirstUsableEntry(
                configuration.FiveTone.codes, channel.FiveToneEntry, FiveToneCodeInUse));
        }
    }
}

bool IsModified(const Configuration& working, const Configuration& saved,
                std::int16_t currentBandCode) {
    if (currentBandCode != saved.BandCode || working.Channels.Count != saved.Channels.Count ||
        working.decodeTime != saved.decodeTime) {
        return true;
    }
    for (const auto& savedChannel : saved.Channels.used()) {
        const ChannelRecord* channel = working.Channels.find(savedChannel.Position);
        if (channel == nullptr || !SameMembers(*channel, savedChannel)) {
            return true;
        }
    }
    return !(SameDtmfSettings(working.Dtmf, saved.Dtmf) &&
             SameTwoToneSettings(working.TwoTone, saved.TwoTone) &&
             SameFiveToneSettings(working.FiveTone, saved.FiveTone) &&
             SameOptionSettings(working.Option, saved.Option) &&
             SameCommBook(working.Book, saved.Book) && SameScanSettings(working.Scan, saved.Scan) &&
             SameAlertSettings(working.Alert, saved.Alert));
}

} // namespace kpt740
