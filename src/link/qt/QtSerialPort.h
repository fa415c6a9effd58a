#pragma once

#include "link/ReceiveAccumulator.h"
#include "link/SerialPort.h"

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kpt740 {

// The link's serial port on QSerialPort: a port number is opened as the device the resolver
// names for it, and received bytes are handed to the engine once its threshold is waiting.
class QtSerialPort final : public QObject, public SerialPort {
    Q_OBJECT

public:
    // The device of a port number ("COM3", "/dev/ttyUSB0"); none when the number has none.
    using DeviceResolver = std::function<std::optional<std::string>(int portNumber)>;

    explicit QtSerialPort(DeviceResolver resolver, QObject* parent = nullptr);
    ~QtSerialPort() override;

    void setResolver(DeviceResolver resolver) { m_resolver = std::move(resolver); }

    bool configure(const SerialSettings& settings) override;
    bool open(int portNumber) override;
    bool isOpen() const override;
    void close() override;
    void setReceiveThreshold(std::size_t bytes) override;
    bool discardBuffers() override;
    bool write(std::span<const std::uint8_t> bytes) override;

    // Why the last open, configure or write failed.
    const QString& lastError() const { return m_lastError; }
    // The device opened (or last tried), as the resolver named it.
    const std::string& device() const { return m_device; }

private:
    bool applySettings();
    void readWaiting();

    QSerialPort m_port;
    DeviceResolver m_resolver;
    SerialSettings m_settings;
    ReceiveAccumulator m_accumulator;
    QString m_lastError;
    std::string m_device;
};

// Resolves through the port map of the settings file, read at every open so that entries added
// while the program runs (a simulator) are found; on Windows the number is the COM number.
QtSerialPort::DeviceResolver PortMapResolver(std::filesystem::path settingsFile);
// Every port number opens this one device (a path given on a command line).
QtSerialPort::DeviceResolver FixedDeviceResolver(std::string devicePath);

} // namespace kpt740
