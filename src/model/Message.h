#pragma once
// A text for the user, kept as data until it is shown: the context and the
// Japanese source of a translatable template (marked FG_TRANSLATE_NOOP where
// it is defined) with its arguments. The window and the command-line tool
// turn it into the current language with text::format(); the core never
// builds finished texts. A verbatim message is shown as it is (a path, a
// node name, a system's own text). Arguments are messages themselves, so a
// reason inside a message is translated in turn.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

class Message {
public:
    // The empty message: shown as nothing.
    Message() = default;
    // Template `source` of `context`; both have static storage (marked constants).
    Message(const char* context, const char* source) : m_context(context), m_source(source) {}

    // A text shown as it is.
    static Message verbatim(std::string text);

    // Appends the argument that fills the next %n marker.
    Message& arg(std::string_view text) &;
    Message&& arg(std::string_view text) &&;
    Message& arg(Message argument) &;
    Message&& arg(Message argument) &&;

    bool isVerbatim() const { return m_context == nullptr; }
    bool empty() const { return m_context == nullptr && m_source.empty(); }
    // Null for a verbatim message.
    const char* context() const { return m_context; }
    // The template, or the text of a verbatim message.
    const std::string& source() const { return m_source; }
    const std::vector<Message>& arguments() const { return m_arguments; }

    // The Japanese text with its arguments filled in, in one pass (an
    // argument holding "%2" is not filled again). For logs and tests; the
    // user sees text::format().
    std::string sourceText() const;

    friend bool operator==(const Message& a, const Message& b);
    // Writes sourceText(), for logs and test failures.
    friend std::ostream& operator<<(std::ostream& out, const Message& message);

private:
    const char* m_context = nullptr;
    std::string m_source;
    std::vector<Message> m_arguments;
};

}  // namespace fg
