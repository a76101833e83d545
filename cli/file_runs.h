#pragma once

#include "options.h"
#include "output.h"

namespace cli {

// Evaluates every model file of the options (the command line's, then
// --files-from's), each on its own, and writes each one's output as soon as
// it is ready; a failing file is reported on `err` as
// "cgcalc-cli: FILE: message." and never stops the run. A write error on
// `out` ends the run at once. Returns the exit status.
int RunFiles(const Options& options, Output& out, Output& err);

}  // namespace cli
