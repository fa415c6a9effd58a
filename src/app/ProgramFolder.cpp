#include "app/ProgramFolder.h"

#include "text/LanguageText.h"

#include <system_error>

namespace kpt740 {

namespace {

bool HoldsProgramData(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder / "language", error);
}

} // namespace

std::filesystem::path LocateProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& dataRelative) {
    if (HoldsProgramData(executableFolder)) {
        return executableFolder;
    }
    if (!dataRelative.empty()) {
        const auto installed = (executableFolder / dataRelative).lexically_normal();
        if (HoldsProgramData(installed)) {
            return installed;
        }
    }
    return executableFolder;
}

std::filesystem::path HelpFileFor(int languageIndex) {
    // One folder of pages per language, named like the language file.
    const auto file = std::filesystem::path(LanguageFileName(languageIndex));
    return std::filesystem::path("help") / file.stem() / "index.html";
}

std::filesystem::path SplashPictureFor(int languageIndex) {
    return languageIndex == kSimplifiedChinese ? "StartC.jpg" : "StartE.jpg";
}

} // namespace kpt740
