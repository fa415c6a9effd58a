#include "features/commbook/CommBookCodec.h"

#include "core/Encodings.h"
#include "core/ImageRegions.h"

#include <string>

namespace kpt740 {

namespace {

// Names have an 8-byte slot; the encoder writes its first seven bytes only.
constexpr std::size_t kNameSlot = 8;
constexpr std::uint8_t kUnwritten = 0xFF;

constexpr const char* kEncoderName = "SetCommDataByDTMFCommuBook";

std::size_t CallIdAddress(std::size_t n) {
    return region::CommBookCallIds.first + kCallIdSize * n;
}

std::size_t NameAddress(std::size_t n) {
    return region::CommBookNames.first + kNameSlot * n;
}

void WriteText(RadioImage& image, std::size_t address, std::string text, std::size_t width) {
    text.resize(width, '\0');
    for (std::size_t i = 0; i < width; ++i) {
        image.set(address + i, static_cast<std::uint8_t>(text[i]));
    }
}

void Encode(const CommBook& book, RadioImage& image) {
    for (std::size_t n = 0; n < book.size(); ++n) {
        std::string callId = book[n].callId.value();
        // Only a number is a call ID the radio can dial; anything else is sent as none.
        if (!IsNumeric(callId)) {
            callId.clear();
        }
        WriteText(image, CallIdAddress(n), callId, kCallIdSize);
        WriteText(image, NameAddress(n), book[n].name.value(), kBookNameSize);
    }
}

} // namespace

void SetCommDataByDTMFCommuBook(const CommBook& book, RadioImage& image, EncodeContext& context) {
    // Every character of a record is one byte already, so only an image error can end up here.
    try {
        Encode(book, image);
    } catch (const std::exception&) {
        context.fail(kEncoderName);
    }
}

void GetCommDataByDTMFCommuBook(const RadioImage& image, CommBook& book) {
    for (std::size_t n = 0; n < book.size(); ++n) {
        CommBookEntry& entry = book[n];
        entry.index = static_cast<std::int16_t>(n);

        std::string callId;
        for (std::size_t i = 0; i < kCallIdSize; ++i) {
            callId.push_back(static_cast<char>(image.at(CallIdAddress(n) + i)));
        }
        entry.callId = callId;

        // The name may run into the slot's eighth byte; an unwritten byte (0xFF) ends it.
        std::string name;
        for (std::size_t i = 0; i < kNameSlot; ++i) {
            const std::uint8_t byte = image.at(NameAddress(n) + i);
            if (byte == kUnwritten) {
                name.push_back('\0');
                break;
            }
            name.push_back(static_cast<char>(byte));
        }
        name = TrimFixed(name);
        if (name.size() <= kBookNameSize) {
            name.push_back('\0');
        }
        entry.name = name;
    }
}

} // namespace kpt740
