#include "link/qt/LinkSession.h"

#include <QEventLoop>

namespace kpt740 {

LinkSession::LinkSession(Workspace& workspace, LinkPrompts& prompts,
                         QtSerialPort::DeviceResolver resolver)
    : m_port(std::move(resolver)), m_engine(m_port, m_timer, prompts, workspace) {}

void LinkSession::setDevicePath(std::string devicePath) {
    m_port.setResolver(FixedDeviceResolver(std::move(devicePath)));
}

LinkSession::Outcome LinkSession::run(StartResult (LinkEngine::*command)()) {
    QEventLoop loop;
    bool finished = false;
    bool success = false;
    m_engine.setFinishedHandler([&](TransferMode, bool ok) {
        finished = true;
        success = ok;
        loop.quit();
    });
    Outcome outcome;
    outcome.start = (m_engine.*command)();
    // The exchange may already have ended inside the command (the port vanished before the
    // handshake); otherwise it runs from the port's and the timer's events.
    if (outcome.start == StartResult::Started && !finished) {
        loop.exec();
    }
    m_engine.setFinishedHandler({});
    outcome.success = outcome.start == StartResult::Started && success;
    return outcome;
}

} // namespace kpt740
