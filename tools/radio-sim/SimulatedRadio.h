#pragma once

#include "core/RadioImage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kpt740::sim {

// What the simulated radio says about itself in its identification reply.
struct RadioIdentity {
    std::string model = "VQ-351"; // at most 7 characters
    std::uint8_t bandCode = 49;
    std::string version = "V100"; // at most 4 characters
    bool killed = false;
    bool stunned = false;
};

// Faults injected on purpose. A count of 0 switches its fault off; counts are 1-based, so
// "every 3" hits the 3rd, 6th, ... occurrence.
struct FaultPlan {
    int dropEvery = 0;               // requests of any kind: ignored as if never received
    int corruptEvery = 0;            // read replies: one data byte or the checksum altered
    int nakEvery = 0;                // writes: answered 0x0A and not stored
    bool echo = true;                // the cable's echo of every byte the program sends
    std::optional<long> silentAfter; // no answer at all after this many requests
};

// Bytes the cable hands back to the program, in order: an echo of bytes the program sent or a
// reply of the radio (the pseudo-terminal server delays replies, never echoes).
struct SimOutput {
    enum class Kind { Echo, Reply };
    Kind kind = Kind::Echo;
    std::vector<std::uint8_t> bytes;
    bool operator==(const SimOutput&) const = default;
};

// Counters of what the radio received and did, for logs and tests.
struct SimStats {
    long requests = 0; // complete frames, including those dropped or not answered
    long handshakes = 0;
    long identifications = 0;
    long reads = 0;
    long writes = 0; // write frames judged (stored, refused by a fault, or bad)
    long stored = 0;
    long ends = 0;
    long dropped = 0;
    long corrupted = 0;
    long naks = 0;    // 0x0A answers, from the fault or from a bad frame
    long ignored = 0; // frames with an address outside the memory, and silence
};

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x0A;
inline constexpr std::uint8_t kIdentifyCommand = 0x02;
inline constexpr std::uint8_t kReadCommand = 0x52;   // "R"
inline constexpr std::uint8_t kDataFrameMark = 0x57; // "W"
inline constexpr std::string_view kHandshake = "PROGRAM";
inline constexpr std::string_view kEndCommand = "END";
inline constexpr std::size_t kIdentityReplySize = 16;
// The largest data length the radio takes in one frame; the program always uses 16.
inline constexpr std::size_t kMaxFrameData = 64;

// The byte sum modulo 256 that closes a data frame.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> bytes);
// "W", address high and low, n, the n image bytes, checksum, 0x06.
std::vector<std::uint8_t> BuildDataFrame(const RadioImage& image, std::size_t address,
                                         std::size_t length);
std::vector<std::uint8_t> BuildIdentityReply(const RadioIdentity& identity);

// The radio behind its programming cable: takes the bytes the program sends, as they arrive
// and in pieces of any size, and answers as the radio does, with the faults of its plan. It does
// no I/O and keeps no time; the pseudo-terminal server feeds it and paces what it returns.
class SimulatedRadio {
public:
    using Logger = std::function<void(const std::string&)>;

    SimulatedRadio(RadioImage image, RadioIdentity identity, FaultPlan faults = {});

    std::vector<SimOutput> receive(std::span<const std::uint8_t> bytes);
    // The program stopped sending in the middle of a frame: forget the partial frame, as the
    // radio's receiver does after a pause.
    void discardPartialFrame();
    bool hasPartialFrame() const { return !m_input.empty(); }
    // The program closed the port: the radio leaves programming mode.
    void hangUp();

    bool programming() const { return m_programming; }
    const RadioImage& image() const { return m_image; }
    // True while stored writes have not yet been saved.
    bool modified() const { return m_modified; }
    void markSaved() { m_modified = false; }
    // True once after END closed a session that stored data.
    bool takeWriteSessionEnded();
    const SimStats& stats() const { return m_stats; }
    void setLogger(Logger logger) { m_log = std::move(logger); }

private:
    enum class FrameKind { Handshake, Identify, Read, Write, End };
    struct Frame {
        FrameKind kind;
        std::vector<std::uint8_t> bytes;
    };

    std::optional<Frame> takeFrame();
    std::optional<std::vector<std::uint8_t>> answer(const Frame& frame);
    std::optional<std::vector<std::uint8_t>> answerRead(const Frame& frame);
    std::optional<std::vector<std::uint8_t>> answerWrite(const Frame& frame);
    void log(const std::string& text) const;

    RadioImage m_image;
    RadioIdentity m_identity;
    FaultPlan m_faults;
    SimStats m_stats;
    std::vector<std::uint8_t> m_input;
    bool m_programming = false;
    bool m_storedInSession = false;
    bool m_writeSessionEnded = false;
    bool m_modified = false;
    Logger m_log;
};

} // namespace kpt740::sim
