#include "features/twotone/TwoToneCodec.h"

#include "core/ImageRegions.h"

#include <array>
#include <cstddef>
#include <exception>
#include <string>

namespace kpt740 {

namespace {

constexpr std::size_t kHeaderBase = region::TwoToneHeader.first;
constexpr std::size_t kBitmapBase = region::TwoToneEntryBitmap.first;
constexpr std::size_t kEntriesBase = region::TwoToneEntries.first;
constexpr std::size_t kEntryStride = 16;
constexpr std::size_t kEntryNameOffset = 8;
constexpr std::size_t kNameLength = 7;
constexpr std::uint8_t kLastFormat = 14;

static_assert(region::TwoToneEntries.size == kEntryStride * kTwoToneEntryCount);
static_assert(region::TwoToneEntryBitmap.size * 8 == kTwoToneEntryCount);

struct HeaderByte {
    std::size_t offset;
    std::uint8_t TwoToneSettings::*member;
};

// The image swaps every byte pair against the record: own values low byte first, tones A-D
// high byte first.
constexpr std::array<HeaderByte, 24> kHeaderLayout{{
    {0, &TwoToneSettings::ownTone1Low},    {1, &TwoToneSettings::ownTone1High},
    {2, &TwoToneSettings::ownTone2Low},    {3, &TwoToneSettings::ownTone2High},
    {4, &TwoToneSettings::ownDivider1Low}, {5, &TwoToneSettings::ownDivider1High},
    {6, &TwoToneSettings::ownDivider2Low}, {7, &TwoToneSettings::ownDivider2High},
    {8, &TwoToneSettings::decodeResponse}, {9, &TwoToneSettings::time1},
    {10, &TwoToneSettings::time2},         {11, &TwoToneSettings::time3},
    {12, &TwoToneSettings::time4},         {13, &TwoToneSettings::intervalC},
    {14, &TwoToneSettings::sideTone},      {15, &TwoToneSettings::format},
    {16, &TwoToneSettings::toneAHigh},     {17, &TwoToneSettings::toneALow},
    {18, &TwoToneSettings::toneBHigh},     {19, &TwoToneSettings::toneBLow},
    {20, &TwoToneSettings::toneCHigh},     {21, &TwoToneSettings::toneCLow},
    {22, &TwoToneSettings::toneDHigh},     {23, &TwoToneSettings::toneDLow},
}};

struct EntryByte {
    std::size_t offset;
    std::uint8_t TwoToneCode::*member;
};

constexpr std::array<EntryByte, 8> kEntryLayout{{
    {0, &TwoToneCode::divider1Low},
    {1, &TwoToneCode::divider1High},
    {2, &TwoToneCode::divider2Low},
    {3, &TwoToneCode::divider2High},
    {4, &TwoToneCode::tone1Low},
    {5, &TwoToneCode::tone1High},
    {6, &TwoToneCode::tone2Low},
    {7, &TwoToneCode::tone2High},
}};

std::size_t EntryAddress(std::size_t entry) {
    return kEntriesBase + kEntryStride * entry;
}

std::size_t BitmapAddress(std::size_t entry) {
    return kBitmapBase + entry / 8;
}

std::uint8_t BitmapMask(std::size_t entry) {
    return static_cast<std::uint8_t>(1U << (entry % 8));
}

void EncodeName(const FixedText<7>& name, RadioImage& image, std::size_t address) {
    const std::string text = name.value();
    for (std::size_t i = 0; i < kNameLength; ++i) {
        char c = '\0';
        if (!text.empty()) {
            c = i < text.size() ? text[i] : ' ';
        }
        image.set(address + i, static_cast<std::uint8_t>(c));
    }
}

// A 0x00 or 0xFF byte ends the name and leaves one NUL behind it in the field.
FixedText<7> DecodeName(const RadioImage& image, std::size_t address) {
    std::string text;
    for (std::size_t i = 0; i < kNameLength; ++i) {
        const std::uint8_t byte = image.at(address + i);
        if (byte == 0x00 || byte == 0xFF) {
            text.push_back('\0');
            break;
        }
        text.push_back(static_cast<char>(byte));
    }
    return FixedText<7>(text);
}

void Encode(const TwoToneSettings& settings, RadioImage& image) {
    for (const auto& field : kHeaderLayout) {
        image.set(kHeaderBase + field.offset, settings.*field.member);
    }
    for (std::size_t i = 0; i < settings.codes.size(); ++i) {
        const TwoToneCode& entry = settings.codes[i];
        // Setting the bit of an empty entry as well as clearing the bit of one in use keeps
        // the bitmap right whatever the byte held before, so encoding twice gives one result.
        const std::size_t bitmap = BitmapAddress(i);
        const std::uint8_t mask = BitmapMask(i);
        const std::uint8_t old = image.at(bitmap);
        image.set(bitmap, TwoToneEntryInUse(entry) ? static_cast<std::uint8_t>(old & ~mask)
                                                   : static_cast<std::uint8_t>(old | mask));
        const std::size_t address = EntryAddress(i);
        for (const auto& field : kEntryLayout) {
            image.set(address + field.offset, entry.*field.member);
        }
        EncodeName(entry.name, image, address + kEntryNameOffset);
    }
}

} // namespace

void SetCommDataBy2Tone(const TwoToneSettings& settings, RadioImage& image,
                        EncodeContext& context) {
    try {
        Encode(settings, image);
    } catch (const std::exception&) {
        context.fail("SetCommDataBy2Tone");
    }
}

void GetCommDataBy2Tone(const RadioImage& image, TwoToneSettings& settings) {
    TwoToneSettings decoded;
    for (const auto& field : kHeaderLayout) {
        decoded.*field.member = image.at(kHeaderBase + field.offset);
    }
    if (decoded.format > kLastFormat) {
        decoded.format = 0;
    }
    for (std::size_t i = 0; i < decoded.codes.size(); ++i) {
        TwoToneCode& entry = decoded.codes[i];
        entry.isEmpty = (image.at(BitmapAddress(i)) & BitmapMask(i)) != 0 ? 1 : 0;
        const std::size_t address = EntryAddress(i);
        for (const auto& field : kEntryLayout) {
            entry.*field.member = image.at(address + field.offset);
        }
        entry.name = DecodeName(image, address + kEntryNameOffset);
    }
    settings = decoded;
}

} // namespace kpt740
