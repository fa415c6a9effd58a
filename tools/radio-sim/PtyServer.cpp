#include "PtyServer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <stdlib.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace kpt740::sim {

namespace {

// 9600 baud with a start bit, 8 data bits and a stop bit.
constexpr long long kBitsPerByte = 10;
constexpr long long kBaud = 9600;
// A pause this long inside a frame ends it: the radio forgets the bytes received so far. It is
// shorter than the program's 300 ms reply timer, so a repeated request meets a clean receiver.
constexpr auto kFrameGap = std::chrono::milliseconds(100);
// While no program has the terminal open, the master reports a hang-up at once on every poll,
// so the server looks again at this interval instead of waiting for an event.
constexpr int kReconnectPollMs = 20;

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// Time left until `when`, never negative. The wait is exact to the nanosecond (ppoll), so that
// paced bytes leave on time instead of at the next whole millisecond.
std::chrono::nanoseconds TimeUntil(std::chrono::steady_clock::time_point when) {
    const auto left = when - std::chrono::steady_clock::now();
    return std::max(std::chrono::nanoseconds::zero(),
                    std::chrono::ceil<std::chrono::nanoseconds>(left));
}

} // namespace

PtyServer::PtyServer(SimulatedRadio& radio, Timing timing) : m_radio(radio), m_timing(timing) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        ThrowErrno("posix_openpt");
    }
    try {
        if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
            ThrowErrno("grantpt/unlockpt");
        }
        const char* name = ptsname(m_master);
        if (name == nullptr) {
            ThrowErrno("ptsname");
        }
        m_devicePath = name;
        if (fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0 ||
            fcntl(m_master, F_SETFD, FD_CLOEXEC) != 0) {
            ThrowErrno("fcntl");
        }
        // Raw from the start: a program that opens the terminal without configuring it must
        // still see the bytes unchanged (no echo by the line discipline, no CR/LF mapping).
        termios settings{};
        if (tcgetattr(m_master, &settings) != 0) {
            ThrowErrno("tcgetattr");
        }
        cfmakeraw(&settings);
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
        if (tcsetattr(m_master, TCSANOW, &settings) != 0) {
            ThrowErrno("tcsetattr");
        }
    } catch (...) {
        close(m_master);
        throw;
    }
}

PtyServer::~PtyServer() {
    if (m_master >= 0) {
        close(m_master);
    }
}

