#include "link/LinkFrames.h"

#include "core/Identity.h"

namespace kpt740 {
namespace frame {
namespace {

std::uint8_t High(std::size_t address) {
    return static_cast<std::uint8_t>((address >> 8) & 0xFF);
}
std::uint8_t Low(std::size_t address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

} // namespace

Bytes Handshake() {
    return {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
}

Bytes HandshakeReply() {
    return {'V', 'Q', kAck};
}

Bytes Identify() {
    return {kIdentify};
}

Bytes End() {
    return {'E', 'N', 'D'};
}

Bytes ReadRequest(std::size_t address) {
    return {kReadCommand, High(address), Low(address), kBlockLength};
}

Bytes DataFrame(std::size_t address, std::span<const std::uint8_t> data) {
    Bytes out(kDataFrameLength, 0);
    out[0] = kDataFrameMark;
    out[kFrameAddressHigh] = High(address);
    out[kFrameAddressLow] = Low(address);
    out[kFrameLength] = kBlockLength;
    for (std::size_t i = 0; i < kBlockLength && i < data.size(); ++i) {
        out[kFrameData + i] = data[i];
    }
    out[kFrameChecksum] = Checksum(out);
    out[kFrameEnd] = kAck;
    return out;
}

Bytes DataFrame(const RadioImage& image, std::size_t address) {
    return DataFrame(address, image.view(address, kBlockLength));
}

std::uint8_t Checksum(std::span<const std::uint8_t> frame) {
    unsigned sum = 0;
    for (std::size_t i = kFrameAddressHigh; i < kFrameChecksum && i < frame.size(); ++i) {
        sum += frame[i];
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::optional<std::array<std::uint8_t, kBlockLength>>
DataOfFrame(std::span<const std::uint8_t> reply, std::size_t address) {
    // The leading "W" is not examined: the acceptance rule names address, length, checksum and
    // the closing acknowledge only.
    if (reply.size() != kDataFrameLength || reply[kFrameAddressHigh] != High(address) ||
        reply[kFrameAddressLow] != Low(address) || reply[kFrameLength] != kBlockLength ||
        reply[kFrameEnd] != kAck || reply[kFrameChecksum] != Checksum(reply)) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kBlockLength> data{};
    for (std::size_t i = 0; i < kBlockLength; ++i) {
        data[i] = reply[kFrameData + i];
    }
    return data;
}

} // namespace frame

std::optional<RadioIdentity> ParseIdentityReply(std::span<const std::uint8_t> reply) {
    using namespace frame;
    if (reply.size() != kIdentityReplyLength || reply[0] != kIdentityMark ||
        reply[kIdentityEnd] != kAck) {
        return std::nullopt;
    }
    RadioIdentity identity;
    for (std::size_t i = 0; i < kIdentityModelLength; ++i) {
        const std::uint8_t b = reply[kIdentityModel + i];
        if (b == 0xFF || b == 0x00) {
            break;
        }
        identity.ModelText.push_back(static_cast<char>(b));
    }
    identity.BandCode = static_cast<std::int16_t>(SanitizeRadioBandCode(reply[kIdentityBand]));
    identity.BandText = BandTextOfCode(identity.BandCode);
    for (std::size_t i = 0; i < kIdentityVersionLength; ++i) {
        const std::uint8_t b = reply[kIdentityVersion + i];
        if (b != 0xFF && b != 0x00) {
            identity.FirmwareVersion.push_back(static_cast<char>(b));
        }
    }
    identity.RadioKilled = (reply[kIdentityStatus] & kStatusKilled) != 0;
    identity.RadioStunned = (reply[kIdentityStatus] & kStatusStunned) != 0;
    return identity;
}

Bytes IdentityReply(std::string_view model, std::uint8_t bandByte, std::string_view version,
                    bool killed, bool stunned) {
    using namespace frame;
    Bytes out(kIdentityReplyLength, 0xFF);
    out[0] = kIdentityMark;
    for (std::size_t i = 0; i < kIdentityModelLength && i < model.size(); ++i) {
        out[kIdentityModel + i] = static_cast<std::uint8_t>(model[i]);
    }
    out[kIdentityBand] = bandByte;
    for (std::size_t i = 0; i < kIdentityVersionLength && i < version.size(); ++i) {
        out[kIdentityVersion + i] = static_cast<std::uint8_t>(version[i]);
    }
    out[kIdentityVersion + kIdentityVersionLength] = 0; // feature bits
    out[kIdentityStatus] =
        static_cast<std::uint8_t>((killed ? kStatusKilled : 0) | (stunned ? kStatusStunned : 0));
    out[kIdentityEnd] = kAck;
    return out;
}

int ProgressPercent(std::size_t currentAddress, std::size_t startAddress, std::size_t endAddress) {
    if (currentAddress <= startAddress || endAddress < startAddress) {
        return 0;
    }
    const std::size_t numerator = (currentAddress - startAddress) * 100;
    const std::size_t denominator = endAddress - startAddress + frame::kBlockLength;
    std::size_t quotient = numerator / denominator;
    const std::size_t twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 == 1)) {
        ++quotient;
    }
    return static_cast<int>(quotient);
}

} // namespace kpt740
