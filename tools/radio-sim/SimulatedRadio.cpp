#include "SimulatedRadio.h"

#include <algorithm>
#include <cstdio>

namespace kpt740::sim {

namespace {

// The radio's handshake answer: its short model mark and the acknowledgement.
constexpr std::uint8_t kHandshakeReply[] = {0x56, 0x51, kAck}; // "VQ" 0x06
constexpr std::uint8_t kIdentityMark = 0x49;                   // "I"
constexpr std::size_t kModelWidth = 7;
constexpr std::size_t kVersionWidth = 4;
constexpr std::size_t kModelOffset = 1;
constexpr std::size_t kBandOffset = 8;
constexpr std::size_t kVersionOffset = 9;
constexpr std::size_t kFeatureOffset = 13;
constexpr std::size_t kStatusOffset = 14;
constexpr std::uint8_t kStatusKilled = 0x01;
constexpr std::uint8_t kStatusStunned = 0x02;
// Unused text positions read as erased memory.
constexpr std::uint8_t kTextPad = 0xFF;

// Header of a read request or data frame: mark, address high, address low, length.
constexpr std::size_t kHeaderSize = 4;
// A data frame is its header, the data, the checksum and the closing 0x06.
constexpr std::size_t kDataFrameOverhead = kHeaderSize + 2;

enum class Match { Complete, Partial, No };

Match MatchText(const std::vector<std::uint8_t>& input, std::string_view text) {
    const std::size_t n = std::min(input.size(), text.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (input[i] != static_cast<std::uint8_t>(text[i])) {
            return Match::No;
        }
    }
    return n == text.size() ? Match::Complete : Match::Partial;
}

std::size_t AddressOf(const std::vector<std::uint8_t>& frame) {
    return static_cast<std::size_t>(frame[1]) << 8 | frame[2];
}

std::string Hex(std::size_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04zX", value);
    return text;
}

} // namespace

std::uint8_t FrameChecksum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes) {
        sum += b;
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::vector<std::uint8_t> BuildDataFrame(const RadioImage& image, std::size_t address,
                                         std::size_t length) {
    const auto data = image.view(address, length);
    std::vector<std::uint8_t> frame;
    frame.reserve(data.size() + 6);
    frame.push_back(kDataFrameMark);
    frame.push_back(static_cast<std::uint8_t>(address >> 8));
    frame.push_back(static_cast<std::uint8_t>(address & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(length));
    for (const std::uint8_t b : data) {
        frame.push_back(b);
    }
    frame.push_back(FrameChecksum(std::span(frame).subspan(1)));
    frame.push_back(kAck);
    return frame;
}

std::vector<std::uint8_t> BuildIdentityReply(const RadioIdentity& identity) {
    std::vector<std::uint8_t> reply(kIdentityReplySize, kTextPad);
    reply[0] = kIdentityMark;
    for (std::size_t i = 0; i < kModelWidth && i < identity.model.size(); ++i) {
        reply[kModelOffset + i] = static_cast<std::uint8_t>(identity.model[i]);
    }
    reply[kBandOffset] = identity.bandCode;
    for (std::size_t i = 0; i < kVersionWidth && i < identity.version.size(); ++i) {
        reply[kVersionOffset + i] = static_cast<std::uint8_t>(identity.version[i]);
    }
    reply[kFeatureOffset] = 0x00;
    reply[kStatusOffset] = static_cast<std::uint8_t>((identity.killed ? kStatusKilled : 0) |
                                                     (identity.stunned ? kStatusStunned : 0));
    reply[kIdentityReplySize - 1] = kAck;
    return reply;
}

SimulatedRadio::SimulatedRadio(RadioImage image, RadioIdentity identity, FaultPlan faults)
    : m_image(image), m_identity(std::move(identity)), m_faults(faults) {}

std::vector<SimOutput> SimulatedRadio::receive(std::span<const std::uint8_t> bytes) {
    std::vector<SimOutput> out;
    std::size_t echoedUpTo = 0;
    // The cable echoes each byte as it goes out, so a reply follows the echo of the frame it
    // answers and comes before the echo of anything sent after that frame.
    auto echoUpTo = [&](std::size_t end) {
        if (m_faults.echo && end > echoedUpTo) {
            out.push_back({SimOutput::Kind::Echo,
                           {bytes.begin() + static_cast<std::ptrdiff_t>(echoedUpTo),
                            bytes.begin() + static_cast<std::ptrdiff_t>(end)}});
        }
        echoedUpTo = end;
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        m_input.push_back(bytes[i]);
        while (auto frame = takeFrame()) {
            echoUpTo(i + 1);
            if (auto reply = answer(*frame)) {
                out.push_back({SimOutput::Kind::Reply, std::move(*reply)});
            }
        }
    }
    echoUpTo(bytes.size());
    return out;
}

void SimulatedRadio::discardPartialFrame() {
    if (!m_input.empty()) {
        log("discarded " + std::to_string(m_input.size()) + " bytes of an unfinished frame");
        m_input.clear();
    }
}

void SimulatedRadio::hangUp() {
    m_input.clear();
    m_programming = false;
    m_storedInSession = false;
}

bool SimulatedRadio::takeWriteSessionEnded() {
    const bool ended = m_writeSessionEnded;
    m_writeSessionEnded = false;
    return ended;
}

std::optional<SimulatedRadio::Frame> SimulatedRadio::takeFrame() {
    while (!m_input.empty()) {
        const std::uint8_t first = m_input.front();
        std::optional<FrameKind> kind;
        std::size_t length = 0;
        Match match = Match::No;
        auto text = [&](std::string_view expected, FrameKind textKind) {
            match = MatchText(m_input, expected);
            kind = textKind;
            length = expected.size();
        };
        auto fixed = [&](std::size_t size, FrameKind fixedKind) {
            kind = fixedKind;
            length = size;
            match = m_input.size() >= size ? Match::Complete : Match::Partial;
        };
        // Outside programming mode the radio listens for the handshake only.
        if (first == static_cast<std::uint8_t>(kHandshake.front())) {
            text(kHandshake, FrameKind::Handshake);
        } else if (!m_programming) {
            match = Match::No;
        } else if (first == kIdentifyCommand) {
            fixed(1, FrameKind::Identify);
        } else if (first == kReadCommand) {
            fixed(kHeaderSize, FrameKind::Read);
        } else if (first == kDataFrameMark) {
            if (m_input.size() < kHeaderSize) {
                match = Match::Partial;
            } else if (const std::size_t n = m_input[3]; n > 0 && n <= kMaxFrameData) {
                fixed(n + kDataFrameOverhead, FrameKind::Write);
            }
        } else if (first == static_cast<std::uint8_t>(kEndCommand.front())) {
            text(kEndCommand, FrameKind::End);
        }

        if (match == Match::No) {
            m_input.erase(m_input.begin()); // not the start of a frame: resynchronise
            continue;
        }
        if (match == Match::Partial || !kind) {
            return std::nullopt;
        }
        Frame frame{*kind,
                    {m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(length)}};
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(length));
        return frame;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> SimulatedRadio::answer(const Frame& frame) {
    const long request = ++m_stats.requests;
    if (m_faults.silentAfter && request > *m_faults.silentAfter) {
        ++m_stats.ignored;
        log("request " + std::to_string(request) + ": silent");
        return std::nullopt;
    }
    if (m_faults.dropEvery > 0 && request % m_faults.dropEvery == 0) {
        ++m_stats.dropped;
        log("request " + std::to_string(request) + ": dropped (fault)");
        return std::nullopt;
    }
    switch (frame.kind) {
    case FrameKind::Handshake:
        ++m_stats.handshakes;
        m_programming = true;
        log("handshake");
        return std::vector<std::uint8_t>(std::begin(kHandshakeReply), std::end(kHandshakeReply));
    case FrameKind::Identify:
        ++m_stats.identifications;
        log("identification");
        return BuildIdentityReply(m_identity);
    case FrameKind::Read:
        return answerRead(frame);
    case FrameKind::Write:
        return answerWrite(frame);
    case FrameKind::End:
        ++m_stats.ends;
        m_programming = false;
        if (m_storedInSession) {
            m_writeSessionEnded = true;
            m_storedInSession = false;
        }
        log("END");
        return std::vector<std::uint8_t>{kAck};
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> SimulatedRadio::answerRead(const Frame& frame) {
    const std::size_t address = AddressOf(frame.bytes);
    const std::size_t length = frame.bytes[3];
    if (length == 0 || length > kMaxFrameData || address + length > RadioImage::kSize) {
        ++m_stats.ignored;
        log("read " + Hex(address) + " length " + std::to_string(length) + ": not answered");
        return std::nullopt;
    }
    ++m_stats.reads;
    std::vector<std::uint8_t> reply = BuildDataFrame(m_image, address, length);
    if (m_faults.corruptEvery > 0 && m_stats.reads % m_faults.corruptEvery == 0) {
        const long n = ++m_stats.corrupted;
        // Alternate between a data byte (so the sum no longer matches) and the checksum itself:
        // the program must reject both.
        const std::size_t at = n % 2 == 1 ? kHeaderSize + static_cast<std::size_t>(n / 2) % length
                                          : kHeaderSize + length;
        reply[at] ^= 0x01;
        log("read " + Hex(address) + ": reply corrupted (fault)");
    } else {
        log("read " + Hex(address));
    }
    return reply;
}

std::optional<std::vector<std::uint8_t>> SimulatedRadio::answerWrite(const Frame& frame) {
    const std::size_t address = AddressOf(frame.bytes);
    const std::size_t length = frame.bytes[3];
    const auto body = std::span(frame.bytes).subspan(1, kHeaderSize - 1 + length);
    const std::uint8_t checksum = frame.bytes[kHeaderSize + length];
    const std::uint8_t closing = frame.bytes[kHeaderSize + length + 1];
    if (address + length > RadioImage::kSize) {
        ++m_stats.ignored;
        log("write " + Hex(address) + ": outside the memory, not answered");
        return std::nullopt;
    }
    ++m_stats.writes;
    if (FrameChecksum(body) != checksum || closing != kAck) {
        ++m_stats.naks;
        log("write " + Hex(address) + ": bad checksum or ending, answered 0x0A");
        return std::vector<std::uint8_t>{kNak};
    }
    if (m_faults.nakEvery > 0 && m_stats.writes % m_faults.nakEvery == 0) {
        ++m_stats.naks;
        log("write " + Hex(address) + ": answered 0x0A (fault)");
        return std::vector<std::uint8_t>{kNak};
    }
    m_image.write(address, std::span(frame.bytes).subspan(kHeaderSize, length));
    ++m_stats.stored;
    m_modified = true;
    m_storedInSession = true;
    log("write " + Hex(address));
    return std::vector<std::uint8_t>{kAck};
}

void SimulatedRadio::log(const std::string& text) const {
    if (m_log) {
        m_log(text);
    }
}

} // namespace kpt740::sim
