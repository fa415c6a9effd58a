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

// True for a command line that needs the widgets (the report): the program then starts a
// widget application instead of a console one.
bool NeedsWidgets(const std::vector<std::string>& args);

} // namespace kpt740::cli
