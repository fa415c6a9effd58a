#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>

namespace kpt740 {

// The line settings of the link: "9600,N,8,1" with RTS/CTS handshaking.
struct SerialSettings {
    int baudRate = 9600;
    char parity = 'N';
    int dataBits = 8;
    int stopBits = 1;
    bool rtsCtsHandshake = true;
    bool operator==(const SerialSettings&) const = default;
};

// A serial port as the link engine uses it. Received bytes are handed over only once at least
// the receive threshold is waiting, and then all waiting bytes at once (ReceiveAccumulator does
// this for every implementation).
class SerialPort {
public:
    using ReceiveHandler = std::function<void(std::span<const std::uint8_t>)>;

    virtual ~SerialPort() = default;

    // Settings for the port; applied at once when it is open, otherwise at the next open.
    virtual bool configure(const SerialSettings& settings) = 0;
    // Opens the port with this number (COM number, or a number of the port map).
    virtual bool open(int portNumber) = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    virtual void setReceiveThreshold(std::size_t bytes) = 0;
    // Drops unsent output and every received byte not yet handed over.
    virtual bool discardBuffers() = 0;
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;

    void setReceiveHandler(ReceiveHandler handler) { m_receive = std::move(handler); }

protected:
    void deliver(std::span<const std::uint8_t> bytes) {
        if (m_receive) {
            m_receive(bytes);
        }
    }

private:
    ReceiveHandler m_receive;
};

} // namespace kpt740
