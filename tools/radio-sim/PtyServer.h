#pragma once

#include "SimulatedRadio.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kpt740::sim {

// Puts a SimulatedRadio on the master side of a pseudo-terminal: reads what a program writes to
// the terminal, feeds it to the radio and sends the radio's output back, with the reply latency
// and the 9600-baud pacing asked for. A program may close the terminal and another open it; the
// server keeps serving until it is told to stop.
class PtyServer {
public:
    struct Timing {
        std::chrono::milliseconds latency{0};
        bool wireTiming = false;
    };
    using Logger = std::function<void(const std::string&)>;

    // Opens the pseudo-terminal in raw mode. Throws std::system_error.
    PtyServer(SimulatedRadio& radio, Timing timing);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // The path a program opens, e.g. /dev/pts/3.
    const std::string& devicePath() const { return m_devicePath; }
    void setLogger(Logger logger) { m_log = std::move(logger); }
    // Runs after END closed a session that stored data and after a program closed the terminal.
    void setCheckpoint(std::function<void()> checkpoint) { m_checkpoint = std::move(checkpoint); }

    // Serves until `stopFd` becomes readable or is closed at its other end. Throws
    // std::system_error when the terminal fails in an unexpected way.
    void run(int stopFd);

private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        Clock::time_point start;
        std::vector<std::uint8_t> bytes;
        std::size_t sent = 0;
    };

    bool waitForProgram(int stopFd);
    void readInput();
    void enqueue(const std::vector<SimOutput>& outputs);
    Clock::time_point dueTime(const Pending& pending, std::size_t index) const;
    Clock::duration transmitTime(std::size_t bytes) const;
    void writeDue();
    void disconnect();
    void log(const std::string& text) const;

    SimulatedRadio& m_radio;
    Timing m_timing;
    int m_master = -1;
    std::string m_devicePath;
    bool m_connected = false;
    bool m_blocked = false; // the terminal's buffer is full: wait until it can take more
    std::deque<Pending> m_queue;
    Clock::time_point m_lineFreeAt{};
    Clock::time_point m_lastInput{};
    Logger m_log;
    std::function<void()> m_checkpoint;
};

} // namespace kpt740::sim
