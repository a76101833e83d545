// --vlm in every format, against the outputs recorded in tests/data/expected/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/program.h"
#include "cli/stream_output.h"
#include "cli/sweep_run.h"
#include "cli/texts_in_order.h"
#include "test_files.h"

namespace cli {
namespace {

using cli_test::AsRecorded;
using cli_test::DataFile;
using cli_test::Recorded;

struct VlmRun {
  const char* expected;  // the file in tests/data/expected
  std::vector<std::string> arguments;
};

// `before`, then the models named.
std::vector<std::string> With(std::vector<std::string> before, std::initializer_list<const char*> models) {
  for (const char* model : models) before.push_back(DataFile(model));
  return before;
}

// The default model, a flying wing and a canard (whose tailplane lies ahead
// of the wing: a warning), a planform the lattice cannot solve (a negative
// tip chord), a model that fails, and sweeps whose points include a failing
// one and a canard.
const auto kSeveral = {"default.dat", "flying_wing.dat", "aero/canard.dat"};
const auto kAll = {"default.dat", "flying_wing.dat", "aero/canard.dat", "empty.dat", "negative_tip_chord.dat"};
const VlmRun kVlmRuns[] = {
    {"vlm.table", With({}, kSeveral)},
    {"vlm-canard-de.table", With({"--language=de"}, {"aero/canard.dat"})},
    {"vlm-negative-tip-chord.table", With({}, {"negative_tip_chord.dat"})},
    {"vlm.labels", With({"--labels"}, kSeveral)},
    {"vlm-canard.json", With({"--json"}, {"aero/canard.dat"})},
    {"vlm.csv", With({"--csv"}, kAll)},
    {"vlm.jsonl", With({"--jsonl"}, kAll)},
    {"vlm-sweep-B.csv", With({"--sweep", "B=0:1300:650", "--cg", "80"}, {"default.dat"})},
    {"vlm-sweep-Rh.jsonl", With({"--sweep", "Rh=-700:300:500", "--jsonl"}, {"default.dat"})},
    // The rule governs the default model, the lattice the swept flying wing
    // and the canard.
    {"vlm-balance-cg95.labels", With({"--labels", "--cg", "95"}, {"default.dat", "aero/swept-flying-wing.dat",
                                                                   "aero/canard.dat"})},
    {"vlm-balance-cg95.table", With({"--cg", "95"}, {"default.dat"})},
};

// With CGCALC_RECORD set in the environment the outputs are written into
// tests/data/expected/ instead (the lattice's figures move whenever its
// numerics do), and the test is skipped, never passed.
TEST(Vlm, EveryFormatGivesItsRecordedOutput) {
  const bool recording = std::getenv("CGCALC_RECORD") != nullptr;
  for (const VlmRun& run : kVlmRuns) {
    SCOPED_TRACE(run.expected);
    std::vector<std::string> arguments = {"--vlm"};
    arguments.insert(arguments.end(), run.arguments.begin(), run.arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    RunCli(arguments, out, err);
    if (recording) {
      std::ofstream(std::string(CGCALC_TEST_DATA_DIR) + "/expected/" + run.expected, std::ios::binary)
          << AsRecorded(out.str());
    } else {
      EXPECT_EQ(out.str(), Recorded(run.expected));
    }
  }
  if (recording) GTEST_SKIP() << "recorded into tests/data/expected/";
}

// --tail-height lifts the tailplane out of the wing's wake, in single runs
// and sweeps alike: it sees less downwash, works harder, and the neutral
// point moves aft. A flying wing has no tailplane to lift.
TEST(Vlm, TailHeightReachesTheLattice) {
  const auto neutralPoint = [](const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    RunCli(arguments, out, err);
    const std::string text = out.str();
    const bool json = text.front() == '{';
    const std::string key = json ? "\"Vlm_Np\": \"" : "Vlm_Np\t";
    const std::size_t at = text.find(key);
    if (at == std::string::npos) return std::string("none: ") + text + err.str();
    return text.substr(at + key.size(), text.find(json ? '"' : '\n', at + key.size()) - at - key.size());
  };
  const auto labels = [&](const char* model, const char* height) {
    return neutralPoint({"--vlm", "--labels", "--tail-height", height, DataFile(model)});
  };
  EXPECT_EQ(labels("default.dat", "0"), neutralPoint({"--vlm", "--labels", DataFile("default.dat")}));
  EXPECT_GT(std::stod(labels("default.dat", "100")), std::stod(labels("default.dat", "0")));
  EXPECT_EQ(labels("flying_wing.dat", "100"), labels("flying_wing.dat", "0"));
  const std::vector<std::string> sweep = {"--vlm", "--tail-height", "100", "--sweep", "Rh=360:360:1", "--jsonl",
                                          DataFile("default.dat")};
  EXPECT_EQ(neutralPoint(sweep), labels("default.dat", "100"));
}

// However many threads share the points, the bytes are the same; the blocks
// of points (64 per thread) end at different points for each count.
TEST(VlmSweep, OutputIsTheSameForAnyThreadCount) {
  const struct {
    std::vector<std::string> arguments;
    long lines;
  } sweeps[] = {
      {{"--vlm", "--sweep", "Rh=-300:700:5", DataFile("default.dat")}, 202},  // the header and 201 points
      {{"--vlm", "--sweep", "B=0:1200:100", "--sweep", "Li=100:340:40", "--jsonl", DataFile("aero/canard.dat")}, 91},
  };
  for (const auto& sweep : sweeps) {
    SCOPED_TRACE(sweep.arguments[2]);
    ParsedArguments parsed = ParseArguments(sweep.arguments);
    ASSERT_EQ(parsed.error, "");
    std::string first;
    for (const unsigned threads : {1u, 2u, 3u}) {
      parsed.options.threads = threads;
      std::ostringstream out;
      std::ostringstream err;
      StreamOutput report(out), messages(err);
      EXPECT_EQ(RunSweep(parsed.options, report, messages), kExitSuccess);
      if (threads == 1) first = out.str();
      EXPECT_EQ(out.str(), first) << threads << " threads";
    }
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), sweep.lines);
  }
}

TEST(TextsInOrder, TextsStayInOrderAndAFailureReachesTheCaller) {
  for (const unsigned threads : {0u, 1u, 3u, 8u}) {
    SCOPED_TRACE(threads);
    const std::vector<std::string> texts = TextsInOrder(10, 100, threads, [](std::int64_t i) {
      return std::to_string(i * i);
    });
    ASSERT_EQ(texts.size(), 100u);
    for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i], std::to_string((i + 10) * (i + 10)));
    try {
      TextsInOrder(0, 100, threads, [](std::int64_t i) -> std::string {
        if (i == 37 || i == 61) throw std::runtime_error("point " + std::to_string(i));
        return "";
      });
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& failure) {
      EXPECT_STREQ(failure.what(), "point 37");
    }
  }
}

}  // namespace
}  // namespace cli
