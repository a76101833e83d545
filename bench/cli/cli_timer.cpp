// Measures cgcalc-cli as a whole process: `cgcalc-cli --labels MODEL.dat`
// against two programs that only read the same file and print twenty lines:
// c_reader, in plain C with stdio (the yardstick: the least any program
// pays to start, read and print), and plain_reader, in C++ with iostreams.
// The three run in turn, each as a fresh process with its output thrown
// away, the rounds forward and backward in turn; the report gives the median wall time, CPU time and peak memory of
// each, and cgcalc-cli's ratios to c_reader (targets: at most 1.0 for the
// time, 1.3 for the memory), the time's also as the median of the ratios
// within each round, which load on the machine disturbs least.
// Usage: cli_timer [--runs N] [CGCALC_CLI C_READER PLAIN_READER MODEL.dat]
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

constexpr double kTimeTarget = 1.0;
constexpr double kMemoryTarget = 1.3;

struct Sample {
  double milliseconds = 0;     // wall time from the start to the reaped end
  double cpuMilliseconds = 0;  // user and system time, less disturbed by other load
  double peakKilobytes = 0;
};

double Milliseconds(const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; }

Sample RunOnce(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const auto begin = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(2);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", argv[0]);
    std::exit(2);
  }
  return {std::chrono::duration<double, std::milli>(end - begin).count(),
          Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime), static_cast<double>(usage.ru_maxrss)};
}

double Median(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(sample.*field);
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double MedianPairRatio(const std::vector<Sample>& numerators, const std::vector<Sample>& denominators) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < numerators.size(); ++i) {
    ratios.push_back(numerators[i].milliseconds / denominators[i].milliseconds);
  }
  std::sort(ratios.begin(), ratios.end());
  return ratios[ratios.size() / 2];
}

const char* Verdict(double ratio, double target) { return ratio <= target ? "met" : "NOT met"; }

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> paths;
  int runs = 201;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      paths.push_back(argument);
    }
  }
  if (paths.empty()) paths = {CGCALC_CLI_PATH, C_READER_PATH, PLAIN_READER_PATH, CGCALC_MODEL_PATH};
  if (paths.size() != 4) {
    std::fprintf(stderr, "usage: cli_timer [--runs N] [CGCALC_CLI C_READER PLAIN_READER MODEL.dat]\n");
    return 2;
  }
  const std::string& model = paths[3];
  const std::vector<std::string> commands[] = {{paths[0], "--labels", model}, {paths[1], model}, {paths[2], model}};
  const char* names[] = {"cgcalc-cli --labels", "c_reader", "plain_reader"};
  std::vector<Sample> samples[3];
  for (const auto& command : commands) RunOnce(command);  // warm the file cache
  // A program started right after another one runs faster than the other
  // did (a quarter, on a virtual machine whose fresh memory is dear): the
  // rounds run forward and backward in turn, so that each follows each other
  // as often.
  for (int run = 0; run < runs; ++run) {
    for (int turn = 0; turn < 3; ++turn) {
      const int program = run % 2 == 0 ? turn : 2 - turn;
      samples[program].push_back(RunOnce(commands[program]));
    }
  }
  std::printf("runs each: %d, model %s\n", runs, model.c_str());
  std::printf("%-22s %8s %8s %10s\n", "", "wall ms", "CPU ms", "peak KiB");
  for (int program = 0; program < 3; ++program) {
    std::printf("%-22s %8.3f %8.3f %10.0f\n", names[program], Median(samples[program], &Sample::milliseconds),
                Median(samples[program], &Sample::cpuMilliseconds), Median(samples[program], &Sample::peakKilobytes));
  }
  const auto ratio = [&](int program, double Sample::*field) {
    return Median(samples[0], field) / Median(samples[program], field);
  };
  const double time = MedianPairRatio(samples[0], samples[1]);
  const double memory = ratio(1, &Sample::peakKilobytes);
  std::printf("cgcalc-cli / c_reader: wall time %.2f (target %.1f: %s), peak memory %.2f (target %.1f: %s)\n", time,
              kTimeTarget, Verdict(time, kTimeTarget), memory, kMemoryTarget, Verdict(memory, kMemoryTarget));
  std::printf("  medians' ratio %.2f, CPU time %.2f; plain_reader / c_reader: wall time %.2f\n",
              ratio(1, &Sample::milliseconds), ratio(1, &Sample::cpuMilliseconds),
              MedianPairRatio(samples[2], samples[1]));
  return 0;
}
