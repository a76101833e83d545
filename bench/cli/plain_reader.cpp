// The same job as c_reader (read the model file, print twenty lines) in C++
// with iostreams: cli_timer shows what they cost a start.
// Usage: plain_reader MODEL.dat
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: plain_reader MODEL.dat\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "cannot open " << argv[1] << "\n";
    return 1;
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  for (int i = 0; i < 20; ++i) {
    std::cout << "Line" << i << '\t' << (lines.empty() ? std::string() : lines[i % lines.size()]) << '\n';
  }
  return std::cout.flush() ? 0 : 1;
}
