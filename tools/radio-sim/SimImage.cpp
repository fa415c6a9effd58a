#include "SimImage.h"

#include "config/ConfigurationCodec.h"
#include "core/Identity.h"
#include "core/ImageRegions.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace kpt740::sim {

namespace {

// Production data of the simulated radio. Fixed values rather than today's date, so that two
// runs hold the same memory.
struct ProductionText {
    std::size_t address;
    std::size_t width;
    std::string_view text;
};

constexpr ProductionText kProductionTexts[] = {
    {region::EmbeddedSalesArea.first, region::EmbeddedSalesArea.size, "0595"},
    {32, 16, "SIM0000000000001"}, // serial number
    {48, 16, "2024-01-15"},       // factory date
    {64, 8, "01-1-E-1"},          // production batch
    {72, 4, "001A"},              // customer code
    {96, 16, "SIMULATOR"},        // dealer code
    {112, 16, "2024-02-01"},      // stock-in date
};

void WriteText(RadioImage& image, const ProductionText& field) {
    for (std::size_t i = 0; i < field.width && i < field.text.size(); ++i) {
        image.set(field.address + i, static_cast<std::uint8_t>(field.text[i]));
    }
}

} // namespace

RadioImage DefaultSimImage(std::uint8_t bandCode) {
    RadioImage image;
    BlankImage(image);
    Configuration configuration =
        DefaultConfiguration(bandCode, ParseBandText(BandTextOfCode(bandCode)));
    RecordingMessageSink sink;
    EncodeContext context(sink);
    EncodeAll(configuration, image, context);
    if (!context.ok()) {
        throw std::logic_error("the default configuration of band " + std::to_string(bandCode) +
                               " does not encode");
    }
    image.set(region::EmbeddedBandCode.first, bandCode);
    for (const ProductionText& field : kProductionTexts) {
        WriteText(image, field);
    }
    return image;
}

void SetProgrammingPassword(RadioImage& image, std::string_view password) {
    const region::Region area = region::ProgrammingPassword;
    if (password.size() > area.size) {
        throw std::invalid_argument("a programming password has at most 4 characters");
    }
    for (std::size_t i = 0; i < area.size; ++i) {
        image.set(area.first + i,
                  i < password.size() ? static_cast<std::uint8_t>(password[i]) : 0xFF);
    }
}

RadioImage LoadImageFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::vector<char> bytes(RadioImage::kSize + 1);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(RadioImage::kSize)) {
        throw std::runtime_error(path.string() + " is not a radio image of exactly 16384 bytes");
    }
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        image.set(i, static_cast<std::uint8_t>(bytes[i]));
    }
    return image;
}

void SaveImageFile(const std::filesystem::path& path, const RadioImage& image) {
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        const auto bytes = image.bytes();
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot replace " + path.string());
    }
}

} // namespace kpt740::sim
