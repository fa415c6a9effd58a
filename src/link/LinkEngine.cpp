#include "link/LinkEngine.h"

#include "config/ConfigurationCodec.h"
#include "core/EmbeddedInfo.h"
#include "core/ImageRegions.h"
#include "files/Workspace.h"
#include "link/LinkMessages.h"
#include "link/RadioPassword.h"

#include <algorithm>

namespace kpt740 {
namespace {

using namespace linktext;

// Marks the time a handler runs, so that events arriving during one of its questions (a modal
// box runs a nested event loop) are not handled inside it.
class HandlerScope {
public:
    explicit HandlerScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~HandlerScope() { m_flag = false; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    bool& m_flag;
};

// Encoder messages of a write go to the user like every other message of the link.
class PromptSink final : public MessageSink {
public:
    explicit PromptSink(LinkPrompts& prompts) : m_prompts(prompts) {}
    void show(const Message& message) override { m_prompts.showMessage(message); }

private:
    LinkPrompts& m_prompts;
};

TransferRange RangeOf(TransferMode mode) {
    switch (mode) {
    case TransferMode::Write:
        return kWriteTransfer;
    case TransferMode::EmbeddedMessage:
        return kEmbeddedInfoTransfer;
    default:
        return kReadTransfer;
    }
}

bool Equal(std::span<const std::uint8_t> a, const Bytes& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

LinkEngine::LinkEngine(SerialPort& port, ReplyTimer& timer, LinkPrompts& prompts,
                       Workspace& workspace)
    : m_port(port), m_timer(timer), m_prompts(prompts), m_workspace(workspace) {
    m_port.setReceiveHandler(
        [this](std::span<const std::uint8_t> bytes) { OnBytesReceived(bytes); });
    m_timer.setExpiredHandler([this] { OnReplyTimerExpired(); });
}

LinkEngine::~LinkEngine() {
    m_port.setReceiveHandler({});
    m_timer.setExpiredHandler({});
    if (isBusy()) {
        m_timer.stop();
        m_port.close();
    }
}

void LinkEngine::setEnteredPassword(std::string_view password) {
    m_enteredPassword = NormalisePassword(password);
}

// ---- Commands ---------------------------------------------------------------------------

StartResult LinkEngine::ReadFromRadio() {
    if (isBusy()) {
        return StartResult::Busy;
    }
    if (m_workspace.IsModified()) {
        const Message question{TextRef{TextSection::Msg, kSaveFirstQuestion}, MessageIcon::Warning};
        if (m_prompts.askSaveFirst(question) == YesNoCancel::Yes) {
            m_prompts.saveConfiguration();
        }
        // The question may have let another exchange start meanwhile.
        if (isBusy()) {
            return StartResult::Busy;
        }
    }
    m_mode = TransferMode::Read;
    if (!OpenLink(m_mode)) {
        m_mode = TransferMode::Idle;
        return StartResult::PortFailed;
    }
    if (!m_prompts.confirm(Shown(kReadConfirmation, MessageIcon::Question))) {
        m_port.close();
        m_mode = TransferMode::Idle;
        return StartResult::Declined;
    }
    BlankImage(m_image);
    m_progressShown = true;
    m_prompts.progressOpened(m_mode, ProgressTitle(m_mode), kProgressLabel);
    SendHandshake();
    return StartResult::Started;
}

StartResult LinkEngine::WriteToRadio() {
    if (isBusy()) {
        return StartResult::Busy;
    }
    m_mode = TransferMode::Write;
    if (!OpenLink(m_mode)) {
        m_mode = TransferMode::Idle;
        return StartResult::PortFailed;
    }
    if (!m_prompts.confirm(Shown(kWriteConfirmation, MessageIcon::Question))) {
        m_port.close();
        m_mode = TransferMode::Idle;
        return StartResult::Declined;
    }
    BlankImage(m_image);
    // The encoders may adjust derived members of the records they encode; a write must leave
    // the configuration and its saved state exactly as they were, so a copy is encoded.
    Configuration encoded = m_workspace.working;
    // The band the configuration is edited for (the current identity's).
    m_writeBandCode = m_workspace.identity.BandCode;
    PromptSink sink(m_prompts);
    EncodeContext context(sink);
    EncodeAll(encoded, m_image, context);
    if (!context.ok()) {
        m_port.close();
        m_mode = TransferMode::Idle;
        return StartResult::EncodeFailed;
    }
    m_progressShown = true;
    m_prompts.progressOpened(m_mode, ProgressTitle(m_mode), kProgressLabel);
    SendHandshake();
    return StartResult::Started;
}

StartResult LinkEngine::ReadRMGDataFromRadio() {
    if (isBusy()) {
        return StartResult::Busy;
    }
    m_mode = TransferMode::EmbeddedMessage;
    if (!OpenLink(m_mode)) {
        m_mode = TransferMode::Idle;
        return StartResult::PortFailed;
    }
    BlankImage(m_image);
    SendHandshake();
    return StartResult::Started;
}

// ---- Opening, sending -------------------------------------------------------------------

bool LinkEngine::OpenLink(TransferMode mode) {
    const TransferRange range = RangeOf(mode);
    m_startAddress = range.firstBlock;
    m_endAddress = range.lastBlock;
    m_currentAddress = m_startAddress - TransferRange::kBlockSize;
    m_timer.stop();
    m_step = LinkStep::Idle;
    if (m_port.isOpen()) {
        m_port.close();
    }
    bool ok = m_port.configure(SerialSettings{});
    m_port.setReceiveThreshold(1);
    ResetRetries();
    if (m_port.isOpen()) {
        m_port.close();
    }
    ok = ok && m_port.open(m_portNumber);
    m_lastPercent = 0;
    m_progressShown = false;
    if (!ok) {
        m_port.close();
        Show(Message::FromText(kPortError));
        return false;
    }
    return true;
}

bool LinkEngine::Send(const Bytes& frame, std::size_t replyLength) {
    m_timer.start(kReplyTimeoutMs);
    m_echoLength = frame.size();
    m_port.setReceiveThreshold(m_echoLength + replyLength);
    m_port.discardBuffers();
    return m_port.write(frame);
}

void LinkEngine::SendHandshake() {
    if (!m_port.isOpen() && !m_port.open(m_portNumber)) {
        // Without a port no timer would ever run again: end the exchange instead of leaving
        // the progress window waiting for ever.
        Show(Message::FromText(kPortError));
        FinishTransfer(false);
        return;
    }
    m_step = LinkStep::Handshake;
    m_lastPercent = 0;
    if (!Send(frame::Handshake(), frame::kHandshakeReplyLength)) {
        Show(Message::FromText(kPortError));
    }
}

void LinkEngine::SendIdentify() {
    Send(frame::Identify(), frame::kIdentityReplyLength);
}

void LinkEngine::SendPasswordRequest() {
    Send(frame::ReadRequest(kPasswordCheckBlock), frame::kDataFrameLength);
}

void LinkEngine::SendEnd() {
    Send(frame::End(), frame::kAckReplyLength);
}

void LinkEngine::SendCurrentBlock() {
    if (m_mode == TransferMode::Write) {
        Send(frame::DataFrame(m_image, m_currentAddress), frame::kAckReplyLength);
    } else {
        Send(frame::ReadRequest(m_currentAddress), frame::kDataFrameLength);
    }
}

void LinkEngine::NextReadBlock() {
    m_currentAddress += TransferRange::kBlockSize;
    m_sendAgainReplies = 0;
    if (m_currentAddress > m_endAddress) {
        m_step = LinkStep::FinalEnd;
        SendEnd();
        return;
    }
    if (m_mode != TransferMode::EmbeddedMessage) {
        UpdateProgress();
    }
    SendCurrentBlock();
}

void LinkEngine::NextWriteBlock() {
    m_currentAddress += TransferRange::kBlockSize;
    m_sendAgainReplies = 0;
    UpdateProgress();
    if (m_currentAddress > m_endAddress) {
        m_step = LinkStep::FinalEnd;
        SendEnd();
        return;
    }
    SendCurrentBlock();
}

void LinkEngine::UpdateProgress() {
    const int percent = ProgressPercent(m_currentAddress, m_startAddress, m_endAddress);
    if (percent > m_lastPercent) {
        m_lastPercent = percent;
        if (m_progressShown) {
            m_prompts.progressChanged(percent);
        }
    }
}

void LinkEngine::ResetRetries() {
    m_handshakeRetries = kSendsPerRequest;
    m_identifyRetries = kSendsPerRequest;
    m_passwordRetries = kSendsPerRequest;
    m_blockRetries.assign(RangeOf(m_mode).blockCount(), kSendsPerRequest);
    m_sendAgainReplies = 0;
}

std::int16_t* LinkEngine::BlockRetries() {
    if (m_currentAddress < m_startAddress) {
        return nullptr;
    }
    const std::size_t index = (m_currentAddress - m_startAddress) / TransferRange::kBlockSize;
    return index < m_blockRetries.size() ? &m_blockRetries[index] : nullptr;
}

// ---- Steps ------------------------------------------------------------------------------

void LinkEngine::Advance() {
    m_timer.stop();
    switch (m_step) {
    case LinkStep::Handshake:
        m_step = LinkStep::Identify;
        if (m_progressShown) {
            m_prompts.progressChanged(0);
        }
        SendIdentify();
        break;
    case LinkStep::Identify:
        m_step = LinkStep::Password;
        SendPasswordRequest();
        break;
    case LinkStep::Password:
    case LinkStep::Block:
        m_step = LinkStep::Block;
        if (m_mode == TransferMode::Write) {
            NextWriteBlock();
        } else {
            NextReadBlock();
        }
        break;
    case LinkStep::EndBeforeRestart:
        SendHandshake();
        break;
    case LinkStep::FinalEnd:
        FinishTransfer(true);
        break;
    case LinkStep::Idle:
        break;
    }
}

void LinkEngine::StepFailed() {
    const bool blockFailed = m_step == LinkStep::Block;
    if (m_mode == TransferMode::EmbeddedMessage) {
        FinishTransfer(false);
        return;
    }
    if (m_prompts.askRetry(Message::FromText(kNoReply))) {
        RestartLink(blockFailed);
    } else {
        FinishTransfer(false);
    }
}

void LinkEngine::RestartLink(bool resumeFailedBlock) {
    ResetRetries();
    // The next-block step moves on by one block before it sends; stepping back here makes the
    // exchange continue with the block that failed instead of skipping it.
    if (resumeFailedBlock && m_currentAddress >= m_startAddress) {
        m_currentAddress -= TransferRange::kBlockSize;
    }
    m_step = LinkStep::EndBeforeRestart;
    SendEnd();
}

void LinkEngine::FinishTransfer(bool success) {
    if (m_progressShown) {
        m_progressShown = false;
        m_prompts.progressClosed();
    }
    m_timer.stop();
    if (m_port.isOpen()) {
        m_port.close();
    }
    const TransferMode mode = m_mode;
    switch (mode) {
    case TransferMode::Read:
        if (success) {
            ReadCompletion();
        }
        Show(Message::FromText(success ? kReadFinished : kReadFailed));
        break;
    case TransferMode::Write:
        Show(Message::FromText(success ? kWriteFinished : kWriteFailed));
        break;
    case TransferMode::EmbeddedMessage:
        if (success) {
            DecodeEmbeddedInfo(m_image, m_workspace.embedded);
            m_prompts.showEmbeddedInfo(m_workspace.embedded);
        } else {
            Show(Message::FromText(kEmbeddedReadFailed));
        }
        break;
    case TransferMode::Idle:
        break;
    }
    m_step = LinkStep::Idle;
    m_mode = TransferMode::Idle;
    m_prompts.transferFinished(mode, success);
    if (m_finished) {
        m_finished(mode, success);
    }
}

void LinkEngine::ReadCompletion() {
    m_workspace.identity.ModelText = m_radio.ModelText;
    m_workspace.identity.FirmwareVersion = m_radio.FirmwareVersion;
    m_workspace.TakeFromRadio(m_image, m_radio.BandCode, m_radio.BandText);
    // A new configuration clears the radio's status flags; they belong to the radio just read.
    m_workspace.radioKilled = m_radio.RadioKilled;
    m_workspace.radioStunned = m_radio.RadioStunned;
    m_prompts.configurationReplaced();
}

// ---- Events -----------------------------------------------------------------------------

void LinkEngine::OnBytesReceived(std::span<const std::uint8_t> received) {
    if (m_inHandler || m_step == LinkStep::Idle || received.size() < m_echoLength) {
        return;
    }
    HandlerScope scope(m_inHandler);
    Classify(received.subspan(m_echoLength));
}

void LinkEngine::Classify(std::span<const std::uint8_t> reply) {
    // Each reply kind is judged only against the request it answers: a stray frame can never
    // pass over the identification or the password, and "send again" exists only for writes.
    const bool writing = m_mode == TransferMode::Write;
    const bool oneByte = reply.size() == frame::kAckReplyLength;
    if (oneByte && reply[0] == frame::kAck &&
        ((m_step == LinkStep::Block && writing) || m_step == LinkStep::EndBeforeRestart ||
         m_step == LinkStep::FinalEnd)) {
        Advance();
        return;
    }
    if (oneByte && reply[0] == frame::kSendAgain && m_step == LinkStep::Block && writing) {
        m_timer.stop();
        if (++m_sendAgainReplies >= kMaxSendAgainReplies) {
            StepFailed();
        } else {
            SendCurrentBlock();
        }
        return;
    }
    if (m_step == LinkStep::Handshake && Equal(reply, frame::HandshakeReply())) {
        Advance();
        return;
    }
    if (m_step == LinkStep::Identify) {
        if (const auto radio = ParseIdentityReply(reply)) {
            OnIdentity(*radio);
        }
        return;
    }
    if (m_step == LinkStep::Password) {
        if (const auto data = frame::DataOfFrame(reply, kPasswordCheckBlock)) {
            OnPasswordBlock(*data);
        }
        return;
    }
    if (m_step == LinkStep::Block && !writing) {
        if (const auto data = frame::DataOfFrame(reply, m_currentAddress)) {
            m_image.write(m_currentAddress, *data);
            Advance();
        }
    }
}

void LinkEngine::OnIdentity(const RadioIdentity& radio) {
    m_radio = radio;
    m_workspace.radioKilled = radio.RadioKilled;
    m_workspace.radioStunned = radio.RadioStunned;
    m_prompts.radioIdentified(m_radio);
    if (CheckRadio()) {
        Advance();
    } else {
        m_timer.stop();
        FinishTransfer(false);
    }
}

bool LinkEngine::CheckRadio() const {
    bool passed = true;
    if (m_radio.ModelText != kRadioModelText) {
        Show(Shown(kWrongModel));
        passed = false;
    } else if (m_radio.FirmwareVersion != kRadioFirmwareVersion) {
        Show(Shown(kWrongVersion));
        passed = false;
    }
    if (m_mode != TransferMode::Write) {
        return passed;
    }
    if (m_radio.BandCode != m_writeBandCode) {
        Show(Shown(kWrongBand, MessageIcon::Warning));
        passed = false;
    }
    if (!passed) {
        return false;
    }
    if (m_radio.RadioKilled) {
        Show(Shown(kRadioKilled));
        return false;
    }
    if (m_radio.RadioStunned) {
        Show(Shown(kRadioStunned));
        return false;
    }
    return true;
}

void LinkEngine::OnPasswordBlock(std::span<const std::uint8_t> blockData) {
    if (CheckPassword(blockData, m_enteredPassword)) {
        Advance();
        return;
    }
    m_timer.stop();
    if (const auto entered = m_prompts.askPassword(m_enteredPassword)) {
        setEnteredPassword(*entered);
    }
    if (CheckPassword(blockData, m_enteredPassword)) {
        RestartLink(false);
    } else {
        FinishTransfer(false);
    }
}

void LinkEngine::OnReplyTimerExpired() {
    if (m_inHandler || m_step == LinkStep::Idle) {
        return;
    }
    HandlerScope scope(m_inHandler);
    switch (m_step) {
    case LinkStep::Handshake:
        if (m_handshakeRetries-- > 1) {
            SendHandshake();
        } else {
            StepFailed();
        }
        break;
    case LinkStep::Identify:
        if (m_identifyRetries-- > 1) {
            SendIdentify();
        } else {
            StepFailed();
        }
        break;
    case LinkStep::Password:
        if (m_passwordRetries-- > 1) {
            SendPasswordRequest();
        } else {
            StepFailed();
        }
        break;
    case LinkStep::Block: {
        std::int16_t* retries = BlockRetries();
        if (retries != nullptr && --*retries >= 1) {
            SendCurrentBlock();
        } else {
            StepFailed();
        }
        break;
    }
    case LinkStep::EndBeforeRestart:
        if (m_prompts.askRetry(Message::FromText(kNoReply))) {
            SendEnd();
        } else {
            FinishTransfer(false);
        }
        break;
    case LinkStep::FinalEnd:
        // A missing answer to the final END does not spoil a finished transfer.
        FinishTransfer(true);
        break;
    case LinkStep::Idle:
        break;
    }
}

void LinkEngine::Show(const Message& message) const {
    m_prompts.showMessage(message);
}

} // namespace kpt740
