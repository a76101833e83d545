#include <iostream>
#include <string>
#include <vector>

#include "run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return cli::RunCli(arguments, std::cout, std::cerr);
}
