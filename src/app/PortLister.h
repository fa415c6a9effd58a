#pragma once

#include <string>
#include <vector>

namespace kpt740 {

// A serial port as discovery reports it: its number (3 means COM3) and where it lies.
struct ListedPort {
    int number = 0;
    std::string device;
    std::string description;
};

// The serial port discovery the application asks at start-up and in the system information.
// The radio link supplies the real one; until it is plugged in, no port is listed.
class PortLister {
public:
    virtual ~PortLister() = default;
    // Ports in discovery order.
    virtual std::vector<ListedPort> ports() const = 0;
};

// Lists no port at all.
class NoPortLister final : public PortLister {
public:
    std::vector<ListedPort> ports() const override { return {}; }
};

// Lists the ports it was given, for tests and for fixed lists.
class FixedPortLister final : public PortLister {
public:
    explicit FixedPortLister(std::vector<ListedPort> ports) : m_ports(std::move(ports)) {}
    std::vector<ListedPort> ports() const override { return m_ports; }

private:
    std::vector<ListedPort> m_ports;
};

} // namespace kpt740
