// Measures start-up side by side: runs cgcalc's start-up program and a bare
// Qt window (and, when given, a window with a menu and text) in turn, each as
// a fresh process on the offscreen platform, and reports the median wall time
// and peak memory of each and the ratios to cgcalc's (targets: at most 1.3
// times the bare program's time and memory).
// Usage: startup_timer [--runs N] CGCALC_STARTUP BARE_WINDOW [TEXT_WINDOW]
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
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
  // The offscreen platform's remarks on stderr would drown the report.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
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

void Report(const char* name, const std::vector<Sample>& samples, const std::vector<Sample>* program) {
  const double time = Median(samples, &Sample::milliseconds);
  const double memory = Median(samples, &Sample::peakKilobytes);
  std::printf("%-22s %8.1f ms  %8.0f KiB peak", name, time, memory);
  if (program) {
    std::printf("   cgcalc / this: time %.2f  memory %.2f", Median(*program, &Sample::milliseconds) / time,
                Median(*program, &Sample::peakKilobytes) / memory);
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> programs;
  int runs = 21;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      programs.push_back(argument);
    }
  }
  if (programs.size() < 2 || programs.size() > 3) {
    std::fprintf(stderr, "usage: startup_timer [--runs N] CGCALC_STARTUP BARE_WINDOW [TEXT_WINDOW]\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::vector<std::vector<Sample>> samples(programs.size());
  for (const std::string& program : programs) RunOnce(program.c_str());  // warm the file cache
  for (int run = 0; run < runs; ++run) {
    for (std::size_t p = 0; p < programs.size(); ++p) samples[p].push_back(RunOnce(programs[p].c_str()));
  }
  std::printf("runs each: %d (target: cgcalc at most 1.3 times the bare window)\n", runs);
  Report("cgcalc start-up:", samples[0], nullptr);
  Report("bare Qt window:", samples[1], &samples[0]);
  if (samples.size() > 2) Report("window with menu, text:", samples[2], &samples[0]);
  return 0;
}
