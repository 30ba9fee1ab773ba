#pragma once
// Where a message of the core becomes text: in the current language, with
// its arguments translated in turn and filled in one pass.

#include <QString>

#include <string>

#include "model/Message.h"

namespace fg::text {

QString format(const Message& message);
std::string formatUtf8(const Message& message);

}  // namespace fg::text
