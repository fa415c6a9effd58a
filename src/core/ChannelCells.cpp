#include "core/ChannelCells.h"

#include "core/Encodings.h"

namespace kpt740 {

namespace {

std::string ToneCell(std::int16_t type, std::int16_t ctcss, std::int16_t dcs, std::int16_t inverted,
                     const OtherTextLookup& text) {
    if (type == 1) {
        const auto index = ctcss >= 0 && ctcss < static_cast<int>(kCtcssCount) ? ctcss : 0;
        return std::string(CtcssTable()[static_cast<std::size_t>(index)]);
    }
    if (type == 2) {
        return DcsDisplay(dcs >= 0 && dcs < kDcsCodeCount ? dcs : 0, inverted >= 1);
    }
    return text(1206);
}

} // namespace

ChannelCells ChannelRowCells(const ChannelRecord& r, const std::vector<std::string>& steps,
                             double rxLower, const OtherTextLookup& text, MessageSink& sink) {
    ChannelCells cells;
    cells[0] = FrequencyToDisplay(r.RxFrequency.raw(), rxLower, sink);
    if (r.ShiftDirection == 1 || r.ShiftDirection == 2) {
        const double offset = NumericValue(OffsetToDisplay(r.Offset.raw(), sink));
        const double rx = NumericValue(cells[0]);
        cells[1] = FormatFixed(r.ShiftDirection == 1 ? rx - offset : rx + offset, 0, 5);
    } else {
        cells[1] = cells[0];
    }
    cells[2] = r.Name.value();
    cells[3] = r.StepIndex >= 0 && static_cast<std::size_t>(r.StepIndex) < steps.size()
                   ? steps[static_cast<std::size_t>(r.StepIndex)]
                   : std::string{};
    cells[4] = r.Bandwidth == 0 ? "25K" : r.Bandwidth == 2 ? "12.5K" : "20K";
    cells[5] = text(r.SignallingRelation == 1 ? 1203 : 1202);
    cells[6] = text(r.TxPower == 1 ? 1221 : r.TxPower == 2 ? 1205 : 1204);
    cells[7] =
        ToneCell(r.DecodeToneType, r.DecodeToneCtcss, r.DecodeToneDcs, r.DecodeToneInverted, text);
    cells[8] =
        ToneCell(r.EncodeToneType, r.EncodeToneCtcss, r.EncodeToneDcs, r.EncodeToneInverted, text);
    switch (r.Signalling) {
    case 1:
        cells[9] = "DTMF M" + std::to_string(r.DtmfCode + 1);
        break;
    case 2:
        cells[9] = "2tone " + std::to_string(r.TwoToneEntry);
        break;
    case 3:
        cells[9] = "5tone " + std::to_string(r.FiveToneEntry);
        break;
    default:
        cells[9] = text(1206);
    }
    return cells;
}

std::string ChannelLabel(int position) {
    switch (position) {
    case kPositionPA:
        return "PA";
    case kPositionPB:
        return "PB";
    case kPositionVfo:
        return "VFO";
    default:
        return std::to_string(position - 1);
    }
}

} // namespace kpt740
