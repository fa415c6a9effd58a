#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace kpt740::cli {

// Runs one command line (without the program name); returns the exit status. Results go to
// `out`, a one-line error message to `err`.
int Run(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
        std::ostream& out, std::ostream& err);

} // namespace kpt740::cli
