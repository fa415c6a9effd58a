#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kpt740::sim {

// Keeps "N=<device path>" in section [ports] of the programming software's settings file for
// as long as it lives, so that the software lists the simulator as port N.
class PortRegistration {
public:
    // Throws std::runtime_error when the settings file cannot be written.
    PortRegistration(std::filesystem::path settingsFile, int number, std::string devicePath);
    ~PortRegistration();
    PortRegistration(const PortRegistration&) = delete;
    PortRegistration& operator=(const PortRegistration&) = delete;

    // The value the key held before, which release() puts back.
    const std::optional<std::string>& previous() const { return m_previous; }
    // Removes the entry (or restores the previous one) unless someone has changed it since;
    // false when the file could not be written. Runs once; the destructor calls it.
    bool release();

private:
    std::filesystem::path m_settingsFile;
    std::string m_key;
    std::string m_devicePath;
    std::optional<std::string> m_previous;
    bool m_released = false;
};

} // namespace kpt740::sim
