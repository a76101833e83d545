#pragma once

#include "options.h"
#include "output.h"

namespace cli {

// Evaluates the one model file with the --sweep fields varied, writing the
// points' rows in order, a block of them at a time. With --vlm the points
// of a block are shared among options.threads threads (0: one per core);
// the output is the same for any count. A point that fails is a row with
// its error; only the model file itself fails the run (reported on `err`
// as "cgcalc-cli: FILE: message."), and so does an exception while a point
// is computed (memory exhaustion): reported the same way after the rows
// before its block. A write error on `out` ends the run after the block.
// Returns the exit status.
int RunSweep(const Options& options, Output& out, Output& err);

}  // namespace cli
