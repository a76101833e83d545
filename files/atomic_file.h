#pragma once

#include <string>
#include <string_view>

namespace files {

// Gives the file at `path` exactly `contents`, in one of two ways.
//
// Replaced atomically - the bytes go into a new file in the same folder,
// are flushed to the disk, and only then does that file take the place of
// the old one in one step (the folder is flushed after) - where that loses
// nothing: the target does not exist yet, or it is a regular file (not a
// symbolic link) with a single name, owned by the saving user, without
// extended attributes or an access control list, in a folder where the new
// file can be made. The replacement gets the old file's permission bits and
// group; a new file gets 0666 less the umask, as a plain create gives it.
// When anything fails, the old file is left as it was and the new file is
// removed again.
//
// Rewritten in place otherwise - `path` is opened for writing as given
// (created if missing), so the system follows a symbolic link itself and
// applies its protections for links in shared folders; the bytes are
// written, the file is cut to their length and flushed. Owner, group, mode,
// access control list, attributes and every hard link stay as they were.
// This is also the way when the new file cannot be made beside the target
// (a folder the user may not write, a read-only or full file system, a path
// at the length limit) or cannot take its place (a file mounted over).
//
// A device or pipe (anything but a plain file or a folder) is written to
// directly; a pipe nobody reads fails at once instead of blocking.
//
// A file the user may not write to is refused ("File access denied") as
// overwriting it in place would be, although its folder would allow a
// replacement.
//
// Throws FileError: FileOperation::Create when the target cannot be
// examined or opened, or the new file cannot be made or given the old
// file's mode (a missing folder gives "Invalid filename", a folder as the
// target "File access denied"), Write when writing, cutting or flushing
// fails, Close when closing fails, Replace when the new file cannot take the
// target's place.
void ReplaceFileContents(const std::string& path, std::string_view contents);

}  // namespace files
