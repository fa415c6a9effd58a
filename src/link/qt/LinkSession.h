#pragma once

#include "link/LinkEngine.h"
#include "link/qt/QtReplyTimer.h"
#include "link/qt/QtSerialPort.h"

#include <string>
#include <string_view>

namespace kpt740 {

class Workspace;

// One radio link for a program without windows: owns the Qt port, the reply timer and the
// engine, and runs each command to its end in a local event loop (a QCoreApplication must
// exist). The prompts answer the questions and receive the messages and the progress.
class LinkSession {
public:
    struct Outcome {
        StartResult start = StartResult::Busy;
        bool success = false; // the exchange ran and succeeded
    };

    LinkSession(Workspace& workspace, LinkPrompts& prompts, QtSerialPort::DeviceResolver resolver);
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // Opens this port number through the resolver.
    void setPortNumber(int number) { m_engine.setPortNumber(number); }
    // Opens this device whatever the port number.
    void setDevicePath(std::string devicePath);
    void setEnteredPassword(std::string_view password) { m_engine.setEnteredPassword(password); }

    Outcome read() { return run(&LinkEngine::ReadFromRadio); }
    Outcome write() { return run(&LinkEngine::WriteToRadio); }
    Outcome readEmbeddedInfo() { return run(&LinkEngine::ReadRMGDataFromRadio); }

    LinkEngine& engine() { return m_engine; }
    const RadioImage& image() const { return m_engine.image(); }
    QtSerialPort& port() { return m_port; }

private:
    Outcome run(StartResult (LinkEngine::*command)());

    QtSerialPort m_port;
    QtReplyTimer m_timer;
    LinkEngine m_engine;
};

} // namespace kpt740
