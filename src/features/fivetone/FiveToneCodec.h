#pragma once

#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/fivetone/FiveToneSettings.h"

#include <cstdint>

namespace kpt740 {

// Encodes the 5-Tone system and the decode time into the blank image. A digit that is not
// hexadecimal, an own ID that is not decimal or too short, a 16-bit field outside 0-255 or a
// PTT-ID code longer than its 24 digits stops it with "SetCommDataBy5ToneError"; bytes written
// before the failure stay.
void SetCommDataBy5Tone(const FiveToneSettings& record, std::uint8_t decodeTime, RadioImage& image,
                        EncodeContext& context);

// Fills the record and the decode time from the image. The PTT-ID codes keep their isEmpty and
// name, the list codes their spareByte; every other member is replaced. Never fails.
void GetCommDataBy5Tone(const RadioImage& image, FiveToneSettings& record,
                        std::uint8_t& decodeTime);

} // namespace kpt740
