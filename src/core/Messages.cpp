#include "core/Messages.h"

#include <algorithm>

namespace kpt740 {

bool RecordingMessageSink::contains(const Message& message) const {
    return std::find(m_messages.begin(), m_messages.end(), message) != m_messages.end();
}

void EncodeContext::fail(std::string_view encoderName) {
    m_ok = false;
    m_sink.show(Message::Literal(std::string(encoderName) + "Error"));
}

} // namespace kpt740
