#include "files/model_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "files/model_reader.h"
#include "temporary_folder.h"

namespace files {
namespace {

TEST(ModelFileText, DefaultModelIsTheNinetyByteFile) {
  const std::string text = ModelFileText(files_test::DefaultModel());
  EXPECT_EQ(text.size(), 90u);
  EXPECT_EQ(text.substr(0, 12), std::string("\x31\x33\x30\x30\x0D\x0A\x20\x20\x20\x30\x0D\x0A"));
  EXPECT_EQ(text, files_test::ReadBytes(files_test::DataFile("default.dat")));
}

TEST(ModelFileText, EveryLineEndsWithCarriageReturnLineFeed) {
  calc::TModelData model = files_test::DefaultModel();
  model.Rh = 123456;
  const std::string text = ModelFileText(model);
  EXPECT_EQ(text.substr(text.size() - 8), "123456\r\n");
  std::size_t lineEnds = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lineEnds;
  EXPECT_EQ(lineEnds, 15u);
}

struct RoundTripRow {
  const char* name;
  int field;
  double value;
  const char* line;  // without the line end
  double readBack;
};

const RoundTripRow kRoundTripRows[] = {
    {"12.5 rounds up", 0, 12.5, "  13", 13},
    {"-12.5 rounds away from zero", 5, -12.5, " -13", -13},
    {"0.4 rounds to 0", 2, 0.4, "   0", 0},
    {"-0.4 keeps its sign", 6, -0.4, "  -0", -0.0},
    {"negative zero", 7, -0.0, "  -0", -0.0},
    {"five digits", 14, 12345, "12345", 12345},
    {"minus one thousand", 9, -1000, "-1000", -1000},
    {"9999.5 grows a digit", 3, 9999.5, "10000", 10000},
};

class RoundTrip : public ::testing::TestWithParam<RoundTripRow> {
 protected:
  files_test::TemporaryFolder folder_;
};

TEST_P(RoundTrip, SavedLineAndValueReadBack) {
  const RoundTripRow& row = GetParam();
  calc::TModelData model = files_test::DefaultModel();
  calc::ModelField(model, row.field) = row.value;
  const std::string path = folder_.File("model.dat");
  WriteModelFile(path, model);

  const std::string text = files_test::ReadBytes(path);
  std::size_t start = 0;
  for (int line = 0; line < row.field; ++line) start = text.find("\r\n", start) + 2;
  EXPECT_EQ(text.substr(start, text.find("\r\n", start) - start), row.line);

  const calc::TModelData loaded = ReadModelFile(path);
  for (int index = 0; index < calc::kModelFieldCount; ++index) {
    SCOPED_TRACE(calc::kModelFieldCodes[static_cast<std::size_t>(index)]);
    const double expected = index == row.field ? row.readBack : calc::ModelField(files_test::DefaultModel(), index);
    EXPECT_EQ(calc::ModelField(loaded, index), expected);
    EXPECT_EQ(std::signbit(calc::ModelField(loaded, index)), std::signbit(expected));
  }
}

INSTANTIATE_TEST_SUITE_P(Values, RoundTrip, ::testing::ValuesIn(kRoundTripRows),
                         [](const ::testing::TestParamInfo<RoundTripRow>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(WriteModelFile, OverwritesALongerFileCompletely) {
  files_test::TemporaryFolder folder;
  const std::string path = folder.File("model.dat");
  files_test::WriteBytes(path, std::string(1000, 'x'));
  WriteModelFile(path, files_test::DefaultModel());
  EXPECT_EQ(files_test::ReadBytes(path), files_test::ReadBytes(files_test::DataFile("default.dat")));
}

}  // namespace
}  // namespace files
