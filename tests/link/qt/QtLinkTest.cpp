#include "PtyRadio.h"
#include "link/LinkMessages.h"
#include "link/qt/LinkSession.h"
#include "link/qt/QtReplyTimer.h"
#include "link/qt/QtSerialPort.h"
#include "link/qt/SerialPortDiscovery.h"
#include "text/IniFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace kpt740::test {
namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "kpt740_link_qt_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until `done` or the time is up.
bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

class QtLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        pty.radio.memory = PatternMemory();
        pty.radio.latency = 0;
    }

    QCoreApplication& app = App(); // before the radio's socket notifier
    PtyRadio pty;
    RecordingPrompts prompts;
    Workspace workspace;
};

TEST_F(QtLink, PortHandsOverReceivedBytesOnlyOnceTheThresholdIsWaiting) {
    QtSerialPort port(FixedDeviceResolver(pty.path()));
    std::vector<Bytes> received;
    port.setReceiveHandler([&](std::span<const std::uint8_t> bytes) {
        received.emplace_back(bytes.begin(), bytes.end());
    });
    ASSERT_TRUE(port.configure(SerialSettings{}));
    ASSERT_TRUE(port.open(7)) << port.lastError().toStdString();
    port.setReceiveThreshold(10);

    pty.send({1, 2, 3, 4});
    WaitFor([] { return false; }, 100);
    EXPECT_TRUE(received.empty());
    pty.send({5, 6, 7, 8, 9, 10, 11});
    ASSERT_TRUE(WaitFor([&] { return !received.empty(); }, 2000));
    EXPECT_EQ(received.front(), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));

    // Discarding drops what is waiting below the threshold.
    pty.send({1, 2, 3});
    WaitFor([] { return false; }, 100);
    EXPECT_TRUE(port.discardBuffers());
    pty.send({4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    ASSERT_TRUE(WaitFor([&] { return received.size() == 2; }, 2000));
    EXPECT_EQ(received.back(), (Bytes{4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));

    // Written bytes reach the other side (the fake radio logs an END it receives).
    ASSERT_TRUE(port.write(frame::End()));
    ASSERT_TRUE(WaitFor([&] { return !pty.radio.requests.empty(); }, 2000));
    EXPECT_EQ(pty.radio.requests.front(), frame::End());
    port.close();
    EXPECT_FALSE(port.isOpen());
}

TEST_F(QtLink, PortNumberOpensTheDeviceOfThePortMap) {
    const auto dir = std::filesystem::path(::testing::TempDir()) / "kpt740-qtlink-map";
    std::filesystem::create_directories(dir);
    const auto settings = dir / "mysetup.ini";
    std::filesystem::remove(settings);
    ASSERT_TRUE(WriteProfileString(settings, "ports", "42", pty.path()));

    QtSerialPort port(PortMapResolver(settings));
    EXPECT_TRUE(port.open(42)) << port.lastError().toStdString();
    EXPECT_EQ(port.device(), pty.path());
    port.close();
    EXPECT_FALSE(port.open(41));
    EXPECT_FALSE(port.open(0));

    // The hand-made entry is listed while its device exists.
    const auto ports = EnumerateSerialPorts(settings);
    const auto found = std::find_if(ports.begin(), ports.end(),
                                    [](const SerialPortEntry& p) { return p.number == 42; });
    ASSERT_NE(found, ports.end());
    EXPECT_EQ(found->devicePath, pty.path());
    std::filesystem::remove_all(dir);
}

TEST_F(QtLink, ReplyTimerFiresOnceUnlessStopped) {
    QtReplyTimer timer;
    int fired = 0;
    timer.setExpiredHandler([&] { ++fired; });
    timer.start(30);
    EXPECT_TRUE(WaitFor([&] { return fired == 1; }, 1000));
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(fired, 1);
    timer.start(30);
    timer.stop();
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(fired, 1);
}

TEST_F(QtLink, SessionReadsWritesAndReadsTheEmbeddedMessageOverAPseudoTerminal) {
    LinkSession session(workspace, prompts, FixedDeviceResolver(pty.path()));

    const auto read = session.read();
    EXPECT_EQ(read.start, StartResult::Started);
    EXPECT_TRUE(read.success);
    const auto image = session.image().view(16, 16368);
    const auto memory = pty.radio.memory.view(16, 16368);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), memory.begin()));
    EXPECT_EQ(prompts.messages.back(), Message::FromText(linktext::kReadFinished));

    workspace = Workspace{};
    const auto write = session.write();
    EXPECT_TRUE(write.success);
    EXPECT_EQ(pty.radio.writes.size(), 1008U);
    EXPECT_EQ(prompts.messages.back(), Message::FromText(linktext::kWriteFinished));

    const auto info = session.readEmbeddedInfo();
    EXPECT_TRUE(info.success);
    EXPECT_EQ(prompts.embeddedShown.size(), 1U);
    EXPECT_FALSE(session.port().isOpen());
}

TEST_F(QtLink, SilentRadioFailsAfterThreeHandshakesAboutAReplyTimeoutApart) {
    pty.radio.tamper = [](const Bytes&, std::size_t, std::optional<Bytes>& reply, long long&) {
        reply.reset();
    };
    LinkSession session(workspace, prompts, FixedDeviceResolver(pty.path()));
    QElapsedTimer clock;
    clock.start();
    const auto outcome = session.readEmbeddedInfo();
    const auto elapsed = clock.elapsed();
    EXPECT_EQ(outcome.start, StartResult::Started);
    EXPECT_FALSE(outcome.success);
    EXPECT_EQ(pty.radio.requests.size(), 3U);
    EXPECT_GE(elapsed, 3 * kReplyTimeoutMs - 10);
    EXPECT_LT(elapsed, 3 * kReplyTimeoutMs + 500);
    EXPECT_EQ(prompts.messages.back(), Message::FromText(linktext::kEmbeddedReadFailed));
}

TEST_F(QtLink, MissingDeviceIsAPortError) {
    LinkSession session(workspace, prompts, FixedDeviceResolver("/dev/kpt740-no-such-port"));
    const auto outcome = session.read();
    EXPECT_EQ(outcome.start, StartResult::PortFailed);
    EXPECT_FALSE(outcome.success);
    EXPECT_EQ(prompts.messages.back(), Message::FromText(linktext::kPortError));
}

} // namespace
} // namespace kpt740::test
