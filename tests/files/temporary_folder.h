#pragma once

#include <string>
#include <vector>

#include "calc/model.h"

namespace files_test {

// A fresh folder under the system's temporary folder, removed with all its
// contents (read-only parts included) when the object goes out of scope.
class TemporaryFolder {
 public:
  TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder();

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // The names in the folder, sorted; reveals left-over temporary files.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string DataFile(const std::string& name);

// The default model: the fields as the window starts with them.
calc::TModelData DefaultModel();

}  // namespace files_test
