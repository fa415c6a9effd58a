#include "PortRegistration.h"

#include "text/IniFile.h"

#include <stdexcept>

namespace kpt740::sim {

namespace {

constexpr const char* kPortsSection = "ports";

} // namespace

PortRegistration::PortRegistration(std::filesystem::path settingsFile, int number,
                                   std::string devicePath)
    : m_settingsFile(std::move(settingsFile)), m_key(std::to_string(number)),
      m_devicePath(std::move(devicePath)) {
    // The file is read again right before each change: the software may have written it while
    // the simulator ran, and its other lines must survive.
    IniFile file = IniFile::Load(m_settingsFile).value_or(IniFile{});
    m_previous = file.value(kPortsSection, m_key);
    file.setValue(kPortsSection, m_key, m_devicePath);
    if (!file.Save(m_settingsFile)) {
        throw std::runtime_error("cannot write " + m_settingsFile.string());
    }
}

PortRegistration::~PortRegistration() {
    release();
}

bool PortRegistration::release() {
    if (m_released) {
        return true;
    }
    m_released = true;
    auto file = IniFile::Load(m_settingsFile);
    // An entry someone else has rewritten in the meantime is theirs now.
    if (!file || file->value(kPortsSection, m_key) != m_devicePath) {
        return true;
    }
    if (m_previous) {
        file->setValue(kPortsSection, m_key, *m_previous);
    } else {
        file->removeKey(kPortsSection, m_key);
    }
    return file->Save(m_settingsFile);
}

} // namespace kpt740::sim
