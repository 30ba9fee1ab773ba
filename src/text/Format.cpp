#include "text/Format.h"

#include <QCoreApplication>

namespace fg::text {

QString format(const Message& message) {
    if (message.isVerbatim()) return QString::fromStdString(message.source());
    const QString pattern = QCoreApplication::translate(message.context(), message.source().c_str());
    const std::vector<Message>& arguments = message.arguments();
    // One pass, so an argument holding "%2" is not filled again; a marker
    // without an argument stays as it is.
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1].unicode() - u'1');
            if (index < arguments.size()) {
                out += format(arguments[index]);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string formatUtf8(const Message& message) { return format(message).toStdString(); }

}  // namespace fg::text
