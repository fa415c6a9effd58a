#pragma once

#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/dtmf/DtmfSettings.h"
#include "features/option/OptionSettings.h"

namespace kpt740 {

// Writes the option bytes, the welcome text and the power-on password. Two members of the
// DTMF record travel in the same block and are written here: `ani` (a bit of the switch byte)
// and `sendTime` (a byte of its own); nothing else of `dtmf` is used.
void SetCommDataByOption(const OptionSettings& settings, const DtmfSettings& dtmf,
                         RadioImage& image, EncodeContext& context);

// Reads the option block into the record and into `dtmf.ani` and `dtmf.sendTime`; every other
// DTMF member, and the option members the radio does not hold (setting1706, setting1708,
// setting1715), keep their values.
void GetCommDataByOption(const RadioImage& image, OptionSettings& settings, DtmfSettings& dtmf);

} // namespace kpt740
