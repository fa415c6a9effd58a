#pragma once

#include "../LinkHarness.h"

#include <QSocketNotifier>
#include <QTimer>
#include <fcntl.h>
#include <memory>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace kpt740::test {

// The fake radio behind a pseudo-terminal: the program opens the terminal's device, the radio
// reads whole requests from the other side and answers them after its latency.
class PtyRadio {
public:
    PtyRadio() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
            return;
        }
        m_path = ptsname(m_master);
        // Kept open so that the radio's side never sees a hang-up while the program has the
        // port closed between exchanges.
        m_slave = ::open(m_path.c_str(), O_RDWR | O_NOCTTY);
        termios raw{};
        tcgetattr(m_master, &raw);
        cfmakeraw(&raw);
        tcsetattr(m_master, TCSANOW, &raw);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readRequests(); });
    }
    ~PtyRadio() {
        m_notifier.reset();
        if (m_slave >= 0) {
            ::close(m_slave);
        }
        if (m_master >= 0) {
            ::close(m_master);
        }
    }
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    bool ok() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }
    // Bytes put on the line now, outside any request.
    void send(const Bytes& bytes) { writeAll(bytes); }

    FakeRadio radio;

private:
    // Request lengths by their first byte.
    static std::size_t LengthOf(std::uint8_t first) {
        switch (first) {
        case 'P':
            return 7;
        case frame::kIdentify:
            return 1;
        case frame::kReadCommand:
            return frame::kReadRequestLength;
        case frame::kDataFrameMark:
            return frame::kDataFrameLength;
        case 'E':
            return 3;
        default:
            return 0;
        }
    }

    void readRequests() {
        std::uint8_t chunk[512];
        for (;;) {
            const ssize_t n = ::read(m_master, chunk, sizeof chunk);
            if (n <= 0) {
                break;
            }
            m_pending.insert(m_pending.end(), chunk, chunk + n);
        }
        while (!m_pending.empty()) {
            const std::size_t length = LengthOf(m_pending.front());
            if (length == 0) {
                m_pending.erase(m_pending.begin());
                continue;
            }
            if (m_pending.size() < length) {
                break;
            }
            const Bytes request(m_pending.begin(), m_pending.begin() + static_cast<long>(length));
            m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<long>(length));
            if (auto arrival = radio.answer(request)) {
                if (arrival->time <= 0) {
                    writeAll(arrival->bytes);
                } else {
                    QTimer::singleShot(static_cast<int>(arrival->time),
                                       [this, bytes = arrival->bytes] { writeAll(bytes); });
                }
            }
        }
    }

    void writeAll(const Bytes& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
    }

    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
    Bytes m_pending;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace kpt740::test
