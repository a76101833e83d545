#pragma once

#include <string>
#include <string_view>

namespace cli {

class Output;

// The exit statuses of cgcalc-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a file error or an arithmetic failure
inline constexpr int kExitUsage = 2;    // the command line cannot be used

// Prints "cgcalc-cli: " and `message` (with the hint to --help) and returns
// the usage exit status.
int UsageError(const std::string& message, Output& err);

// Reports that `out` cannot be written and returns the failure status.
int WriteError(const Output& out, Output& err);

// How a path is named in messages and headings: "standard input" for "-";
// a name with control characters or bytes that are not UTF-8 quoted for
// the shell, as GNU tools quote names in their messages ('a'$'\n''b',
// 'caf'$'\351'), so that it can neither forge a line nor drive the
// terminal; any other name as it is.
std::string DisplayName(std::string_view path);

// "cgcalc-cli: NAME: message." on `err`; a message that begins with the
// name already ("NAME is a folder, not a model file") is not named twice.
void ReportFailure(std::string_view path, std::string_view message, Output& err);

}  // namespace cli
