#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/program.h"

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

// What one in-process run of cgcalc-cli gave.
struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun RunWith(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace cli_test
