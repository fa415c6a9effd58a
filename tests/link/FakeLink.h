#pragma once

#include "core/RadioImage.h"
#include "link/LinkFrames.h"
#include "link/LinkPrompts.h"
#include "link/ReceiveAccumulator.h"
#include "link/ReplyTimer.h"
#include "link/SerialPort.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kpt740::test {

// The test's clock: milliseconds that pass only when the event loop below says so.
struct ManualClock {
    long long now = 0;
};

// A one-shot timer on the manual clock.
class ManualTimer final : public ReplyTimer {
public:
    explicit ManualTimer(ManualClock& clock) : m_clock(clock) {}
    void start(int milliseconds) override { m_deadline = m_clock.now + milliseconds; }
    void stop() override { m_deadline.reset(); }
    std::optional<long long> deadline() const { return m_deadline; }
    void fire() {
        m_deadline.reset();
        expire();
    }

private:
    ManualClock& m_clock;
    std::optional<long long> m_deadline;
};

// Bytes the radio side puts on the line, arriving at a time of the manual clock.
struct Arrival {
    long long time = 0;
    Bytes bytes;
};

// A serial port whose other end is a function: every frame written is answered by the radio
// script, with the cable's echo in front unless the script says otherwise.
class ScriptedPort final : public SerialPort {
public:
    // Returns the bytes the line carries back for a frame (echo included), and their delay.
    using Responder = std::function<std::optional<Arrival>(const Bytes& written)>;

    explicit ScriptedPort(ManualClock& clock) : m_clock(clock) {}

    void setResponder(Responder responder) { m_responder = std::move(responder); }
    void setOpenFails(bool fails) { m_openFails = fails; }

    bool configure(const SerialSettings& settings) override {
        m_settings = settings;
        return true;
    }
    bool open(int portNumber) override {
        ++opens;
        if (m_openFails || portNumber <= 0) {
            return false;
        }
        m_open = true;
        openedNumber = portNumber;
        return true;
    }
    bool isOpen() const override { return m_open; }
    void close() override {
        m_open = false;
        m_accumulator.clear();
        m_arrivals.clear();
    }
    void setReceiveThreshold(std::size_t bytes) override { m_accumulator.setThreshold(bytes); }
    bool discardBuffers() override {
        m_accumulator.clear();
        return true;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (!m_open) {
            return false;
        }
        written.emplace_back(bytes.begin(), bytes.end());
        writtenAt.push_back(m_clock.now);
        if (m_responder) {
            if (auto arrival = m_responder(written.back())) {
                arrival->time += m_clock.now;
                // Kept in time order; bytes due at the same time arrive in the order sent.
                auto at = m_arrivals.begin();
                while (at != m_arrivals.end() && at->time <= arrival->time) {
                    ++at;
                }
                m_arrivals.insert(at, std::move(*arrival));
            }
        }
        return true;
    }

    std::optional<long long> nextArrival() const {
        if (m_arrivals.empty()) {
            return std::nullopt;
        }
        return m_arrivals.front().time;
    }
    // Lets the earliest pending bytes arrive; they reach the engine once the threshold waits.
    void arrive() {
        Arrival arrival = std::move(m_arrivals.front());
        m_arrivals.pop_front();
        if (auto all = m_accumulator.add(arrival.bytes)) {
            deliver(*all);
        }
    }

    // Bytes that reach the engine at once, bypassing the threshold (as a misbehaving adapter
    // or a nested event loop might).
    void inject(const Bytes& bytes) { deliver(bytes); }

    const SerialSettings& settings() const { return m_settings; }

    std::vector<Bytes> written;
    std::vector<long long> writtenAt;
    int opens = 0;
    int openedNumber = 0;

private:
    ManualClock& m_clock;
    Responder m_responder;
    ReceiveAccumulator m_accumulator;
    std::deque<Arrival> m_arrivals;
    SerialSettings m_settings{0, 'X', 0, 0, false};
    bool m_open = false;
    bool m_openFails = false;
};

// Queued answers for every question, and a record of everything shown.
class RecordingPrompts final : public LinkPrompts {
public:
    void showMessage(const Message& message) override { messages.push_back(message); }
    bool confirm(const Message& question) override {
        questions.push_back(question);
        if (duringConfirm) {
            duringConfirm();
        }
        return confirmAnswer;
    }
    YesNoCancel askSaveFirst(const Message& question) override {
        questions.push_back(question);
        return saveAnswer;
    }
    void saveConfiguration() override { ++saves; }
    bool askRetry(const Message& message) override {
        retryPrompts.push_back(message);
        if (duringRetry) {
            duringRetry();
        }
        if (retryAnswers.empty()) {
            return false;
        }
        const bool answer = retryAnswers.front();
        retryAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> askPassword(std::string_view entered) override {
        passwordPrefills.emplace_back(entered);
        if (passwordAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = passwordAnswers.front();
        passwordAnswers.pop_front();
        return answer;
    }
    void showEmbeddedInfo(const EmbeddedInfo& info) override { embeddedShown.push_back(info); }
    void progressOpened(TransferMode, const BuiltInText& title, const BuiltInText&) override {
        progressTitles.push_back(title);
    }
    void progressChanged(int percent) override { progress.push_back(percent); }
    void progressClosed() override { ++progressCloses; }
    void radioIdentified(const RadioIdentity& radio) override { identified.push_back(radio); }
    void configurationReplaced() override { ++replaced; }
    void transferFinished(TransferMode mode, bool success) override {
        finished.push_back({mode, success});
    }

    std::function<void()> duringRetry;
    std::function<void()> duringConfirm;
    bool confirmAnswer = true;
    YesNoCancel saveAnswer = YesNoCancel::No;
    std::deque<bool> retryAnswers;
    std::deque<std::optional<std::string>> passwordAnswers;

    std::vector<Message> messages;
    std::vector<Message> questions;
    std::vector<Message> retryPrompts;
    std::vector<std::string> passwordPrefills;
    std::vector<EmbeddedInfo> embeddedShown;
    std::vector<BuiltInText> progressTitles;
    std::vector<int> progress;
    std::vector<RadioIdentity> identified;
    std::vector<std::pair<TransferMode, bool>> finished;
    int saves = 0;
    int progressCloses = 0;
    int replaced = 0;
};

} // namespace kpt740::test
