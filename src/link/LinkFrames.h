#pragma once

#include "core/RadioImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

using Bytes = std::vector<std::uint8_t>;

// The bytes of the conversation with the radio: what the program sends, what the radio answers
// (after the cable's echo of the request), and how an answer is recognised.
namespace frame {

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kSendAgain = 0x0A;
inline constexpr std::uint8_t kIdentify = 0x02;
inline constexpr std::uint8_t kReadCommand = 0x52;   // "R"
inline constexpr std::uint8_t kDataFrameMark = 0x57; // "W"
inline constexpr std::uint8_t kIdentityMark = 0x49;  // "I"
inline constexpr std::uint8_t kBlockLength = 16;

inline constexpr std::size_t kHandshakeReplyLength = 3;
inline constexpr std::size_t kIdentityReplyLength = 16;
inline constexpr std::size_t kDataFrameLength = 22;
inline constexpr std::size_t kAckReplyLength = 1;
inline constexpr std::size_t kReadRequestLength = 4;

// Offsets inside a data frame.
inline constexpr std::size_t kFrameAddressHigh = 1;
inline constexpr std::size_t kFrameAddressLow = 2;
inline constexpr std::size_t kFrameLength = 3;
inline constexpr std::size_t kFrameData = 4;
inline constexpr std::size_t kFrameChecksum = 20;
inline constexpr std::size_t kFrameEnd = 21;

// Offsets inside the identification reply.
inline constexpr std::size_t kIdentityModel = 1;
inline constexpr std::size_t kIdentityModelLength = 7;
inline constexpr std::size_t kIdentityBand = 8;
inline constexpr std::size_t kIdentityVersion = 9;
inline constexpr std::size_t kIdentityVersionLength = 4;
inline constexpr std::size_t kIdentityStatus = 14;
inline constexpr std::size_t kIdentityEnd = 15;
inline constexpr std::uint8_t kStatusKilled = 0x01;
inline constexpr std::uint8_t kStatusStunned = 0x02;

Bytes Handshake();
Bytes HandshakeReply();
Bytes Identify();
Bytes End();
Bytes ReadRequest(std::size_t address);
// The data frame of the 16 image bytes from `address`.
Bytes DataFrame(const RadioImage& image, std::size_t address);
Bytes DataFrame(std::size_t address, std::span<const std::uint8_t> data);

// Sum of address, length and data bytes (offsets 1..19), modulo 256.
std::uint8_t Checksum(std::span<const std::uint8_t> frame);

// The 16 data bytes of a reply that is exactly a valid data frame for `address`: length 22,
// that address, length byte 16, checksum right, ending in the acknowledge byte.
std::optional<std::array<std::uint8_t, kBlockLength>>
DataOfFrame(std::span<const std::uint8_t> reply, std::size_t address);

} // namespace frame

// The only radio the program talks to, and the firmware it knows.
inline constexpr std::string_view kRadioModelText = "VQ-351";
inline constexpr std::string_view kRadioFirmwareVersion = "V100";

// What the radio told about itself in its identification reply.
struct RadioIdentity {
    std::string ModelText;
    std::int16_t BandCode = 0; // already sanitised
    std::string BandText;
    std::string FirmwareVersion;
    bool RadioKilled = false;
    bool RadioStunned = false;
    bool operator==(const RadioIdentity&) const = default;
};

// The identification reply's fields; no value unless the reply is 16 bytes with "I" first and
// the acknowledge byte last.
std::optional<RadioIdentity> ParseIdentityReply(std::span<const std::uint8_t> reply);
// The 16-byte reply a radio with these properties sends (raw band byte as given).
Bytes IdentityReply(std::string_view model, std::uint8_t bandByte, std::string_view version,
                    bool killed, bool stunned);

// Percent of a transfer done when `currentAddress` is about to be sent or requested, rounded to
// the nearest integer with halves to even.
int ProgressPercent(std::size_t currentAddress, std::size_t startAddress, std::size_t endAddress);

} // namespace kpt740
