#pragma once

#include <iosfwd>

#include "options.h"

namespace cli {

// Evaluates the one model file with the --sweep fields varied, writing each
// point's row as soon as it is ready. A point that fails is a row with its
// error; only the model file itself fails the run (reported on `err` as
// "cgcalc-cli: FILE: message."). A write error on `out` ends the run at
// once. Returns the exit status.
int RunSweep(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace cli
