#include "model/Message.h"

#include <cstring>
#include <ostream>

namespace fg {

Message Message::verbatim(std::string text) {
    Message message;
    message.m_source = std::move(text);
    return message;
}

Message& Message::arg(std::string_view text) & {
    m_arguments.push_back(verbatim(std::string(text)));
    return *this;
}

Message&& Message::arg(std::string_view text) && { return std::move(arg(text)); }

Message& Message::arg(Message argument) & {
    m_arguments.push_back(std::move(argument));
    return *this;
}

Message&& Message::arg(Message argument) && { return std::move(arg(std::move(argument))); }

std::string Message::sourceText() const {
    if (isVerbatim()) return m_source;
    std::string out;
    out.reserve(m_source.size());
    for (std::size_t i = 0; i < m_source.size(); ++i) {
        const char next = i + 1 < m_source.size() ? m_source[i + 1] : '\0';
        if (m_source[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < m_arguments.size()) {
                out += m_arguments[index].sourceText();
                ++i;
                continue;
            }
        }
        out += m_source[i];
    }
    return out;
}

bool operator==(const Message& a, const Message& b) {
    const bool sameContext = a.m_context == b.m_context ||
                             (a.m_context != nullptr && b.m_context != nullptr &&
                              std::strcmp(a.m_context, b.m_context) == 0);
    return sameContext && a.m_source == b.m_source && a.m_arguments == b.m_arguments;
}

std::ostream& operator<<(std::ostream& out, const Message& message) { return out << message.sourceText(); }

}  // namespace fg
