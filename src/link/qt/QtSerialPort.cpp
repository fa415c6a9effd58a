#include "link/qt/QtSerialPort.h"

#include "link/SerialPorts.h"

#include <QByteArray>

namespace kpt740 {

QtSerialPort::QtSerialPort(DeviceResolver resolver, QObject* parent)
    : QObject(parent), m_resolver(std::move(resolver)) {
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::readWaiting);
}

QtSerialPort::~QtSerialPort() {
    m_port.close();
}

bool QtSerialPort::configure(const SerialSettings& settings) {
    m_settings = settings;
    return !m_port.isOpen() || applySettings();
}

bool QtSerialPort::applySettings() {
    const auto parity = m_settings.parity == 'E'   ? QSerialPort::EvenParity
                        : m_settings.parity == 'O' ? QSerialPort::OddParity
                                                   : QSerialPort::NoParity;
    const bool lineOk =
        m_port.setBaudRate(m_settings.baudRate) &&
        m_port.setDataBits(static_cast<QSerialPort::DataBits>(m_settings.dataBits)) &&
        m_port.setParity(parity) &&
        m_port.setStopBits(m_settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    if (!lineOk) {
        m_lastError = m_port.errorString();
        return false;
    }
    // A pseudo-terminal accepts the RTS/CTS setting but has no pins: reading the pin signals
    // fails there ("inappropriate ioctl"). The link never reads them, and an error about the
    // pins does not keep it from working, so it is cleared rather than reported.
    if (!m_port.setFlowControl(m_settings.rtsCtsHandshake ? QSerialPort::HardwareControl
                                                          : QSerialPort::NoFlowControl)) {
        m_port.clearError();
    }
    return true;
}

bool QtSerialPort::open(int portNumber) {
    close();
    const auto device = m_resolver ? m_resolver(portNumber) : std::nullopt;
    if (!device || device->empty()) {
        m_lastError = QStringLiteral("no device for port %1").arg(portNumber);
        return false;
    }
    m_device = *device;
    m_port.setPortName(QString::fromStdString(m_device));
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastError = m_port.errorString();
        return false;
    }
    if (!applySettings()) {
        m_port.close();
        return false;
    }
    m_port.clearError();
    return true;
}

bool QtSerialPort::isOpen() const {
    return m_port.isOpen();
}

void QtSerialPort::close() {
    if (m_port.isOpen()) {
        m_port.close();
    }
    m_accumulator.clear();
}

void QtSerialPort::setReceiveThreshold(std::size_t bytes) {
    m_accumulator.setThreshold(bytes);
}

bool QtSerialPort::discardBuffers() {
    m_accumulator.clear();
    if (!m_port.isOpen()) {
        return false;
    }
    // Bytes already read into the device's own buffer are dropped as well.
    const bool cleared = m_port.clear(QSerialPort::AllDirections);
    m_port.readAll();
    m_port.clearError();
    return cleared;
}

bool QtSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!m_port.isOpen()) {
        return false;
    }
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    if (m_port.write(data) != data.size()) {
        m_lastError = m_port.errorString();
        return false;
    }
    return true;
}

void QtSerialPort::readWaiting() {
    const QByteArray data = m_port.readAll();
    if (data.isEmpty()) {
        return;
    }
    const auto* first = reinterpret_cast<const std::uint8_t*>(data.constData());
    if (auto all = m_accumulator.add({first, static_cast<std::size_t>(data.size())})) {
        deliver(*all);
    }
}

QtSerialPort::DeviceResolver PortMapResolver(std::filesystem::path settingsFile) {
    return [file = std::move(settingsFile)](int portNumber) -> std::optional<std::string> {
        if (portNumber <= 0) {
            return std::nullopt;
        }
#ifdef Q_OS_WIN
        (void)file;
        return PortItemText(portNumber);
#else
        return MappedDevicePath(file, portNumber);
#endif
    };
}

QtSerialPort::DeviceResolver FixedDeviceResolver(std::string devicePath) {
    return [path = std::move(devicePath)](int) -> std::optional<std::string> { return path; };
}

} // namespace kpt740
