#include "link/qt/SerialPortDiscovery.h"

#include <QSerialPortInfo>

namespace kpt740 {

std::vector<SerialPortEntry> EnumerateSerialPorts(const std::filesystem::path& settingsFile) {
    const auto infos = QSerialPortInfo::availablePorts();
#ifdef Q_OS_WIN
    (void)settingsFile;
    std::vector<SerialPortEntry> ports;
    for (const auto& info : infos) {
        const int number = ComNumberOfPortName(info.portName().toStdString());
        if (number > 0) {
            ports.push_back(
                {number, info.portName().toStdString(), info.description().toStdString()});
        }
    }
    return ports;
#else
    std::vector<std::string> paths;
    for (const auto& info : infos) {
        paths.push_back(info.systemLocation().toStdString());
    }
    auto ports = DiscoverMappedPorts(settingsFile, paths);
    for (auto& port : ports) {
        for (const auto& info : infos) {
            if (info.systemLocation().toStdString() == port.devicePath) {
                port.description = info.description().toStdString();
            }
        }
    }
    return ports;
#endif
}

} // namespace kpt740
