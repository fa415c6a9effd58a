#pragma once

#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/alert/AlertSettings.h"

namespace kpt740 {

// Writes the alert block (928-940, byte 935 left alone); the emergency channel is stored one
// below its value, so "none" (0) becomes 0xFF.
void SetCommDataByAlert(const AlertSettings& record, RadioImage& image, EncodeContext& context);

// Reads the alert block into every member of `record`; never fails.
void GetCommDataByAlert(const RadioImage& image, AlertSettings& record);

} // namespace kpt740
