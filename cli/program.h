#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "messages.h"
#include "output.h"

namespace cli {

// The whole program for the arguments after its name: the report goes to
// `out`, messages to `err`, and the exit status (messages.h) is returned. A
// failure prints "cgcalc-cli: FILE: message." (as "File not found.") to
// `err` and nothing at all to `out`.
int RunCli(const std::vector<std::string>& arguments, Output& out, Output& err);

// The same into streams (stream_output.cpp), for callers that collect it.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace cli
