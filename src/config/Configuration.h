#pragma once

#include "core/ChannelTable.h"
#include "core/StoredRecord.h"
#include "features/alert/AlertSettings.h"
#include "features/commbook/CommBook.h"
#include "features/dtmf/DtmfSettings.h"
#include "features/fivetone/FiveToneSettings.h"
#include "features/option/OptionSettings.h"
#include "features/scan/ScanSettings.h"
#include "features/twotone/TwoToneSettings.h"

#include <cstdint>

namespace kpt740 {

inline constexpr std::size_t kDataFileRecordSize = 8586;

// Everything one radio configuration holds: the feature records in their stored order and the
// channel table. The data file stores the records with the channel count in its place; the
// channel slots go to the companion channel file.
struct Configuration {
    std::int16_t BandCode = 0;
    DtmfSettings Dtmf;
    TwoToneSettings TwoTone;
    FiveToneSettings FiveTone;
    OptionSettings Option;
    ScanSettings Scan;
    AlertSettings Alert;
    ChannelTable Channels;
    CommBook Book{};
    std::uint8_t decodeTime = 0;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.BandCode);
        v(s.Dtmf);
        v(s.TwoTone);
        v(s.FiveTone);
        v(s.Option);
        v(s.Scan);
        v(s.Alert);
        v(s.Channels.Count);
        v(s.Book);
        v(s.decodeTime);
    }
};

// Every record at its defaults, in the order a new configuration sets them, and the table
// holding only the default VFO for the given band.
Configuration DefaultConfiguration(std::int16_t bandCode, const BandLimits& limits);

// After the 2-Tone or 5-Tone system changed: channels that name an entry no longer in use are
// pointed at the first usable one.
void RevalidateSignallingRefs(Configuration& configuration);

// Change detection between the working configuration and the saved one; `currentBandCode` is
// the band the program works in now.
bool IsModified(const Configuration& working, const Configuration& saved,
                std::int16_t currentBandCode);

} // namespace kpt740
