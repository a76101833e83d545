// Measures cgcalc's start-up against a plain Qt form with the same widgets:
// runs the two programs in pairs, each as a fresh process on the offscreen
// platform, alternating which goes first, and reports for each the median
// wall time from start to its first filled window and the median peak
// memory (max RSS), and cgcalc's ratios to the form's (targets: time at
// most 1.10, memory at most 1.05). Both programs run unchanged; the probe
// library, preloaded into both, ends each once its main window is filled.
// Usage: startup_timer [--runs N] [--probe LIBRARY] CGCALC REFERENCE_FORM
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

constexpr double kTimeTarget = 1.10;
constexpr double kMemoryTarget = 1.05;

struct Sample {
  double milliseconds = 0;
  double peakKilobytes = 0;
};

Sample RunOnce(const std::string& program) {
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  // The offscreen platform's remarks on stderr would drown the report.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto begin = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    std::exit(2);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed or its window was never filled\n", program.c_str());
    std::exit(2);
  }
  return {std::chrono::duration<double, std::milli>(end - begin).count(), static_cast<double>(usage.ru_maxrss)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <class Field>
std::vector<double> Column(const std::vector<Sample>& samples, Field field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(sample.*field);
  return values;
}

template <class Field>
std::vector<double> PairRatios(const std::vector<Sample>& program, const std::vector<Sample>& form, Field field) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < program.size(); ++i) ratios.push_back(program[i].*field / form[i].*field);
  return ratios;
}

// Ratio of the medians, with the median of the pairs' own ratios beside it:
// far apart, the machine was busy with something else during the runs.
template <class Field>
void ReportRatio(const char* what, const std::vector<Sample>& program, const std::vector<Sample>& form, Field field,
                 double target) {
  const double ratio = Median(Column(program, field)) / Median(Column(form, field));
  std::printf("%s ratio cgcalc / form: %.3f (median of the pairs' ratios %.3f; target at most %.2f: %s)\n", what,
              ratio, Median(PairRatios(program, form, field)), target, ratio <= target ? "met" : "NOT met");
}

struct Options {
  int runs = 41;
  std::string probe = CGCALC_STARTUP_PROBE;
  std::vector<std::string> programs;
};

Options ReadOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--runs" && i + 1 < argc) {
      options.runs = std::max(1, std::atoi(argv[++i]));
    } else if (argument == "--probe" && i + 1 < argc) {
      options.probe = argv[++i];
    } else {
      options.programs.push_back(argument);
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ReadOptions(argc, argv);
  if (options.programs.size() != 2) {
    std::fprintf(stderr, "usage: startup_timer [--runs N] [--probe LIBRARY] CGCALC REFERENCE_FORM\n");
    return 2;
  }
  if (access(options.probe.c_str(), R_OK) != 0) {
    std::fprintf(stderr, "no probe library at %s\n", options.probe.c_str());
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("LD_PRELOAD", options.probe.c_str(), 1);
  const std::string& program = options.programs[0];
  const std::string& form = options.programs[1];
  RunOnce(program);  // warm the file cache
  RunOnce(form);
  std::vector<Sample> programSamples;
  std::vector<Sample> formSamples;
  for (int run = 0; run < options.runs; ++run) {
    // Each goes first in every other pair, so neither gains from the other's
    // leftovers in the caches.
    if (run % 2 == 0) {
      programSamples.push_back(RunOnce(program));
      formSamples.push_back(RunOnce(form));
    } else {
      formSamples.push_back(RunOnce(form));
      programSamples.push_back(RunOnce(program));
    }
  }
  std::printf("pairs: %d, medians\n", options.runs);
  std::printf("cgcalc:          %8.1f ms to the filled window  %8.0f KiB peak  (%s)\n",
              Median(Column(programSamples, &Sample::milliseconds)),
              Median(Column(programSamples, &Sample::peakKilobytes)), program.c_str());
  std::printf("reference form:  %8.1f ms to the filled window  %8.0f KiB peak  (%s)\n",
              Median(Column(formSamples, &Sample::milliseconds)), Median(Column(formSamples, &Sample::peakKilobytes)),
              form.c_str());
  ReportRatio("time:  ", programSamples, formSamples, &Sample::milliseconds, kTimeTarget);
  ReportRatio("memory:", programSamples, formSamples, &Sample::peakKilobytes, kMemoryTarget);
  return 0;
}
