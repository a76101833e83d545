#include "present/file_messages.h"

#include <cstddef>
#include <iterator>

namespace present {
namespace {

using files::kUnlistedErrnoBase;
using files::Refusal;

struct FileErrorCaption {
  int code;
  Caption caption;
};

// Every code that has words of its own, in the order of files::kFileErrorWords.
constexpr FileErrorCaption kFileErrorCaptions[] = {
    {files::kFileNotFound, &Texts::fileNotFound},
    {files::kPathNotFound, &Texts::filePathNotFound},
    {files::kTooManyOpenFiles, &Texts::fileTooManyOpen},
    {files::kAccessDenied, &Texts::fileAccessDenied},
    {files::kSharingViolation, &Texts::fileInUse},
    {files::kDiskFull, &Texts::fileDiskFull},
    {files::kInvalidName, &Texts::fileInvalidName},
    {files::kFilenameTooLong, &Texts::fileNameTooLong},
    {files::kFileTooLarge, &Texts::fileTooLargeForSystem},
    {files::kDeviceIoError, &Texts::fileDeviceFailed},
    {kUnlistedErrnoBase + EFBIG, &Texts::fileTooLargeToRewrite},
    {kUnlistedErrnoBase + ENXIO, &Texts::fileNobodyTakesData},
    {kUnlistedErrnoBase + EINTR, &Texts::fileInterrupted},
    {kUnlistedErrnoBase + EAGAIN, &Texts::fileBusy},
    {kUnlistedErrnoBase + ENOMEM, &Texts::fileOutOfMemory},
    {kUnlistedErrnoBase + EBADF, &Texts::fileNotOpen},
    {kUnlistedErrnoBase + EEXIST, &Texts::fileExists},
    {kUnlistedErrnoBase + EXDEV, &Texts::fileOnOtherDevice},
    {kUnlistedErrnoBase + ENODEV, &Texts::fileNoDevice},
    {kUnlistedErrnoBase + EMLINK, &Texts::fileTooManyLinks},
    {kUnlistedErrnoBase + EOVERFLOW, &Texts::fileTooLarge},
    {kUnlistedErrnoBase + EOPNOTSUPP, &Texts::fileSystemCannot},
    {kUnlistedErrnoBase + EILSEQ, &Texts::fileNameEncoding},
    {kUnlistedErrnoBase + ETIMEDOUT, &Texts::fileNetworkTimeout},
    {kUnlistedErrnoBase + ESTALE, &Texts::fileNetworkGone},
};

// A code files gives words to and the windows do not would show the
// unknown file error; English words other than files' would make the
// windows and cgcalc-cli disagree.
constexpr bool SameCodesAndEnglishAsFiles() {
  if (std::size(kFileErrorCaptions) != std::size(files::kFileErrorWords)) return false;
  for (std::size_t i = 0; i < std::size(kFileErrorCaptions); ++i) {
    const FileErrorCaption& row = kFileErrorCaptions[i];
    if (row.code != files::kFileErrorWords[i].code) return false;
    if (In(row.caption, Language::English) != std::string_view(files::kFileErrorWords[i].english)) return false;
  }
  return true;
}
static_assert(SameCodesAndEnglishAsFiles(), "kFileErrorCaptions follows files::kFileErrorWords");

struct RefusalCaption {
  Refusal refusal;
  Caption caption;
};

constexpr RefusalCaption kRefusalCaptions[] = {
    {Refusal::TooLarge, &Texts::refusedTooLarge},
    {Refusal::NamedPipe, &Texts::refusedNamedPipe},
    {Refusal::Device, &Texts::refusedDevice},
    {Refusal::Folder, &Texts::refusedFolder},
    {Refusal::Socket, &Texts::refusedSocket},
    {Refusal::Special, &Texts::refusedSpecial},
};

static_assert(InKindOrder(kRefusalCaptions, &RefusalCaption::refusal), "kRefusalCaptions is indexed by Refusal");
constexpr bool EveryRefusalWithFilesEnglish() {
  if (std::size(kRefusalCaptions) != std::size(files::kRefusalEnglish)) return false;
  for (const RefusalCaption& row : kRefusalCaptions) {
    if (In(row.caption, Language::English) != std::string_view(files::RefusalEnglish(row.refusal))) return false;
  }
  return true;
}
static_assert(EveryRefusalWithFilesEnglish(), "kRefusalCaptions gives every Refusal, in files' English");

}  // namespace

std::string FileErrorText(int code, Language language) {
  for (const FileErrorCaption& row : kFileErrorCaptions) {
    if (row.code == code) return std::string(In(row.caption, language));
  }
  if (const char* described = files::SystemDescription(code)) {
    return std::string(In(&Texts::fileSystemSays, language)) + described;
  }
  return std::string(In(&Texts::fileErrorUnknown, language));
}

std::string RefusalText(Refusal refusal, std::string_view name, Language language) {
  return std::string(name) + std::string(In(kRefusalCaptions[static_cast<std::size_t>(refusal)].caption, language));
}

}  // namespace present
