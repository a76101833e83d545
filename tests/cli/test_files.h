#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/program.h"
#include "expected_labels.h"

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

// A recorded output names the test data folder as DATA/, so that it holds
// wherever the sources lie.
inline constexpr std::string_view kDataMark = "DATA/";

// tests/data/expected/<name> with DATA/ as the test data folder.
inline std::string Recorded(const std::string& name) {
  std::string text = test_support::ExpectedFile(name);
  const std::string folder = std::string(CGCALC_TEST_DATA_DIR) + "/";
  for (std::size_t at = text.find(kDataMark); at != std::string::npos; at = text.find(kDataMark, at + folder.size())) {
    text.replace(at, kDataMark.size(), folder);
  }
  return text;
}

// An output as it is recorded: the test data folder named DATA/.
inline std::string AsRecorded(std::string text) {
  const std::string folder = std::string(CGCALC_TEST_DATA_DIR) + "/";
  for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at + kDataMark.size())) {
    text.replace(at, folder.size(), kDataMark);
  }
  return text;
}

}  // namespace cli_test
