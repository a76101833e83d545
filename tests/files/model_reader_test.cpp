#include "files/model_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cmath>
#include <cstring>
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
  int doubtfulLine = 0;     // 0: looks like a model file
  const char* shown = "";   // the line's text as the question shows it
};

// The files in tests/data, written by hand the way users edit them, and
// files that are no model files at all.
const QuirkRow kQuirkRows[] = {
    {"default.dat", kDefault},
    {"lf_line_ends.dat", kDefault},
    {"cr_line_ends.dat", kDefault},
    {"mixed_line_ends.dat", kDefault},
    // A line feed before a carriage return is two line ends: empty lines
    // between the numbers.
    {"lf_cr_line_ends.dat", Leading({1300, 0, 220, 0, 210})},
    {"ctrl_z_after_line3.dat", Leading({1300, 0, 220}), 4, "? 210"},
    {"ctrl_z_inside_line.dat", Leading({1300, 2}), 2, " 2?20"},
    {"five_lines.dat", Leading({1300, 0, 220, 210, 0})},
    {"no_final_line_end.dat", Leading({1300, 0, 220})},
    {"empty.dat", Values{}},
    // Blanks after a number make the line invalid: 12.5 reads as 125.
    {"trailing_blank.dat", Leading({125, 7}), 1, "12.5 "},
    {"decimal_comma.dat", Leading({12, 7}), 1, "-12,5"},
    {"decimals_and_exponent.dat", Leading({12.5, -0.015, 5000})},
    {"blank_and_empty_lines.dat", Leading({0, 0, 220})},
    {"tab_before_number.dat", Leading({0, 220}), 1, "?1300"},
    {"junk_after_line15.dat", kDefault, 16, "garbage"},
    {"sixteen_lines.dat", kDefault, 16, " 500"},
    {"padding_after_line15.dat", kDefault},
    {"notes.txt", Leading({0, 0, 1300}), 1, "Building notes for the two-panel glider,"},
    {"program.bin", Values{}, 1, "?ELF?????????????\?>?????@???????@???????"},
};

class ReadingQuirks : public ::testing::TestWithParam<QuirkRow> {};

TEST_P(ReadingQuirks, FileGivesValuesAndLook) {
  const ModelFileReading reading = ReadModelFileWithLook(files_test::DataFile(GetParam().file));
  ExpectValues(reading.model, GetParam().expected);
  EXPECT_EQ(reading.look.looksLikeModel, GetParam().doubtfulLine == 0);
  EXPECT_EQ(reading.look.line, GetParam().doubtfulLine);
  EXPECT_EQ(ShownLineText(reading.look.text), GetParam().shown);
}

TEST_P(ReadingQuirks, BytesGiveSameValuesAndLook) {
  const std::string bytes = files_test::ReadBytes(files_test::DataFile(GetParam().file));
  const ModelFileReading reading = ParseModelTextWithLook(bytes);
  ExpectValues(reading.model, GetParam().expected);
  EXPECT_EQ(reading.look.line, GetParam().doubtfulLine);
  ExpectValues(ParseModelText(bytes), GetParam().expected);
  ExpectValues(ReadModelFile(files_test::DataFile(GetParam().file)), GetParam().expected);
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
  files_test::TemporaryFolder folder;
  const std::string large = folder.File("large.dat");
  files_test::WriteBytes(large, std::string(kModelFileSizeLimit + 1, ' '));
  const std::size_t before = OpenDescriptorCount();
  ReadModelFile(files_test::DataFile("default.dat"));
  EXPECT_THROW(ReadModelFile(files_test::DataFile("overflow_1e400.dat")), calc::ArithmeticFailure);
  EXPECT_THROW(ReadModelFile(large), ModelFileRefused);
  EXPECT_THROW(ReadModelFile(folder.Path()), ModelFileRefused);
  EXPECT_EQ(OpenDescriptorCount(), before);
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
    ExpectValues(reader.Finish().model, kDefault);
  }
}

TEST(ModelTextReader, ByteByByteReadsTheSame) {
  for (const char* file : {"lf_cr_line_ends.dat", "mixed_line_ends.dat"}) {
    SCOPED_TRACE(file);
    const std::string text = files_test::ReadBytes(files_test::DataFile(file));
    ModelTextReader reader;
    for (const char c : text) reader.Feed(std::string_view(&c, 1));
    ExpectValues(reader.Finish().model, ValuesOf(ParseModelText(text)));
  }
}

struct WantsRow {
  const char* name;
  std::string bytes;
  bool wantsMore;            // for the values and the look
  bool wantsMoreForValues;   // for the values only
};

