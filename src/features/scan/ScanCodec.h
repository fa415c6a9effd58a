#pragma once

#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/scan/ScanSettings.h"

namespace kpt740 {

// Writes the scan block (944-957); priority groups and channels are stored one below their
// value, so "none" (0) becomes 0xFF.
void SetCommDataByScan(const ScanSettings& record, RadioImage& image, EncodeContext& context);

// Reads the scan block into every member of `record`; never fails.
void GetCommDataByScan(const RadioImage& image, ScanSettings& record);

} // namespace kpt740
