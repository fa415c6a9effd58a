#pragma once

#include "core/Messages.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kpt740::cli {

// The parsed command line.
struct Options {
    std::vector<std::string> positional;
    std::optional<std::string> output;
    std::optional<int> band;
    std::filesystem::path programFolder;
    int factoryFres = 0;
    bool help = false;
    // Radio commands.
    std::optional<std::string> port; // a port number of the port map, or a device path
    std::optional<std::string> password;
    std::optional<std::string> imageOut;
    std::optional<std::filesystem::path> settingsFile;
    int retries = 2;
    // The report.
    std::optional<std::string> items;
    std::optional<int> language;
};

// The settings file with the port map: --settings, else "language/mysetup.ini" of the program.
std::filesystem::path SettingsFileOf(const Options& options);

// A command line the program cannot run; reported as one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The printed report as a PDF file.
int CommandReport(const Options& options, std::ostream& out, std::ostream& err);

// The radio commands: read, write and info.
int CommandRead(const Options& options, std::ostream& out, std::ostream& err);
int CommandWrite(const Options& options, std::ostream& out, std::ostream& err);
int CommandInfo(const Options& options, std::ostream& out, std::ostream& err);

} // namespace kpt740::cli
