#include <csignal>
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
  // Ctrl-C, or a closed terminal, while --diagram writes leaves no new file
  // beside the image.
  files::RemoveSaveTemporaryOnSignals();
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  // No iostreams: the first stream would set up the C++ locales, a fifth of
  // a short run.
  cli::FdOutput out(STDOUT_FILENO);
  cli::FdOutput err(STDERR_FILENO, true);
  return cli::RunCli(arguments, out, err);
}
