#include "core/ChannelCodec.h"
#include "core/Identity.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace kpt740 {
namespace {

ChannelTable FullTable() {
    ChannelTable table;
    for (int p = 1; p <= kChannelSlots; ++p) {
        ChannelRecord r = BlankChannel(p);
        r.InUse = 1;
        char rx[16];
        std::snprintf(rx, sizeof rx, "%09d", 40000000 + p * 1250);
        r.RxFrequency = std::string(rx);
        r.Offset = "000500000";
        r.Name = "CH" + std::to_string(p);
        r.EncodeToneDcs = static_cast<std::int16_t>(p * 2);
        r.ShiftDirection = static_cast<std::int16_t>(p % 3);
        r.PttIdCode = "1A2F9";
        table.append(r);
    }
    return table;
}

void EncodeFullChannelTable(benchmark::State& state) {
    ChannelTable table = FullTable();
    RadioImage image;
    NullMessageSink sink;
    for (auto _ : state) {
        BlankImage(image);
        EncodeContext context(sink);
        SetCommDataByFrequency(table, image, context);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(EncodeFullChannelTable);

void DecodeFullChannelTable(benchmark::State& state) {
    ChannelTable table = FullTable();
    RadioImage image;
    BlankImage(image);
    NullMessageSink sink;
    EncodeContext context(sink);
    SetCommDataByFrequency(table, image, context);
    const ChannelRecord vfo = DefaultVfoRecord(Identity{}.Limits);
    for (auto _ : state) {
        ChannelTable decoded;
        decoded.Slots[0] = vfo;
        DecodeChannels(image, decoded);
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(DecodeFullChannelTable);

} // namespace
} // namespace kpt740
