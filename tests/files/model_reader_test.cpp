#include "files/model_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <thread>

#include "calc/failure.h"
#include "files/file_error.h"
#include "temporary_folder.h"

namespace files {
namespace {

using Values = std::array<double, calc::kModelFieldCount>;

constexpr Values kDefault = {1300, 0, 220, 210, 0, -30, 0, 415, 50, 160, 110, 40, 20, 30, 360};

Values ValuesOf(const calc::TModelData& model) {
  Values values{};
  for (int index = 0; index < calc::kModelFieldCount; ++index) {
    values[static_cast<std::size_t>(index)] = calc::ModelField(model, index);
  }
  return values;
}

Values Leading(std::initializer_list<double> first) {
  Values values{};
  std::copy(first.begin(), first.end(), values.begin());
  return values;
}

void ExpectValues(const calc::TModelData& model, const Values& expected) {
  const Values actual = ValuesOf(model);
  for (std::size_t index = 0; index < expected.size(); ++index) {
    SCOPED_TRACE(calc::kModelFieldCodes[index]);
    EXPECT_EQ(actual[index], expected[index]);
    EXPECT_EQ(std::signbit(actual[index]), std::signbit(expected[index]));
  }
}

struct QuirkRow {
  const char* file;  // in tests/data
  Values expected;
};

// The model files in tests/data, written by hand the way users edit them.
const QuirkRow kQuirkRows[] = {
    {"default.dat", kDefault},
    // A lone line feed is part of the line: the whole file is one invalid
    // line whose value is the digits before the first line feed.
    {"lf_line_ends.dat", Leading({1300})},
    {"cr_line_ends.dat", kDefault},
    {"lf_cr_line_ends.dat", Leading({1300, 220, 210})},
    {"ctrl_z_after_line3.dat", Leading({1300, 0, 220})},
    {"ctrl_z_inside_line.dat", Leading({1300, 2})},
    {"five_lines.dat", Leading({1300, 0, 220, 210, 0})},
    {"no_final_line_end.dat", Leading({1300, 0, 220})},
    {"empty.dat", Values{}},
    {"trailing_blank.dat", Leading({125, 7})},
    {"decimal_comma.dat", Leading({12, 7})},
    {"decimals_and_exponent.dat", Leading({12.5, -0.015, 5000})},
    {"blank_and_empty_lines.dat", Leading({0, 0, 220})},
    {"tab_before_number.dat", Leading({0, 220})},
    {"junk_after_line15.dat", kDefault},
};

class ReadingQuirks : public ::testing::TestWithParam<QuirkRow> {};

TEST_P(ReadingQuirks, FileGivesValues) {
  ExpectValues(ReadModelFile(files_test::DataFile(GetParam().file)), GetParam().expected);
}

TEST_P(ReadingQuirks, BytesGiveSameValues) {
  ExpectValues(ParseModelText(files_test::ReadBytes(files_test::DataFile(GetParam().file))), GetParam().expected);
}

std::string RowName(const ::testing::TestParamInfo<QuirkRow>& info) {
  std::string name = info.param.file;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(DataFiles, ReadingQuirks, ::testing::ValuesIn(kQuirkRows), RowName);

TEST(ModelReader, OverflowingLineFails) {
  const std::string path = files_test::DataFile("overflow_1e400.dat");
  try {
    ReadModelFile(path);
    ADD_FAILURE() << "no failure";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_STREQ(failure.what(), "Floating point overflow");
  }
}

std::size_t OpenDescriptorCount() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

TEST(ModelReader, FileIsClosedAfterSuccessAndFailure) {
  const std::size_t before = OpenDescriptorCount();
  ReadModelFile(files_test::DataFile("default.dat"));
  EXPECT_THROW(ReadModelFile(files_test::DataFile("overflow_1e400.dat")), calc::ArithmeticFailure);
  EXPECT_EQ(OpenDescriptorCount(), before);
}

// A named pipe chosen by mistake must not hang the program.
TEST(ModelReader, NamedPipeWithoutWriterReadsAsEmpty) {
  files_test::TemporaryFolder folder;
  const std::string path = folder.Path() + "/pipe.dat";
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  ExpectValues(ReadModelFile(path), Values{});
}

// A device is no model file: /dev/zero would otherwise be read for ever.
TEST(ModelReader, DeviceIsRefusedLikeAFolder) {
  try {
    ReadModelFile("/dev/zero");
    FAIL() << "no failure";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
    EXPECT_EQ(error.Operation(), FileOperation::Open);
  }
}

TEST(ModelReader, LinesBeyondFifteenAreNotEvenConverted) {
  // Line 16 would overflow if it were parsed.
  const std::string text = files_test::ReadBytes(files_test::DataFile("default.dat")) + "1e400\r\n";
  ExpectValues(ParseModelText(text), kDefault);
}

// Every way of cutting the default file into two pieces, the cut between
// carriage return and line feed included, reads the same.
TEST(ModelTextReader, AnySplitPointReadsTheSame) {
  const std::string text = files_test::ReadBytes(files_test::DataFile("default.dat"));
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    SCOPED_TRACE(cut);
    ModelTextReader reader;
    reader.Feed(std::string_view(text).substr(0, cut));
    reader.Feed(std::string_view(text).substr(cut));
    ExpectValues(reader.Finish(), kDefault);
  }
}

TEST(ModelTextReader, ByteByByteReadsTheSame) {
  const std::string text = files_test::ReadBytes(files_test::DataFile("lf_cr_line_ends.dat"));
  ModelTextReader reader;
  for (const char c : text) reader.Feed(std::string_view(&c, 1));
  ExpectValues(reader.Finish(), Leading({1300, 220, 210}));
}

TEST(ModelTextReader, WantsNoMoreAfterFifteenLinesOrCtrlZ) {
  ModelTextReader complete;
  EXPECT_FALSE(complete.Feed(files_test::ReadBytes(files_test::DataFile("default.dat"))));
  ModelTextReader stopped;
  EXPECT_FALSE(stopped.Feed("1300\x1a"));
  ModelTextReader open;
  EXPECT_TRUE(open.Feed("1300\r\n 220"));
}

class LargeFiles : public ::testing::Test {
 protected:
  files_test::TemporaryFolder folder_;
};

// The carriage return is the last byte of the first piece read, its line
// feed the first byte of the second; a line feed taken for text would make
// line 2 invalid and 0.
TEST_F(LargeFiles, LineEndSplitAcrossReadChunks) {
  const std::string firstLine = std::string(kReadChunkSize - 1 - 4, ' ') + "1300";
  std::string text = firstLine + "\r\n 220\r\n 210\r\n";
  ASSERT_EQ(text[kReadChunkSize - 1], '\r');
  ASSERT_EQ(text[kReadChunkSize], '\n');
  const std::string path = folder_.File("split.dat");
  files_test::WriteBytes(path, text);
  ExpectValues(ReadModelFile(path), Leading({1300, 220, 210}));
}

struct LongLineRow {
  const char* name;
  std::string line;
  double value;
};

TEST_F(LargeFiles, MegabyteLines) {
  const std::size_t megabyte = 1 << 20;
  const LongLineRow rows[] = {
      {"blanks then 1300", std::string(megabyte, ' ') + "1300", 1300},
      {"zeros then 7", std::string(megabyte, '0') + "7", 7},
      {"number then junk", "42" + std::string(megabyte, 'x'), 42},
      {"line feeds only", std::string(megabyte, '\n'), 0},
  };
  for (const LongLineRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder_.File("long.dat");
    files_test::WriteBytes(path, row.line + "\r\n 220\r\n");
    ExpectValues(ReadModelFile(path), Leading({row.value, 220}));
  }
}

TEST(ReadModelStream, ReadsFromAPipeWithoutClosingIt) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const std::string text = files_test::ReadBytes(files_test::DataFile("five_lines.dat"));
  std::thread writer([&] {
    // Small pieces, so that the reader sees partial reads.
    for (std::size_t at = 0; at < text.size(); at += 7) {
      const std::string piece = text.substr(at, 7);
      ASSERT_EQ(::write(ends[1], piece.data(), piece.size()), static_cast<ssize_t>(piece.size()));
    }
    ::close(ends[1]);
  });
  ExpectValues(ReadModelStream(ends[0]), Leading({1300, 0, 220, 210, 0}));
  writer.join();
  EXPECT_NE(::fcntl(ends[0], F_GETFD), -1) << "the caller's descriptor was closed";
  ::close(ends[0]);
}

TEST(ReadModelStream, ReadFailureIsAFileError) {
  const int fd = ::open(".", O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  try {
    ReadModelStream(fd);
    ADD_FAILURE() << "no failure";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
    EXPECT_EQ(error.Operation(), FileOperation::Read);
  }
  ::close(fd);
}

}  // namespace
}  // namespace files
