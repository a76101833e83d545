#include "file_error.h"

#include <cerrno>
#include <cstring>
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
    case EFBIG:
      return operation == FileOperation::Write ? kFileTooLarge : kUnlistedErrnoBase + EFBIG;
    default:
      return kUnlistedErrnoBase + errnoValue;
  }
}

const char* SystemDescription(int code) {
  return code > kUnlistedErrnoBase ? ::strerrordesc_np(code - kUnlistedErrnoBase) : nullptr;
}

std::string FileErrorText(int code) {
  if (const char* english = FileErrorEnglish(code)) return english;
  if (const char* described = SystemDescription(code)) return std::string(kSystemSaysEnglish) + described;
  return kUnknownFileErrorEnglish;
}

FileError::FileError(int code, FileOperation operation)
    : std::runtime_error(FileErrorText(code)), code_(code), operation_(operation) {}

FileError::FileError(int code, FileOperation operation, const std::string& message)
    : std::runtime_error(message), code_(code), operation_(operation) {}

FileError FileErrorFromErrno(int errnoValue, FileOperation operation) {
  return FileError(FileErrorCode(errnoValue, operation), operation);
}

std::string RefusalText(Refusal refusal, std::string_view name) { return std::string(name) + RefusalEnglish(refusal); }

ModelFileRefused::ModelFileRefused(Refusal refusal, std::string_view name)
    : FileError(kNotAModelFile, refusal == Refusal::TooLarge ? FileOperation::Read : FileOperation::Open,
                RefusalText(refusal, name)),
      refusal_(refusal) {}

}  // namespace files
