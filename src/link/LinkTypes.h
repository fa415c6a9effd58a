#pragma once

#include <cstdint>

namespace kpt740 {

// What the running exchange does; Idle when none runs.
enum class TransferMode : std::int32_t { Idle = 0, Read = 1, Write = 2, EmbeddedMessage = 3 };

// The reply the link is waiting for.
enum class LinkStep : std::int16_t {
    Idle = 0,
    Handshake = 1,
    Identify = 2,
    Password = 3,
    Block = 4,
    EndBeforeRestart = 45,
    FinalEnd = 69,
};

// How a command that starts an exchange came out.
enum class StartResult {
    Started,      // the exchange runs; its end is reported through the prompts
    Busy,         // another exchange is running: refused, nothing changed
    PortFailed,   // the port could not be opened (text 2002 shown)
    Declined,     // the user cancelled at the confirmation
    EncodeFailed, // an encoder failed (its message shown): nothing sent
};

enum class YesNoCancel { Yes, No, Cancel };

inline constexpr int kReplyTimeoutMs = 300;
inline constexpr std::int16_t kSendsPerRequest = 3;
// A block answered "send again" this many times in a row counts as a failed step.
inline constexpr int kMaxSendAgainReplies = 16;

} // namespace kpt740
