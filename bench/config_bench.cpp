#include "config/ConfigurationCodec.h"
#include "files/Workspace.h"

#include <benchmark/benchmark.h>
#include <random>

namespace kpt740 {
namespace {

// A configuration with every feature populated: decoded from an image of small random values
// with every channel present.
Configuration RichConfiguration() {
    RadioImage image;
    std::mt19937 random(7);
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        image.set(a, static_cast<std::uint8_t>(random() % 10));
    }
    image.fill(256, 313, 0x00);
    Workspace workspace;
    workspace.TakeFromRadio(image, 49, BandTextOfCode(49));
    return workspace.working;
}

void EncodeAllFull(benchmark::State& state) {
    Configuration c = RichConfiguration();
    RadioImage image;
    NullMessageSink sink;
    for (auto _ : state) {
        BlankImage(image);
        EncodeContext context(sink);
        EncodeAll(c, image, context);
        if (!context.ok()) {
            state.SkipWithError("the configuration did not encode");
            break;
        }
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(EncodeAllFull);

void DecodeAllFull(benchmark::State& state) {
    Configuration c = RichConfiguration();
    RadioImage image;
    BlankImage(image);
    NullMessageSink sink;
    EncodeContext context(sink);
    EncodeAll(c, image, context);
    const Identity identity;
    const Configuration fresh = DefaultConfiguration(identity.BandCode, identity.Limits);
    EmbeddedInfo info;
    for (auto _ : state) {
        Configuration decoded = fresh;
        decoded.Channels.Count = 0;
        DecodeAll(image, decoded, info);
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(DecodeAllFull);

} // namespace
} // namespace kpt740
