#pragma once

#include <string_view>

namespace files {

// Makes SIGINT, SIGTERM, SIGQUIT and SIGHUP (a closed terminal) remove the
// new file of a save in progress (the hidden ".cgcalc-save-*" file beside
// the target) and then end the program as the signal's default action does; the target keeps its old contents.
// A signal the program ignores or handles itself is left as it is. Call it
// once at start-up, before threads are made.
void RemoveSaveTemporaryOnSignals();

// The record those handlers read: the path of the one new file a save has
// made or is about to make. Only one save at a time is recorded; while one
// is, another save's file is not (that save still removes it on any
// failure, only a signal could leave it behind). The record is forgotten
// when the object goes out of scope.
class SaveTemporaryRecord {
 public:
  SaveTemporaryRecord() = default;
  SaveTemporaryRecord(SaveTemporaryRecord&& other) noexcept;
  SaveTemporaryRecord& operator=(SaveTemporaryRecord&&) = delete;
  ~SaveTemporaryRecord() { Forget(); }

  // Records `path` in place of what this object recorded before; a path
  // longer than the system's limit is not recorded (no file can have it).
  void Note(std::string_view path);
  // Called once the file is gone or has become the target.
  void Forget();

 private:
  bool noted_ = false;
};

}  // namespace files
