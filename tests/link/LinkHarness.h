#pragma once

#include "FakeLink.h"
#include "files/Workspace.h"
#include "link/LinkEngine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace kpt740::test {

// A radio at the far end of the scripted port: answers every request as the protocol says, with
// the cable's echo, and lets a test spoil any reply.
struct FakeRadio {
    RadioImage memory;
    std::string model = "VQ-351";
    std::uint8_t band = 49;
    std::string version = "V100";
    bool killed = false;
    bool stunned = false;
    bool echo = true;
    long long latency = 5;
    // "Send again" answers still to give, by write address.
    std::map<std::size_t, int> sendAgain;
    // Sees every request (counted from 0) with the reply about to go out; may change the reply,
    // clear it (no answer at all) or delay it.
    std::function<void(const Bytes& request, std::size_t index, std::optional<Bytes>& reply,
                       long long& delay)>
        tamper;

    std::vector<Bytes> requests;
    std::vector<std::size_t> reads;  // addresses of the read requests, in order
    std::vector<std::size_t> writes; // addresses of the accepted writes, in order

    std::optional<Arrival> answer(const Bytes& request) {
        const std::size_t index = requests.size();
        requests.push_back(request);
        std::optional<Bytes> reply = replyTo(request);
        long long delay = latency;
        if (tamper) {
            tamper(request, index, reply, delay);
        }
        if (!reply) {
            return std::nullopt;
        }
        Bytes line = echo ? request : Bytes{};
        line.insert(line.end(), reply->begin(), reply->end());
        return Arrival{delay, line};
    }

private:
    std::optional<Bytes> replyTo(const Bytes& request) {
        if (request == frame::Handshake()) {
            return frame::HandshakeReply();
        }
        if (request == frame::Identify()) {
            return IdentityReply(model, band, version, killed, stunned);
        }
        if (request == frame::End()) {
            return Bytes{frame::kAck};
        }
        if (request.size() == 4 && request[0] == frame::kReadCommand) {
            const std::size_t address = (std::size_t{request[1]} << 8) | request[2];
            reads.push_back(address);
            return frame::DataFrame(memory, address);
        }
        if (request.size() == frame::kDataFrameLength && request[0] == frame::kDataFrameMark) {
            const std::size_t address = (std::size_t{request[1]} << 8) | request[2];
            if (auto it = sendAgain.find(address); it != sendAgain.end() && it->second > 0) {
                --it->second;
                return Bytes{frame::kSendAgain};
            }
            memory.write(address, std::span(request).subspan(frame::kFrameData, 16));
            writes.push_back(address);
            return Bytes{frame::kAck};
        }
        return std::nullopt;
    }
};

// A radio memory with recognisable contents everywhere.
inline RadioImage PatternMemory() {
    RadioImage image;
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        image.set(a, static_cast<std::uint8_t>((a * 7 + a / 256) & 0xFF));
    }
    // No programming password (0x4C = 0xFF) unless a test sets one.
    image.set(0x4C, 0xFF);
    return image;
}

// The engine with a scripted radio, a manual clock and recorded prompts.
class LinkTest : public ::testing::Test {
protected:
    LinkTest() {
        radio.memory = PatternMemory();
        port.setResponder([this](const Bytes& written) { return radio.answer(written); });
        engine.setPortNumber(3);
    }

    // Runs the event loop until nothing is pending: bytes arrive in time order, the reply timer
    // fires when no bytes are due before it.
    void run() {
        for (int events = 0; events < 200000; ++events) {
            if (!step()) {
                return;
            }
        }
        FAIL() << "the exchange never settled";
    }

    // One event; false when nothing is pending.
    bool step() {
        const auto arrival = port.nextArrival();
        const auto deadline = timer.deadline();
        if (!arrival && !deadline) {
            return false;
        }
        if (arrival && (!deadline || *arrival <= *deadline)) {
            clock.now = std::max(clock.now, *arrival);
            port.arrive();
        } else {
            clock.now = *deadline;
            timer.fire();
        }
        return true;
    }

    // Runs until the program has just sent `frame`.
    void runUntilSent(const Bytes& frame) {
        for (int events = 0; events < 200000; ++events) {
            if (!port.written.empty() && port.written.back() == frame) {
                return;
            }
            if (!step()) {
                break;
            }
        }
        FAIL() << "the frame was never sent";
    }

    // The frames of a kind the program sent.
    std::size_t countSent(const Bytes& frame) const {
        return static_cast<std::size_t>(
            std::count(port.written.begin(), port.written.end(), frame));
    }

    ManualClock clock;
    ScriptedPort port{clock};
    ManualTimer timer{clock};
    RecordingPrompts prompts;
    Workspace workspace;
    LinkEngine engine{port, timer, prompts, workspace};
    FakeRadio radio;
};

} // namespace kpt740::test
