#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "files/save_cleanup.h"
#include "output.h"
#include "program.h"

int main(int argc, char** argv) {
  // A reader that goes away (`| head`) is a write error to report, not a
  // signal that ends the program without a word.
  std::signal(SIGPIPE, SIG_IGN);
  // Ctrl-C while --diagram writes leaves no new file beside the image.
  files::RemoveSaveTemporaryOnSignals();
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  cli::FdStreamBuffer output(STDOUT_FILENO);
  std::ostream out(&output);
  return cli::RunCli(arguments, out, std::cerr);
}
