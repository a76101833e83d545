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

FileError::FileError(int code, FileOperation operation, const std::string& message)
    : std::runtime_error(message), code_(code), operation_(operation) {}

FileError FileErrorFromErrno(int errnoValue, FileOperation operation) {
  return FileError(FileErrorCode(errnoValue, operation), operation);
}

std::string RefusalText(Refusal refusal, std::string_view name) {
  std::string text(name);
  switch (refusal) {
    case Refusal::TooLarge:
      return text + " is too large for a model file";
    case Refusal::NamedPipe:
      return text + " is a named pipe, not a model file";
    case Refusal::Device:
      return text + " is a device, not a model file";
    case Refusal::Folder:
      return text + " is a folder, not a model file";
    case Refusal::Socket:
      return text + " is a socket, not a model file";
    case Refusal::Special:
      break;
  }
  return text + " is a special file, not a model file";
}

ModelFileRefused::ModelFileRefused(Refusal refusal, std::string_view name)
    : FileError(kNotAModelFile, refusal == Refusal::TooLarge ? FileOperation::Read : FileOperation::Open,
                RefusalText(refusal, name)),
      refusal_(refusal) {}

}  // namespace files