void PtyServer::run(int stopFd) {
    for (;;) {
        if (!m_connected) {
            if (!waitForProgram(stopFd)) {
                return;
            }
            continue;
        }
        std::optional<std::chrono::nanoseconds> timeout;
        auto sooner = [&timeout](std::chrono::nanoseconds left) {
            timeout = timeout ? std::min(*timeout, left) : left;
        };
        if (!m_queue.empty() && !m_blocked) {
            const Pending& front = m_queue.front();
            sooner(TimeUntil(dueTime(front, front.sent)));
        }
        if (m_radio.hasPartialFrame()) {
            sooner(TimeUntil(m_lastInput + kFrameGap));
        }
        timespec wait{};
        if (timeout) {
            wait.tv_sec = static_cast<time_t>(timeout->count() / 1'000'000'000);
            wait.tv_nsec = static_cast<long>(timeout->count() % 1'000'000'000);
        }
        pollfd fds[2] = {{stopFd, POLLIN, 0},
                         {m_master, static_cast<short>(POLLIN | (m_blocked ? POLLOUT : 0)), 0}};
        if (ppoll(fds, 2, timeout ? &wait : nullptr, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("poll");
        }
        if (fds[0].revents != 0) {
            return;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            readInput();
        } else if ((fds[1].revents & (POLLHUP | POLLERR)) != 0) {
            disconnect();
        }
        if (!m_connected) {
            continue;
        }
        if ((fds[1].revents & POLLOUT) != 0) {
            m_blocked = false;
        }
        if (m_radio.hasPartialFrame() && Clock::now() - m_lastInput >= kFrameGap) {
            m_radio.discardPartialFrame();
        }
        writeDue();
    }
}

bool PtyServer::waitForProgram(int stopFd) {
    for (;;) {
        pollfd master{m_master, POLLIN, 0};
        if (poll(&master, 1, 0) < 0 && errno != EINTR) {
            ThrowErrno("poll");
        }
        if ((master.revents & POLLHUP) == 0) {
            m_connected = true;
            m_lastInput = Clock::now();
            m_lineFreeAt = m_lastInput;
            log("a program opened " + m_devicePath);
            return true;
        }
        pollfd stop{stopFd, POLLIN, 0};
        const int ready = poll(&stop, 1, kReconnectPollMs);
        if (ready > 0) {
            return false;
        }
        if (ready < 0 && errno != EINTR) {
            ThrowErrno("poll");
        }
    }
}

void PtyServer::readInput() {
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            m_lastInput = Clock::now();
            enqueue(m_radio.receive(std::span(buffer, static_cast<std::size_t>(n))));
            if (m_radio.takeWriteSessionEnded() && m_checkpoint) {
                m_checkpoint();
            }
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;
        }
        // Linux reports the last close of the terminal by the program as EIO; end of file
        // means the same elsewhere.
        if (n == 0 || errno == EIO) {
            disconnect();
            return;
        }
        ThrowErrno("read");
    }
}

void PtyServer::enqueue(const std::vector<SimOutput>& outputs) {
    const auto now = Clock::now();
    for (const SimOutput& output : outputs) {
        Pending pending{std::max(now, m_lineFreeAt), output.bytes};
        // The radio starts to think once the request has reached it, i.e. after the echo of
        // its last byte has gone out.
        if (output.kind == SimOutput::Kind::Reply) {
            pending.start += m_timing.latency;
        }
        m_lineFreeAt = pending.start + transmitTime(pending.bytes.size());
        m_queue.push_back(std::move(pending));
    }
}

PtyServer::Clock::duration PtyServer::transmitTime(std::size_t bytes) const {
    if (!m_timing.wireTiming) {
        return Clock::duration::zero();
    }
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(
        static_cast<long long>(bytes) * kBitsPerByte * 1'000'000'000LL / kBaud));
}

PtyServer::Clock::time_point PtyServer::dueTime(const Pending& pending, std::size_t index) const {
    // Byte i is complete on the wire at the end of its own ten bits.
    return pending.start + transmitTime(m_timing.wireTiming ? index + 1 : 0);
}

void PtyServer::writeDue() {
    while (!m_queue.empty() && !m_blocked) {
        Pending& front = m_queue.front();
        const auto now = Clock::now();
        std::size_t end = front.sent;
        while (end < front.bytes.size() && dueTime(front, end) <= now) {
            ++end;
        }
        if (end == front.sent) {
            return;
        }
        const ssize_t n = write(m_master, front.bytes.data() + front.sent, end - front.sent);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                m_blocked = true;
                return;
            }
            if (errno == EIO) {
                disconnect();
                return;
            }
            ThrowErrno("write");
        }
        front.sent += static_cast<std::size_t>(n);
        if (front.sent < front.bytes.size()) {
            if (front.sent < end) {
                m_blocked = true;
            }
            return;
        }
        m_queue.pop_front();
    }
}

void PtyServer::disconnect() {
    m_connected = false;
    m_blocked = false;
    m_queue.clear();
    const SimStats& stats = m_radio.stats();
    log("the program closed " + m_devicePath + " (so far " + std::to_string(stats.requests) +
        " requests: " + std::to_string(stats.reads) + " reads, " + std::to_string(stats.stored) +
        " writes stored)");
    m_radio.hangUp();
    if (m_checkpoint) {
        m_checkpoint();
    }
}

void PtyServer::log(const std::string& text) const {
    if (m_log) {
        m_log(text);
    }
}

} // namespace kpt740::sim
