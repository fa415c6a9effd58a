#pragma once

#include "SimulatedRadio.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kpt740::sim {

// Everything the command line of the simulator sets.
struct SimOptions {
    RadioIdentity identity;
    FaultPlan faults;
    std::optional<std::string> password;
    std::optional<std::filesystem::path> imageFile;
    std::optional<std::filesystem::path> saveFile;
    std::optional<int> registerNumber;
    std::optional<std::filesystem::path> settingsFile;
    std::chrono::milliseconds latency{0};
    bool wireTiming = false;
    bool verbose = false;
    bool help = false;
};

// A command line the simulator cannot run with; the message names the option.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

SimOptions ParseSimOptions(const std::vector<std::string>& args);
const char* SimUsage();

} // namespace kpt740::sim
