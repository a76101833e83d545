#pragma once

#include <string>
#include <string_view>

namespace files {

// Gives the file at `path` exactly `contents`, all or nothing: the bytes go
// into a new file in the same folder, are flushed to the disk, and only then
// does that file take the place of the old one in one step. When anything
// fails, the old file is left as it was and the new file is removed again.
//
// - A symbolic link is followed: the file it finally names gets the contents
//   and the link stays a link.
// - A replaced file keeps its permission bits (and, where the system allows,
//   its owner and group); a new file gets 0666 less the umask, as a plain
//   create would give it.
// - A device or pipe (anything but a plain file or a folder) is written to
//   directly, since replacing it would be wrong and it cannot be torn.
// - A file the user may not write to is refused ("File access denied") as
//   overwriting it in place would be, although the folder would allow the
//   replacement.
//
// Throws FileError: FileOperation::Create when the target cannot be
// examined or the new file cannot be made (a missing folder gives
// "Invalid filename"), Write or Close when writing or flushing it fails,
// Replace when it cannot take the target's place (a folder gives
// "File access denied").
void ReplaceFileContents(const std::string& path, std::string_view contents);

}  // namespace files