// Bytes stop mattering to the values after fifteen lines or a Ctrl-Z; to the
// look once a line has been found that does not fit, since until then
// whatever follows may still decide it.
TEST(ModelTextReader, WantsMoreUntilSettled) {
  const std::string model = files_test::ReadBytes(files_test::DataFile("default.dat"));
  const WantsRow rows[] = {
      {"fifteen lines", model, true, false},
      {"fifteen lines and junk", model + "garbage\r\n", false, false},
      {"fifteen lines and junk without line end", model + "garbage", true, false},
      {"Ctrl-Z", "1300\x1a", true, false},
      {"Ctrl-Z and junk", "1300\x1ajunk\r", false, false},
      {"doubtful line, values incomplete", "Span 1300 mm\r\n", true, true},
      {"unfinished line", "1300\r\n 220", true, true},
  };
  for (const WantsRow& row : rows) {
    SCOPED_TRACE(row.name);
    ModelTextReader withLook;
    EXPECT_EQ(withLook.Feed(row.bytes), row.wantsMore);
    ModelTextReader valuesOnly(ModelTextReader::Reading::ValuesOnly);
    EXPECT_EQ(valuesOnly.Feed(row.bytes), row.wantsMoreForValues);
  }
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

struct SizeRow {
  const char* name;
  std::string bytes;
  bool tooLarge;            // read with its look
  bool valuesTooLarge;      // read for the values only
  Values expected;          // when read
};

std::string PaddedTo(std::string text, std::size_t size, char pad) {
  text.resize(size, pad);
  return text;
}

ModelFileReading ReadForValues(const std::string& path) { return {ReadModelFile(path), {}}; }

// Whether a file is too large depends on whether what the reader needs -
// the values, or the values and the look - is settled within the first
// kModelFileSizeLimit bytes.
TEST_F(LargeFiles, SizeBound) {
  const std::size_t limit = kModelFileSizeLimit;
  const std::string model = files_test::ReadBytes(files_test::DataFile("default.dat"));
  const std::string lines2and3 = "\r\n 220\r\n";
  const SizeRow rows[] = {
      {"model padded with blanks to the limit", PaddedTo(model, limit, ' '), false, false, kDefault},
      {"one blank beyond the limit", PaddedTo(model, limit + 1, ' '), true, false, kDefault},
      {"long first line ending at the limit",
       std::string(limit - 4 - lines2and3.size(), ' ') + "1300" + lines2and3, false, false, Leading({1300, 220})},
      {"first line beyond the limit", std::string(limit, ' ') + "1300\r\n", true, true, {}},
      {"zeros within the limit", std::string(limit / 2, '0') + "7" + lines2and3, false, false, Leading({7, 220})},
      {"line feeds beyond the limit", std::string(limit + 1, '\n'), true, false, Values{}},
      {"number then junk beyond the limit", "42" + std::string(limit, 'x'), true, true, {}},
      {"junk after line 15, then more than the limit", model + "garbage\r\n" + std::string(2 * limit, 'x'), false,
       false, kDefault},
  };
  const std::string path = folder_.File("large.dat");
  for (const SizeRow& row : rows) {
    files_test::WriteBytes(path, row.bytes);
    for (const bool withLook : {true, false}) {
      SCOPED_TRACE(std::string(row.name) + (withLook ? ", with look" : ", values only"));
      const bool tooLarge = withLook ? row.tooLarge : row.valuesTooLarge;
      try {
        const ModelFileReading reading = withLook ? ReadModelFileWithLook(path) : ReadForValues(path);
        EXPECT_FALSE(tooLarge) << "no failure";
        ExpectValues(reading.model, row.expected);
      } catch (const ModelFileRefused& refused) {
        EXPECT_TRUE(tooLarge) << refused.what();
        EXPECT_EQ(refused.what(), path + " is too large for a model file");
        EXPECT_EQ(refused.MessageFor("large.dat"), "large.dat is too large for a model file");
        EXPECT_EQ(refused.Reason(), Refusal::TooLarge);
        EXPECT_EQ(refused.Operation(), FileOperation::Read);
        EXPECT_EQ(refused.Code(), kNotAModelFile);
      }
    }
  }
}

// A 64 GiB file of zero bytes that takes no room on the disk: one endless
// first line. Reading it to the end would take minutes.
TEST_F(LargeFiles, SparseFileIsRefusedEarly) {
  const std::string path = folder_.File("sparse.dat");
  files_test::WriteBytes(path, "");
  ASSERT_EQ(::truncate(path.c_str(), off_t{64} << 30), 0) << std::strerror(errno);
  try {
    ReadModelFile(path);
    FAIL() << "no failure";
  } catch (const ModelFileRefused& refused) {
    EXPECT_EQ(refused.Reason(), Refusal::TooLarge);
  }
}

std::string StreamRefusal(int fd) {
  try {
    ReadModelStream(fd);
  } catch (const ModelFileRefused& refused) {
    return refused.what();
  }
  return "no refusal";
}

TEST(ReadModelStream, EndlessDeviceIsTooLarge) {
  const int fd = ::open("/dev/zero", O_RDONLY);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(StreamRefusal(fd), "standard input is too large for a model file");
  ::close(fd);
}

// The writer keeps writing after the reader has given up; it then sees a
// closed pipe, which must not end the test program.
TEST(ReadModelStream, PipeIsBoundedToo) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const sighandler_t previousHandler = ::signal(SIGPIPE, SIG_IGN);
  std::thread writer([&] {
    const std::string blanks(kReadChunkSize, ' ');
    for (std::size_t sent = 0; sent <= 2 * kModelFileSizeLimit; sent += blanks.size()) {
      if (::write(ends[1], blanks.data(), blanks.size()) < 0) break;
    }
    ::close(ends[1]);
  });
  EXPECT_EQ(StreamRefusal(ends[0]), "standard input is too large for a model file");
  ::close(ends[0]);
  writer.join();
  ::signal(SIGPIPE, previousHandler);
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
