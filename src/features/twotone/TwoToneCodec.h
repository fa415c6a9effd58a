#pragma once

#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/twotone/TwoToneSettings.h"

namespace kpt740 {

// Writes the 2-Tone header, entry bitmap and the 32 entries into the image.
void SetCommDataBy2Tone(const TwoToneSettings& settings, RadioImage& image, EncodeContext& context);

// Reads the three 2-Tone areas; every member of the record is replaced.
void GetCommDataBy2Tone(const RadioImage& image, TwoToneSettings& settings);

} // namespace kpt740
