#include "file_error.h"

#include <cerrno>
#include <string>

namespace files {

int FileErrorCode(int errnoValue, FileOperation operation) {
  switch (errnoValue) {
    case ENOENT:
      // Opening an existing file: the file is missing. Creating one: the
      // folder it should go into is missing.
      return operation == FileOperation::Open ? kFileNotFound : kPathNotFound;
    case ENOTDIR:
    case ELOOP:
      return kPathNotFound;
    case EMFILE:
    case ENFILE:
      return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return kAccessDenied;
    case EBUSY:
    case ETXTBSY:
      return kSharingViolation;
    case ENOSPC:
    case EDQUOT:
      return kDiskFull;
    case EINVAL:
      return kInvalidName;
    case ENAMETOOLONG:
      return kFilenameTooLong;
    case EIO:
      return kDeviceIoError;
    default:
      return kUnlistedErrnoBase + errnoValue;
  }
}

std::string FileErrorText(int code) {
  switch (code) {
    case kFileNotFound:
      return "File not found";
    case kPathNotFound:
      return "Invalid filename";
    case kTooManyOpenFiles:
      return "Too many open files";
    case kAccessDenied:
      return "File access denied";
    default:
      return "I/O error " + std::to_string(code);
  }
}

FileError::FileError(int code, FileOperation operation)
    : std::runtime_error(FileErrorText(code)), code_(code), operation_(operation) {}

FileError FileErrorFromErrno(int errnoValue, FileOperation operation) {
  return FileError(FileErrorCode(errnoValue, operation), operation);
}

}  // namespace files
