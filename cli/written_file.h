#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// The files cgcalc-cli writes besides its report (--diagram, --avl).

// A file could not be written; what() names it.
class ExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The message of a file that cannot be written: "cannot write the WHAT to
// PATH: " (PATH as DisplayName in messages.h shows it) and `reason`.
ExportError ExportFailure(std::string_view what, const std::string& path, std::string_view reason);

// Replaces the file at `path` with `contents` all or nothing, as a saved
// model is replaced: when writing fails, a file already there keeps its old
// contents. Throws ExportFailure(what, path, the file error's text, such as
// "File access denied").
void ReplaceWrittenFile(std::string_view what, const std::string& path, std::string_view contents);

// The model file among `inputs` ("-": standard input) that a file written
// at `writtenPath` would replace: the same file by device and inode, so that
// a link or another spelling of the path counts too. Nothing when it
// replaces none of them (or is not there yet).
std::optional<std::string> InputReplacedBy(const std::string& writtenPath, std::span<const std::string> inputs);

// Whether two paths name one file: the same device and inode where it
// exists (another spelling, a hard link, a symbolic link), and otherwise
// the same name in the same folder, where writing would create it (a
// symbolic link to a missing file counts as the file it names).
bool SameWrittenFile(const std::string& first, const std::string& second);

}  // namespace cli
