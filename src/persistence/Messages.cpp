#include "persistence/Messages.h"

#include <cerrno>
#include <system_error>

namespace fg::persistence_text {

Message message(const char* text) { return Message(kContext, text); }

Message programName() { return Message::verbatim(kProgramName); }

Message cannotRead(std::string_view path) { return message(kCannotRead).arg(path); }

Message cannotWrite(std::string_view path, int error) {
    if (error == 0) return message(kCannotWrite).arg(path);
    return message(kCannotWriteBecause).arg(path).arg(fileErrorReason(error));
}

Message fileErrorReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return message(kDiskFull);
    case EFBIG: return message(kFileTooLarge);
    case EROFS: return message(kReadOnly);
    case EACCES:
    case EPERM: return message(kNoPermission);
    case ENOENT: return message(kNoFolder);
    case ENOTDIR: return message(kNotAFolder);
    case EISDIR: return message(kFolderInTheWay);
    case ENAMETOOLONG: return message(kNameTooLong);
    case EIO: return message(kDeviceError);
    case EBUSY:
    case ETXTBSY: return message(kFileBusy);
    // The system's own words, in its own language.
    default: return message(kSystemError).arg(std::generic_category().message(error));
    }
}

Message materialNameNotStorable(std::string_view fileName) {
    return message(kMaterialNameNotStorable).arg(fileName);
}

Message materialUnreadable(std::string_view fileName) { return message(kMaterialUnreadable).arg(fileName); }

}  // namespace fg::persistence_text
