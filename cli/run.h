#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "files/model_reader.h"

namespace cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a file error or an arithmetic failure
inline constexpr int kExitUsage = 2;    // the command line cannot be used

// Reads the model file at `path`, or standard input for "-", and tells
// whether it looks like a model file. Throws files::FileError (a refused
// file as files::ModelFileRefused) or calc::ArithmeticFailure.
files::ModelFileReading LoadModel(const std::string& path);

// The whole program for the arguments after its name: the report goes to
// `out`, messages to `err`, and the exit status is returned. A failure
// prints "cgcalc-cli: FILE: message." (as "File not found.") to `err` and
// nothing at all to `out`.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace cli
