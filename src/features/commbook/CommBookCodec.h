#pragma once

#include "core/Messages.h"
#include "core/RadioImage.h"
#include "features/commbook/CommBook.h"

namespace kpt740 {

// Writes every entry's call ID and name into the book blocks of the image.
void SetCommDataByDTMFCommuBook(const CommBook& book, RadioImage& image, EncodeContext& context);

// Reads all 128 entries from the image; each entry's `index` becomes its number.
void GetCommDataByDTMFCommuBook(const RadioImage& image, CommBook& book);

} // namespace kpt740
