#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kpt740 {

enum class TextSection { Other, Option, Msg };

// A text of the language files, looked up by the one who shows the message.
struct TextRef {
    TextSection section = TextSection::Other;
    int id = 0;
    bool operator==(const TextRef&) const = default;
};

// A message held in the program itself in three variants, chosen by the language index.
struct BuiltInText {
    std::string_view english;
    std::string_view simplified;
    std::string_view traditional;
    std::string_view forLanguage(int languageIndex) const {
        return languageIndex == 2 ? simplified : languageIndex == 3 ? traditional : english;
    }
    bool operator==(const BuiltInText&) const = default;
};

enum class MessageIcon { None, Information, Warning, Question, Critical };

struct Message {
    std::variant<std::string, TextRef, BuiltInText> text;
    MessageIcon icon = MessageIcon::None;

    static Message Literal(std::string text, MessageIcon icon = MessageIcon::None) {
        return {std::move(text), icon};
    }
    static Message FromText(int otherId, MessageIcon icon = MessageIcon::None) {
        return {TextRef{TextSection::Other, otherId}, icon};
    }
    bool operator==(const Message&) const = default;
};

// Where the model's messages go: message boxes in the GUI, stderr in the CLI, a list in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

// Drops every message.
class NullMessageSink final : public MessageSink {
public:
    void show(const Message&) override {}
};

// Keeps every message, for tests and for callers that report later.
class RecordingMessageSink final : public MessageSink {
public:
    void show(const Message& message) override { m_messages.push_back(message); }
    const std::vector<Message>& messages() const { return m_messages; }
    bool contains(const Message& message) const;
    void clear() { m_messages.clear(); }

private:
    std::vector<Message> m_messages;
};

// Carries the encode-ok flag and the message sink through the encoders of one write.
class EncodeContext {
public:
    explicit EncodeContext(MessageSink& sink) : m_sink(sink) {}

    bool ok() const { return m_ok; }
    MessageSink& sink() { return m_sink; }
    void show(const Message& message) { m_sink.show(message); }
    // An encoder met an internal error: "<name>Error" is shown and nothing will be sent.
    void fail(std::string_view encoderName);

private:
    MessageSink& m_sink;
    bool m_ok = true;
};

} // namespace kpt740
