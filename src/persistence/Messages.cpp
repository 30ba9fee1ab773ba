#include "persistence/Messages.h"

#include <cerrno>
#include <system_error>

namespace fg::persistence_text {

std::string cannotRead(std::string_view path) { return fillTemplate(kCannotRead, {path}); }

std::string cannotWrite(std::string_view path, int error) {
    if (error == 0) return fillTemplate(kCannotWrite, {path});
    return fillTemplate(kCannotWriteBecause, {path, fileErrorReason(error)});
}

std::string fileErrorReason(int error) { return fileErrorMessage(error).sourceText(); }

Message fileErrorMessage(int error) {
    const auto text = [](const char* source) { return Message("fg::persistence_text", source); };
    switch (error) {
    case ENOSPC:
    case EDQUOT: return text(kDiskFull);
    case EFBIG: return text(kFileTooLarge);
    case EROFS: return text(kReadOnly);
    case EACCES:
    case EPERM: return text(kNoPermission);
    case ENOENT: return text(kNoFolder);
    case ENOTDIR: return text(kNotAFolder);
    case EISDIR: return text(kFolderInTheWay);
    case ENAMETOOLONG: return text(kNameTooLong);
    case EIO: return text(kDeviceError);
    case EBUSY:
    case ETXTBSY: return text(kFileBusy);
    default: return text(kSystemError).arg(std::generic_category().message(error));
    }
}

std::string materialNameNotStorable(std::string_view fileName) {
    return fillTemplate(kMaterialNameNotStorable, {fileName});
}

std::string materialUnreadable(std::string_view fileName) { return fillTemplate(kMaterialUnreadable, {fileName}); }

}  // namespace fg::persistence_text
