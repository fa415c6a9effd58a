#pragma once

#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/dtmf/DtmfSettings.h"

namespace kpt740 {

// Writes the DTMF block, the PTT-ID codes and the codes M1-M16 into the image. `ani` and
// `sendTime` belong to the option encoder; `pttIdMode` never reaches the radio.
void SetCommDataByDTMF(const DtmfSettings& record, RadioImage& image, EncodeContext& context);

// Reads the same bytes back into `record`; `ani`, `sendTime` and `pttIdMode` keep their values.
void GetCommDataByDTMF(const RadioImage& image, DtmfSettings& record);

} // namespace kpt740
