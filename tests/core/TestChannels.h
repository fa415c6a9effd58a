#pragma once

#include "core/ChannelRecord.h"

#include <cstdio>
#include <string>

namespace kpt740::test {

// A present, scanned memory channel with every member the radio stores set to a distinct value.
inline ChannelRecord RichChannel(int position, int seed = 0) {
    ChannelRecord r = BlankChannel(position);
    auto v = [seed](int base, int modulo) {
        return static_cast<std::int16_t>((base + seed) % modulo);
    };
    r.InUse = 1;
    r.ScanSkip = v(0, 2);
    char rx[16];
    std::snprintf(rx, sizeof rx, "%09d", 40000000 + (seed % 7000) * 1250);
    r.RxFrequency = std::string(rx);
    r.Offset = "000500000";
    r.Name = std::string("CH") + std::to_string(position % 1000);
    r.StepIndex = v(3, 9);
    r.TxInhibit = v(1, 2);
    r.Bandwidth = v(2, 3);
    r.EncodeToneInverted = v(1, 2);
    r.ShiftDirection = v(1, 3);
    r.TxPower = v(2, 3);
    r.Talkaround = v(1, 2);
    r.DecodeToneInverted = v(0, 2);
    r.Compander = v(1, 2);
    r.EncodeToneType = v(2, 3);
    r.DecodeToneType = v(1, 3);
    r.EncodeToneCtcss = v(7, 51);
    r.DecodeToneCtcss = v(33, 51);
    r.EncodeToneDcs = v(300, 512);
    r.DecodeToneDcs = v(19, 512);
    r.Signalling = v(2, 4);
    r.TwoToneEntry = v(5, 32);
    r.FiveToneEntry = v(42, 100);
    r.Reverse = v(0, 2);
    r.Scrambler = v(1, 2);
    r.DtmfPttId = v(3, 4);
    r.FiveTonePttId = v(2, 4);
    r.SquelchMode = v(4, 5);
    r.DtmfCode = v(9, 16);
    r.BusyLock = v(2, 3);
    r.SpareByte = v(77, 256);
    r.PttIdDecode = v(1, 2);
    r.PttIdCode = position <= 200 ? "1A2F9" : "00000";
    return r;
}

} // namespace kpt740::test
