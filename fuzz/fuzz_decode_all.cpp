// Any 16,384 bytes from a radio decode into a configuration without fault, and whatever that
// configuration holds either encodes or is refused with the encoder's message.
#include "config/ConfigurationCodec.h"
#include "files/Workspace.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kpt740;
    if (size < 1) {
        return 0;
    }
    RadioImage image;
    const std::size_t n = size - 1 < RadioImage::kSize ? size - 1 : RadioImage::kSize;
    image.write(0, std::span<const std::uint8_t>(data + 1, n));
    static Workspace workspace;
    const int band = SanitizeRadioBandCode(data[0]);
    workspace.TakeFromRadio(image, band, BandTextOfCode(band));
    RadioImage out;
    BlankImage(out);
    NullMessageSink sink;
    EncodeContext context(sink);
    EncodeAll(workspace.working, out, context);
    return 0;
}
