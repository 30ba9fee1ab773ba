#include "persistence/Messages.h"

#include <cerrno>
#include <system_error>

namespace fg::persistence_text {

std::string cannotRead(std::string_view path) { return fillTemplate(kCannotRead, {path}); }

std::string cannotWrite(std::string_view path, int error) {
    if (error == 0) return fillTemplate(kCannotWrite, {path});
    return fillTemplate(kCannotWriteBecause, {path, fileErrorReason(error)});
}

std::string fileErrorReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return kDiskFull;
    case EFBIG: return kFileTooLarge;
    case EROFS: return kReadOnly;
    case EACCES:
    case EPERM: return kNoPermission;
    case ENOENT: return kNoFolder;
    case ENOTDIR: return kNotAFolder;
    case EISDIR: return kFolderInTheWay;
    case ENAMETOOLONG: return kNameTooLong;
    case EIO: return kDeviceError;
    case EBUSY:
    case ETXTBSY: return kFileBusy;
    default: return fillTemplate(kSystemError, {std::generic_category().message(error)});
    }
}

std::string materialNameNotStorable(std::string_view fileName) {
    return fillTemplate(kMaterialNameNotStorable, {fileName});
}

std::string materialUnreadable(std::string_view fileName) { return fillTemplate(kMaterialUnreadable, {fileName}); }

}  // namespace fg::persistence_text
