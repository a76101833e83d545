// Measures start-up side by side: runs cgcalc's start-up program and a bare
// Qt window alternately, each as a fresh process on the offscreen platform,
// and reports the median wall time and peak memory of each and their ratio
// (targets: at most 1.3 times the bare program's time and memory).
// Usage: startup_timer CGCALC_STARTUP BARE_WINDOW [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double milliseconds = 0;
  long peakKilobytes = 0;
};

Sample RunOnce(const char* program) {
  char* argv[] = {const_cast<char*>(program), nullptr};
  const auto begin = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program, nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program);
    std::exit(2);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", program);
    std::exit(2);
  }
  return {std::chrono::duration<double, std::milli>(end - begin).count(), usage.ru_maxrss};
}

template <class Field>
double Median(std::vector<Sample> samples, Field field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(static_cast<double>(sample.*field));
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_timer CGCALC_STARTUP BARE_WINDOW [RUNS]\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
  std::vector<Sample> program;
  std::vector<Sample> bare;
  RunOnce(argv[1]);  // warm the file cache for both before measuring
  RunOnce(argv[2]);
  for (int i = 0; i < runs; ++i) {
    program.push_back(RunOnce(argv[1]));
    bare.push_back(RunOnce(argv[2]));
  }
  const double programTime = Median(program, &Sample::milliseconds);
  const double bareTime = Median(bare, &Sample::milliseconds);
  const double programMemory = Median(program, &Sample::peakKilobytes);
  const double bareMemory = Median(bare, &Sample::peakKilobytes);
  std::printf("runs each:           %d\n", runs);
  std::printf("cgcalc start-up:     %8.1f ms  %8.0f KiB peak\n", programTime, programMemory);
  std::printf("bare Qt window:      %8.1f ms  %8.0f KiB peak\n", bareTime, bareMemory);
  std::printf("ratio (target <=1.3): time %.2f  memory %.2f\n", programTime / bareTime, programMemory / bareMemory);
  return 0;
}
