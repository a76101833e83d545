// --vlm in every format, against the outputs recorded in tests/data/expected/.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string_view>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/program.h"
#include "cli/sweep_run.h"
#include "cli/texts_in_order.h"
#include "expected_labels.h"

namespace cli {
namespace {

constexpr std::string_view kDataMark = "DATA/";

// A recorded output names the test data folder as DATA/.
std::string Recorded(const std::string& name) {
  std::string text = test_support::ExpectedFile(name);
  const std::string folder = std::string(CGCALC_TEST_DATA_DIR) + "/";
  for (std::size_t at = text.find(kDataMark); at != std::string::npos; at = text.find(kDataMark, at + folder.size())) {
    text.replace(at, kDataMark.size(), folder);
  }
  return text;
}

std::string DataFile(const std::string& name) { return std::string(CGCALC_TEST_DATA_DIR) + "/" + name; }

struct VlmRun {
  const char* expected;  // the file in tests/data/expected
  std::vector<std::string> arguments;
};

// The default model, a flying wing and a canard (whose tailplane lies ahead
// of the wing: a warning), a planform the lattice cannot solve (a negative
// tip chord), and sweeps whose points include a failing one and a canard.
const VlmRun kVlmRuns[] = {
    {"vlm.table", {DataFile("default.dat"), DataFile("flying_wing.dat"), DataFile("aero/canard.dat")}},
    {"vlm-canard-de.table", {"--language=de", DataFile("aero/canard.dat")}},
    {"vlm-negative-tip-chord.table", {DataFile("negative_tip_chord.dat")}},
    {"vlm.labels", {"--labels", DataFile("default.dat"), DataFile("flying_wing.dat"), DataFile("aero/canard.dat")}},
    {"vlm-canard.json", {"--json", DataFile("aero/canard.dat")}},
    {"vlm.csv",
     {"--csv", DataFile("default.dat"), DataFile("flying_wing.dat"), DataFile("aero/canard.dat"), DataFile("empty.dat"),
      DataFile("negative_tip_chord.dat")}},
    {"vlm.jsonl",
     {"--jsonl", DataFile("default.dat"), DataFile("flying_wing.dat"), DataFile("aero/canard.dat"), DataFile("empty.dat"),
      DataFile("negative_tip_chord.dat")}},
    {"vlm-sweep-B.csv", {"--sweep", "B=0:1300:650", "--cg", "80", DataFile("default.dat")}},
    {"vlm-sweep-Rh.jsonl", {"--sweep", "Rh=-700:300:500", "--jsonl", DataFile("default.dat")}},
};

TEST(Vlm, EveryFormatGivesItsRecordedOutput) {
  for (const VlmRun& run : kVlmRuns) {
    SCOPED_TRACE(run.expected);
    std::vector<std::string> arguments = {"--vlm"};
    arguments.insert(arguments.end(), run.arguments.begin(), run.arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    RunCli(arguments, out, err);
    EXPECT_EQ(out.str(), Recorded(run.expected));
  }
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
      EXPECT_EQ(RunSweep(parsed.options, out, err), kExitSuccess);
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
