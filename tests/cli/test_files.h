#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace cli_test {

// A model or other file of the test data folder.
inline std::string DataFile(const std::string& name) { return std::string(CGCALC_TEST_DATA_DIR) + "/" + name; }

// A whole file's bytes; empty when it cannot be read.
inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace cli_test
