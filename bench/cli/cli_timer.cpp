// Measures cgcalc-cli as a whole process: `cgcalc-cli --labels MODEL.dat`
// against plain_reader, which only reads the same file and prints twenty
// lines. The two run in turn, each as a fresh process with its output thrown
// away; the report gives the median wall time and peak memory of each and the
// ratios cgcalc-cli / plain_reader (targets: at most 0.7 for the time, 1.3
// for the memory).
// Usage: cli_timer [--runs N] [CGCALC_CLI PLAIN_READER MODEL.dat]
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
#include <utility>
#include <vector>

extern char** environ;

namespace {

constexpr double kTimeTarget = 0.7;
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
  if (paths.empty()) paths = {CGCALC_CLI_PATH, PLAIN_READER_PATH, CGCALC_MODEL_PATH};
  if (paths.size() != 3) {
    std::fprintf(stderr, "usage: cli_timer [--runs N] [CGCALC_CLI PLAIN_READER MODEL.dat]\n");
    return 2;
  }
  const std::vector<std::string> cli = {paths[0], "--labels", paths[2]};
  const std::vector<std::string> plain = {paths[1], paths[2]};
  RunOnce(cli);  // warm the file cache
  RunOnce(plain);
  std::vector<Sample> cliSamples, plainSamples;
  for (int run = 0; run < runs; ++run) {
    cliSamples.push_back(RunOnce(cli));
    plainSamples.push_back(RunOnce(plain));
  }
  std::printf("runs each: %d, model %s\n", runs, paths[2].c_str());
  std::printf("%-22s %8s %8s %10s\n", "", "wall ms", "CPU ms", "peak KiB");
  const std::pair<const char*, const std::vector<Sample>*> rows[] = {{"cgcalc-cli --labels", &cliSamples},
                                                                     {"plain_reader", &plainSamples}};
  for (const auto& [name, samples] : rows) {
    std::printf("%-22s %8.2f %8.2f %10.0f\n", name, Median(*samples, &Sample::milliseconds),
                Median(*samples, &Sample::cpuMilliseconds), Median(*samples, &Sample::peakKilobytes));
  }
  const double time = Median(cliSamples, &Sample::milliseconds) / Median(plainSamples, &Sample::milliseconds);
  const double cpu = Median(cliSamples, &Sample::cpuMilliseconds) / Median(plainSamples, &Sample::cpuMilliseconds);
  const double memory = Median(cliSamples, &Sample::peakKilobytes) / Median(plainSamples, &Sample::peakKilobytes);
  std::printf("cgcalc-cli / plain_reader: wall time %.2f (target %.1f: %s), peak memory %.2f (target %.1f: %s)\n",
              time, kTimeTarget, Verdict(time, kTimeTarget), memory, kMemoryTarget, Verdict(memory, kMemoryTarget));
  // Other load on the machine stretches wall times; the CPU times and the
  // ratio within each pair of neighbouring runs show how much of a miss that is.
  std::printf("  CPU time %.2f, wall time per pair of runs %.2f\n", cpu, MedianPairRatio(cliSamples, plainSamples));
  return 0;
}
