// Several model files in one run, and sweeps, against one run per model.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/model.h"
#include "cli/program.h"
#include "test_files.h"

namespace cli {
namespace {

using cli_test::CliRun;
using cli_test::RunWith;

namespace fs = std::filesystem;

std::vector<std::string> AllModelFiles() {
  std::vector<std::string> paths;
  for (const char* folder : {CGCALC_EXAMPLES_DIR, CGCALC_TEST_DATA_DIR}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() == ".dat") paths.push_back(entry.path().string());
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::string WithoutFirstLine(const std::string& text) { return text.substr(text.find('\n') + 1); }

struct FormatRow {
  const char* name;
  std::vector<std::string> options;
};

class Batch : public ::testing::TestWithParam<FormatRow> {};

TEST_P(Batch, EqualsOneRunPerFile) {
  const std::vector<std::string> paths = AllModelFiles();
  const std::vector<std::string>& options = GetParam().options;
  const bool csv = options.front() == "--csv";
  const bool rows = csv || options.front() == "--jsonl";
  const std::string header = RunWith({"--csv", paths.front()}).out;
  std::string expectedOut = csv ? header.substr(0, header.find('\n') + 1) : "";
  std::string expectedErr;
  int expectedStatus = kExitSuccess;
  bool firstBlock = true;
  for (const std::string& path : paths) {
    std::vector<std::string> arguments = options;
    arguments.push_back(path);
    const CliRun single = RunWith(arguments);
    expectedErr += single.err;
    expectedStatus = std::max(expectedStatus, single.status);
    if (rows) {
      expectedOut += csv ? WithoutFirstLine(single.out) : single.out;
    } else if (single.status == kExitSuccess) {
      expectedOut += (firstBlock ? "==> " : "\n==> ") + path + " <==\n" + single.out;
      firstBlock = false;
    }
  }
  std::vector<std::string> arguments = options;
  arguments.insert(arguments.end(), paths.begin(), paths.end());
  const CliRun batch = RunWith(arguments);
  EXPECT_EQ(batch.status, expectedStatus);
  EXPECT_EQ(expectedStatus, kExitFailure);  // the broken files in tests/data fail in the middle of the batch
  EXPECT_EQ(batch.out, expectedOut);
  EXPECT_EQ(batch.err, expectedErr);
}

INSTANTIATE_TEST_SUITE_P(Formats, Batch,
                         ::testing::Values(FormatRow{"labels", {"--labels"}}, FormatRow{"table", {"--german"}},
                                           FormatRow{"csv", {"--csv"}}, FormatRow{"jsonl", {"--jsonl", "--german"}}),
                         [](const ::testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

TEST(Batch, FilesFromAList) {
  const fs::path list = fs::temp_directory_path() / ("cgcalc-list-" + std::to_string(::getpid()));
  const std::string model = std::string(CGCALC_EXAMPLES_DIR) + "/default.dat";
  {
    std::ofstream out(list, std::ios::binary);
    out << model << "\r\n\n" << model << "\n";
  }
  const CliRun fromList = RunWith({"--csv", "--files-from", list.string()});
  const CliRun direct = RunWith({"--csv", model, model});
  fs::remove(list);
  EXPECT_EQ(fromList.status, kExitSuccess);
  EXPECT_EQ(fromList.out, direct.out);

  const CliRun missing = RunWith({"--csv", "--files-from", "no-such-list"});
  EXPECT_EQ(missing.status, kExitFailure);
  EXPECT_EQ(missing.err, "cgcalc-cli: no-such-list: File not found.\n");
}

TEST(Csv, QuotesAFileNameThatNeedsIt) {
  const fs::path folder = fs::temp_directory_path() / ("cgcalc-csv-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path odd = folder / "a,\"b\".dat";
  fs::copy_file(std::string(CGCALC_EXAMPLES_DIR) + "/default.dat", odd);
  const CliRun run = RunWith({"--csv", odd.string()});
  fs::remove_all(folder);
  const std::string quoted = "\"" + folder.string() + "/a,\"\"b\"\".dat\",28.0,";
  EXPECT_EQ(WithoutFirstLine(run.out).rfind(quoted, 0), 0u) << run.out;
}

// Writes the default model with some fields replaced by whole numbers.
fs::path WriteModel(const fs::path& folder, const std::vector<std::pair<int, long>>& values, int serial) {
  std::string text;
  for (int field = 0; field < calc::kModelFieldCount; ++field) {
    std::string line(calc::kDefaultFieldTexts[static_cast<std::size_t>(field)]);
    for (const auto& [index, value] : values) {
      if (index == field) line = std::to_string(value);
    }
    text += line + "\r\n";
  }
  const fs::path path = folder / ("m" + std::to_string(serial) + ".dat");
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// The columns after the swept values and the file name.
std::string ResultColumns(const std::string& row, int sweptFields) {
  std::size_t at = 0;
  for (int i = 0; i <= sweptFields; ++i) at = row.find(',', at) + 1;
  return row.substr(at);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Random sweeps of one or two fields over whole millimetres: each row equals
// the evaluation of a model file written with those values.
TEST(Sweep, RowsEqualModelsWrittenWithTheirValues) {
  const fs::path folder = fs::temp_directory_path() / ("cgcalc-sweep-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path base = WriteModel(folder, {}, 0);
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> fieldOf(0, calc::kModelFieldCount - 1);
  std::uniform_int_distribution<long> fromOf(-400, 1500), stepOf(1, 300), countOf(1, 6);
  int serial = 1;
  for (int trial = 0; trial < 40; ++trial) {
    const int fieldCount = trial % 2 + 1;
    std::vector<int> fields = {fieldOf(random)};
    if (fieldCount == 2) {
      do fields.push_back(fieldOf(random)); while (fields[1] == fields[0]);
    }
    std::vector<std::string> arguments = {"--csv"};
    std::vector<std::vector<long>> values(fieldCount);
    for (int f = 0; f < fieldCount; ++f) {
      const long from = fromOf(random), step = stepOf(random) * (random() % 2 ? 1 : -1), count = countOf(random);
      for (long i = 0; i < count; ++i) values[f].push_back(from + i * step);
      arguments.push_back("--sweep");
      arguments.push_back(std::string(calc::kModelFieldCodes[fields[f]]) + "=" + std::to_string(from) + ":" +
                          std::to_string(values[f].back()) + ":" + std::to_string(step));
    }
    arguments.push_back(base.string());
    SCOPED_TRACE(arguments[2] + (fieldCount == 2 ? " " + arguments[4] : ""));
    const CliRun sweep = RunWith(arguments);
    ASSERT_EQ(sweep.status, kExitSuccess) << sweep.err;
    const std::vector<std::string> rows = Lines(sweep.out);
    std::size_t row = 1;
    for (long first : values[0]) {
      for (std::size_t second = 0; second < (fieldCount == 2 ? values[1].size() : 1); ++second) {
        std::vector<std::pair<int, long>> replaced = {{fields[0], first}};
        if (fieldCount == 2) replaced.push_back({fields[1], values[1][second]});
        const fs::path model = WriteModel(folder, replaced, serial++);
        const CliRun single = RunWith({"--csv", model.string()});
        const std::string expected = ResultColumns(Lines(single.out).at(1), 0);
        ASSERT_LT(row, rows.size());
        EXPECT_EQ(ResultColumns(rows[row], fieldCount), expected) << rows[row];
        ++row;
      }
    }
    EXPECT_EQ(row, rows.size());
  }
  fs::remove_all(folder);
}

TEST(Sweep, UsageErrorsSayWhich) {
  const std::string model = std::string(CGCALC_EXAMPLES_DIR) + "/default.dat";
  const struct {
    const char* sweep;
    const char* message;
  } rows[] = {
      {"Q=1:2:1", "unknown field 'Q' (the fields are B Sa Li Lk La Vk Va Bh Sah Lih Lkh Lah Vkh Vah Rh)"},
      {"Rh", "unknown field 'Rh' (the fields are B Sa Li Lk La Vk Va Bh Sah Lih Lkh Lah Vkh Vah Rh)"},
      {"Rh=1:2:0", "the step is 0"},
      {"Rh=1:2:-1", "the step goes away from TO"},
      {"Rh=0:1000000:1", "more than 1000000 points"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.sweep);
    const CliRun run = RunWith({"--sweep", row.sweep, model});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "cgcalc-cli: --sweep " + std::string(row.sweep) + ": " + row.message);
  }
  const CliRun grid = RunWith({"--sweep", "B=1:1000:1", "--sweep", "Li=1:1001:1", model});
  EXPECT_EQ(grid.status, kExitUsage);
  EXPECT_EQ(grid.err.substr(0, grid.err.find('\n')), "cgcalc-cli: --sweep: the grid has more than 1000000 points");
}

TEST(Sweep, FailingPointIsARowWithItsError) {
  const CliRun run = RunWith({"--sweep", "B=-1300:1300:1300", "--jsonl", std::string(CGCALC_EXAMPLES_DIR) + "/default.dat"});
  EXPECT_EQ(run.status, kExitSuccess);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("{\"B\": -1300, \"file\": ", 0), 0u) << lines[0];
  EXPECT_NE(lines[1].find("\"error\": \"Invalid floating point operation\"}"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[1].find("Lab_St"), std::string::npos);
  EXPECT_NE(lines[2].find("\"Lab_St\": \" 28.0\""), std::string::npos) << lines[2];
  EXPECT_NE(lines[2].find("\"error\": \"\"}"), std::string::npos);
}

// A sweep over a file that cannot be read reports it as a plain run does:
// the header, then a row with the error (its swept columns empty).
TEST(Sweep, UnreadableFileIsAnErrorRowLikeAPlainRun) {
  for (const char* format : {"--csv", "--jsonl"}) {
    SCOPED_TRACE(format);
    const CliRun plain = RunWith({format, "no-such-model.dat"});
    const CliRun sweep = RunWith({format, "--sweep", "Rh=1:2:1", "no-such-model.dat"});
    EXPECT_EQ(sweep.status, kExitFailure);
    EXPECT_EQ(sweep.err, plain.err);
    const bool csv = std::string(format) == "--csv";
    const std::string header = plain.out.substr(0, plain.out.find('\n') + 1);
    EXPECT_EQ(sweep.out, csv ? "Rh," + header + "," + WithoutFirstLine(plain.out) : plain.out);
  }
}

}  // namespace
}  // namespace cli
