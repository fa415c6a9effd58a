#pragma once

#include "core/FixedText.h"

#include <cstdint>

namespace kpt740 {

// Channel positions: 1-200 memory channels (shown "0"-"199"), then PA, PB and the VFO.
inline constexpr int kFirstMemoryPosition = 1;
inline constexpr int kLastMemoryPosition = 200;
inline constexpr int kPositionPA = 201;
inline constexpr int kPositionPB = 202;
inline constexpr int kPositionVfo = 203;
inline constexpr int kChannelSlots = 203;

// One channel as the program holds it and as the channel file stores it (108 bytes).
struct ChannelRecord {
    std::int16_t Position = 0;
    std::int16_t InUse = 0;
    std::int16_t ScanSkip = 0;
    FixedText<9> RxFrequency;
    FixedText<9> Offset;
    FixedText<7> Name;
    std::int16_t StepIndex = 0;
    std::int16_t TxInhibit = 0;
    std::int16_t Bandwidth = 0;
    std::int16_t EncodeToneInverted = 0;
    std::int16_t EncodeToneHighBit = 0;
    std::int16_t SignallingRelation = 0;
    std::int16_t Reserved13 = 0;
    std::int16_t Reserved14 = 0;
    std::int16_t ShiftDirection = 0;
    std::int16_t TxPower = 0;
    std::int16_t Talkaround = 0;
    std::int16_t DecodeToneInverted = 0;
    std::int16_t DecodeToneHighBit = 0;
    std::int16_t Compander = 0;
    std::int16_t Reserved21 = 0;
    std::int16_t EncodeToneType = 0;
    std::int16_t DecodeToneType = 0;
    std::int16_t EncodeToneCtcss = 0;
    std::int16_t DecodeToneCtcss = 0;
    std::int16_t EncodeToneDcs = 0;
    std::int16_t DecodeToneDcs = 0;
    std::int16_t Signalling = 0;
    std::int16_t Reserved29 = 0;
    std::int16_t TwoToneEntry = 0;
    std::int16_t FiveToneEntry = 0;
    std::int16_t PttIdFlag = 0;
    std::int16_t Reverse = 0;
    std::int16_t Scrambler = 0;
    std::int16_t DtmfPttId = 0;
    std::int16_t FiveTonePttId = 0;
    std::int16_t SquelchMode = 0;
    std::int16_t DtmfCode = 0;
    std::int16_t ExtraDisplay = 0;
    std::int16_t BusyLock = 0;
    std::int16_t SpareByte = 0;
    std::int16_t PttIdDecode = 0;
    FixedText<5> PttIdCode;

    template <class Self, class Visitor> static constexpr void forEachMember(Self& s, Visitor&& v) {
        v(s.Position);
        v(s.InUse);
        v(s.ScanSkip);
        v(s.RxFrequency);
        v(s.Offset);
        v(s.Name);
        v(s.StepIndex);
        v(s.TxInhibit);
        v(s.Bandwidth);
        v(s.EncodeToneInverted);
        v(s.EncodeToneHighBit);
        v(s.SignallingRelation);
        v(s.Reserved13);
        v(s.Reserved14);
        v(s.ShiftDirection);
        v(s.TxPower);
        v(s.Talkaround);
        v(s.DecodeToneInverted);
        v(s.DecodeToneHighBit);
        v(s.Compander);
        v(s.Reserved21);
        v(s.EncodeToneType);
        v(s.DecodeToneType);
        v(s.EncodeToneCtcss);
        v(s.DecodeToneCtcss);
        v(s.EncodeToneDcs);
        v(s.DecodeToneDcs);
        v(s.Signalling);
        v(s.Reserved29);
        v(s.TwoToneEntry);
        v(s.FiveToneEntry);
        v(s.PttIdFlag);
        v(s.Reverse);
        v(s.Scrambler);
        v(s.DtmfPttId);
        v(s.FiveTonePttId);
        v(s.SquelchMode);
        v(s.DtmfCode);
        v(s.ExtraDisplay);
        v(s.BusyLock);
        v(s.SpareByte);
        v(s.PttIdDecode);
        v(s.PttIdCode);
    }
};

struct BandLimits;

// A record for a position that holds no channel.
ChannelRecord BlankChannel(int position);
// The VFO of a new configuration: in use, scan-skipped, at the middle of the receive band.
ChannelRecord DefaultVfoRecord(const BandLimits& limits);

} // namespace kpt740
