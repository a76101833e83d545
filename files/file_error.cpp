#include "file_error.h"

#include <cerrno>
#include <cstring>
#include <iterator>
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

namespace {

struct FileErrorWords {
  int code;
  const char* german;  // UTF-8
  const char* english;
};

constexpr int Unlisted(int errnoValue) { return kUnlistedErrnoBase + errnoValue; }

// Every code the program's file operations give, also those of an errno
// without a classic number of its own.
constexpr FileErrorWords kFileErrorWords[] = {
    {kFileNotFound, "Datei nicht gefunden", "File not found"},
    {kPathNotFound, "Ung\u00fcltiger Dateiname", "Invalid filename"},
    {kTooManyOpenFiles, "Zu viele offene Dateien", "Too many open files"},
    {kAccessDenied, "Zugriff auf die Datei verweigert", "File access denied"},
    {kSharingViolation, "Die Datei wird von einem anderen Programm benutzt", "The file is in use by another program"},
    {kDiskFull, "Kein Platz mehr auf dem Datentr\u00e4ger", "No space left on the device"},
    {kInvalidName, "Der Name ist dort nicht g\u00fcltig", "The name is not valid there"},
    {kFilenameTooLong, "Der Dateiname ist zu lang", "The file name is too long"},
    {kFileTooLarge, "Die Datei w\u00fcrde gr\u00f6\u00dfer, als das System erlaubt",
     "The file would grow larger than the system allows"},
    {kDeviceIoError, "Das Ger\u00e4t konnte die Daten nicht lesen oder schreiben",
     "The device could not read or write the data"},
    {Unlisted(EFBIG), "Die Datei ist zu gro\u00df, um sie sicher neu zu schreiben",
     "The file is too large to rewrite safely"},
    {Unlisted(ENXIO), "Niemand nimmt die Daten an (eine Pipe, die keiner liest, oder ein fehlendes Ger\u00e4t)",
     "Nothing takes the data (a pipe nobody reads, or a missing device)"},
    {Unlisted(EINTR), "Der Vorgang wurde unterbrochen", "The operation was interrupted"},
    {Unlisted(EAGAIN), "Die Datei ist gerade belegt; bitte noch einmal versuchen", "The file is busy; please try again"},
    {Unlisted(ENOMEM), "Nicht genug Arbeitsspeicher", "Not enough memory"},
    {Unlisted(EBADF), "Die Datei war nicht mehr ge\u00f6ffnet", "The file was no longer open"},
    {Unlisted(EEXIST), "Eine Datei dieses Namens gibt es schon", "A file of that name exists already"},
    {Unlisted(EXDEV), "Die Datei liegt auf einem anderen Ger\u00e4t", "The file lies on another device"},
    {Unlisted(ENODEV), "Das Ger\u00e4t ist nicht vorhanden", "The device is not there"},
    {Unlisted(EMLINK), "Die Datei hat zu viele Verkn\u00fcpfungen", "The file has too many links"},
    {Unlisted(EOVERFLOW), "Die Datei ist zu gro\u00df", "The file is too large"},
    {Unlisted(EOPNOTSUPP), "Das Dateisystem kann das nicht", "The file system cannot do this"},
    {Unlisted(EILSEQ), "Der Name passt nicht zur Zeichenkodierung des Dateisystems",
     "The name does not suit the file system's character encoding"},
    {Unlisted(ETIMEDOUT), "Das Netzwerk hat nicht rechtzeitig geantwortet", "The network did not answer in time"},
    {Unlisted(ESTALE), "Die Netzwerkdatei ist nicht mehr vorhanden", "The network file is no longer there"},
};

}  // namespace

std::string FileErrorText(int code, MessageLanguage language) {
  const bool german = language == MessageLanguage::German;
  for (const FileErrorWords& words : kFileErrorWords) {
    if (words.code == code) return german ? words.german : words.english;
  }
  // An errno nobody expected: the system's own description, which needs
  // no locale and is in English.
  const char* described = code > kUnlistedErrnoBase ? ::strerrordesc_np(code - kUnlistedErrnoBase) : nullptr;
  if (described != nullptr) return std::string(german ? "Das System meldet: " : "The system says: ") + described;
  return german ? "Unbekannter Dateifehler" : "Unknown file error";
}

FileError::FileError(int code, FileOperation operation)
    : std::runtime_error(FileErrorText(code)), code_(code), operation_(operation) {}

FileError::FileError(int code, FileOperation operation, const std::string& message)
    : std::runtime_error(message), code_(code), operation_(operation) {}

FileError FileErrorFromErrno(int errnoValue, FileOperation operation) {
  return FileError(FileErrorCode(errnoValue, operation), operation);
}

namespace {

struct RefusalWords {
  Refusal refusal;
  const char* german;  // after the name, UTF-8
  const char* english;
};

constexpr RefusalWords kRefusalWords[] = {
    {Refusal::TooLarge, " ist zu gro\u00df f\u00fcr eine Modelldatei", " is too large for a model file"},
    {Refusal::NamedPipe, " ist eine Named Pipe, keine Modelldatei", " is a named pipe, not a model file"},
    {Refusal::Device, " ist ein Ger\u00e4t, keine Modelldatei", " is a device, not a model file"},
    {Refusal::Folder, " ist ein Ordner, keine Modelldatei", " is a folder, not a model file"},
    {Refusal::Socket, " ist ein Socket, keine Modelldatei", " is a socket, not a model file"},
    {Refusal::Special, " ist eine besondere Datei, keine Modelldatei", " is a special file, not a model file"},
};

constexpr bool RefusalsInKindOrder() {
  for (std::size_t i = 0; i < std::size(kRefusalWords); ++i) {
    if (static_cast<std::size_t>(kRefusalWords[i].refusal) != i) return false;
  }
  return true;
}
static_assert(RefusalsInKindOrder(), "kRefusalWords is indexed by Refusal");

}  // namespace

std::string RefusalText(Refusal refusal, std::string_view name, MessageLanguage language) {
  const RefusalWords& words = kRefusalWords[static_cast<std::size_t>(refusal)];
  return std::string(name) + (language == MessageLanguage::German ? words.german : words.english);
}

ModelFileRefused::ModelFileRefused(Refusal refusal, std::string_view name)
    : FileError(kNotAModelFile, refusal == Refusal::TooLarge ? FileOperation::Read : FileOperation::Open,
                RefusalText(refusal, name)),
      refusal_(refusal) {}

}  // namespace files
