#include "written_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include "files/atomic_file.h"
#include "files/file_error.h"
#include "messages.h"
#include "options.h"

namespace cli {

ExportError ExportFailure(std::string_view what, const std::string& path, std::string_view reason) {
  return ExportError("cannot write the " + std::string(what) + " to " + DisplayName(path) + ": " +
                     std::string(reason));
}

void ReplaceWrittenFile(std::string_view what, const std::string& path, std::string_view contents) {
  try {
    files::ReplaceFileContents(path, contents);
  } catch (const files::FileError& error) {
    throw ExportFailure(what, path, error.what());
  }
}

std::optional<std::string> InputReplacedBy(const std::string& writtenPath, std::span<const std::string> inputs) {
  struct stat written {};
  if (writtenPath.empty() || ::stat(writtenPath.c_str(), &written) != 0) return std::nullopt;
  for (const std::string& input : inputs) {
    struct stat model {};
    const int found = input == kStandardInput ? ::fstat(STDIN_FILENO, &model) : ::stat(input.c_str(), &model);
    if (found == 0 && model.st_dev == written.st_dev && model.st_ino == written.st_ino) return input;
  }
  return std::nullopt;
}

}  // namespace cli
