#pragma once

#include "config/Configuration.h"
#include "core/EmbeddedInfo.h"
#include "core/Messages.h"
#include "core/RadioImage.h"

namespace kpt740 {

// Runs every encoder on an image that already has its blank fill: scan, alert and channels
// always, then optional features, 5-Tone, 2-Tone, DTMF and the book while the encode-ok flag
// stays set. The caller sends the image only if context.ok() afterwards.
void EncodeAll(Configuration& configuration, RadioImage& image, EncodeContext& context);

// Runs every decoder in its fixed order. The caller resets `configuration` to a new
// configuration first (the channel decoder starts from the slots it finds).
void DecodeAll(const RadioImage& image, Configuration& configuration, EmbeddedInfo& info);

} // namespace kpt740
