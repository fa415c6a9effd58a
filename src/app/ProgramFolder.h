#pragma once

#include <filesystem>
#include <string>

namespace kpt740 {

// The program folder: the executable's own folder when the language files lie beside it (a
// build tree, or a copy unpacked anywhere), else the installed data folder found from the
// executable's folder through `dataRelative` (e.g. "../share/kpt740"), else the executable's
// folder anyway.
std::filesystem::path LocateProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& dataRelative);

// The help page of a language, relative to the program folder.
std::filesystem::path HelpFileFor(int languageIndex);
// The splash picture of a language, relative to the program folder.
std::filesystem::path SplashPictureFor(int languageIndex);

} // namespace kpt740
