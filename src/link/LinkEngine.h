#pragma once

#include "core/RadioImage.h"
#include "link/LinkFrames.h"
#include "link/LinkPrompts.h"
#include "link/LinkTypes.h"
#include "link/ReplyTimer.h"
#include "link/SerialPort.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740 {

class Workspace;

// The conversation with the radio and the three commands built on it (read, write, embedded
// message): a state machine driven by the port's receive event and the reply timer's expiry,
// with no I/O of its own. It owns the radio image and the link state; one exchange at a time.
class LinkEngine {
public:
    LinkEngine(SerialPort& port, ReplyTimer& timer, LinkPrompts& prompts, Workspace& workspace);
    ~LinkEngine();
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // The Read command: save question, port, confirmation, blank fill, progress, exchange.
    StartResult ReadFromRadio();
    // The Write command: port, confirmation, blank fill, every encoder, progress, exchange.
    StartResult WriteToRadio();
    // The embedded-message command: port, blank fill, exchange; no question, no progress.
    StartResult ReadRMGDataFromRadio();

    // The port the next exchange opens (comPort of the settings).
    int portNumber() const { return m_portNumber; }
    void setPortNumber(int number) { m_portNumber = number; }
    // The programming password the user entered; kept normalised (trimmed-text rule).
    const std::string& enteredPassword() const { return m_enteredPassword; }
    void setEnteredPassword(std::string_view password);

    bool isBusy() const { return m_mode != TransferMode::Idle; }
    TransferMode transferMode() const { return m_mode; }
    LinkStep linkStep() const { return m_step; }
    std::size_t currentAddress() const { return m_currentAddress; }
    // The identity of the radio last identified.
    const RadioIdentity& radioIdentity() const { return m_radio; }
    const RadioImage& image() const { return m_image; }

    // Called after the outcome has been reported, in addition to the prompts' notification
    // (for a runner that waits for the end of an exchange).
    void setFinishedHandler(std::function<void(TransferMode, bool)> handler) {
        m_finished = std::move(handler);
    }

private:
    bool OpenLink(TransferMode mode);
    void SendHandshake();
    bool Send(const Bytes& frame, std::size_t replyLength);
    void SendIdentify();
    void SendPasswordRequest();
    void SendEnd();
    void SendCurrentBlock();
    void NextReadBlock();
    void NextWriteBlock();
    void Advance();
    void RestartLink(bool resumeFailedBlock);
    void FinishTransfer(bool success);
    void StepFailed();
    void UpdateProgress();
    void ResetRetries();

    void OnBytesReceived(std::span<const std::uint8_t> received);
    void OnReplyTimerExpired();
    void Classify(std::span<const std::uint8_t> reply);
    void OnIdentity(const RadioIdentity& radio);
    void OnPasswordBlock(std::span<const std::uint8_t> blockData);
    bool CheckRadio() const;
    std::int16_t* BlockRetries();
    void ReadCompletion();
    void Show(const Message& message) const;

    SerialPort& m_port;
    ReplyTimer& m_timer;
    LinkPrompts& m_prompts;
    Workspace& m_workspace;

    TransferMode m_mode = TransferMode::Idle;
    LinkStep m_step = LinkStep::Idle;
    std::size_t m_startAddress = 0;
    std::size_t m_endAddress = 0;
    std::size_t m_currentAddress = 0;
    std::size_t m_echoLength = 0;
    std::int16_t m_handshakeRetries = kSendsPerRequest;
    std::int16_t m_identifyRetries = kSendsPerRequest;
    std::int16_t m_passwordRetries = kSendsPerRequest;
    std::vector<std::int16_t> m_blockRetries;
    int m_sendAgainReplies = 0;
    std::int16_t m_writeBandCode = 0;
    int m_lastPercent = 0;
    bool m_progressShown = false;
    bool m_inHandler = false;

    int m_portNumber = 0;
    std::string m_enteredPassword;
    RadioIdentity m_radio;
    RadioImage m_image;
    std::function<void(TransferMode, bool)> m_finished;
};

} // namespace kpt740
