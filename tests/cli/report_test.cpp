#include "cli/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/failure.h"
#include "cli/evaluation.h"
#include "expected_labels.h"
#include "files/model_reader.h"
#include "test_files.h"

namespace cli {
namespace {

using LabelTexts = std::vector<std::string>;

using cli_test::DataFile;

Evaluation Loaded(const std::string& file) { return EvaluateLoadedModel(files::ReadModelFile(DataFile(file))); }

std::string ExpectedLabelList(const LabelTexts& texts, const std::string& warning) {
  std::string list;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    list += std::string(present::CellsInLabelOrder()[i]->name) + "\t" + texts[i] + "\n";
  }
  return list + "Label17\t" + warning + "\n";
}

TEST(FormatLabelList, ModelFilesGiveTheWindowsTexts) {
  for (const std::string model : {"default", "flying_wing"}) {
    SCOPED_TRACE(model);
    EXPECT_EQ(FormatLabelList(TextsOf(Loaded(model + ".dat"), present::Language::English)),
              ExpectedLabelList(test_support::ExpectedValueTexts(model), ""));
  }
}

// A wing of span 500 and chord about 215 has an aspect ratio near 2.3.
calc::TModelData StubbyWing() {
  calc::TModelData model;
  model.B = 500;
  model.Li = 220;
  model.Lk = 210;
  return model;
}

TEST(FormatLabelList, WarningInTheChosenLanguage) {
  const Evaluation evaluation = EvaluateLoadedModel(StubbyWing());
  ASSERT_TRUE(evaluation.aspectRatioWarning);
  const std::string english = FormatLabelList(TextsOf(evaluation, present::Language::English));
  const std::string german = FormatLabelList(TextsOf(evaluation, present::Language::German));
  EXPECT_NE(english.find("\nLabel17\tAttention: Aspect ratio to small for exactly calculation!\n"), std::string::npos);
  EXPECT_NE(german.find("\nLabel17\tAchtung: Streckung zu klein f\xC3\xBCr exakte Berechnung!\n"), std::string::npos);
}

// The record after loading holds the whole millimetres the fields show, but
// a flying wing's Rh is never read back from its field.
TEST(EvaluateLoadedModel, RecordHoldsRoundedFieldsExceptFlyingWingRh) {
  struct Row {
    const char* name;
    double bh;
    double rhInFile;
    double rhAfter;
  };
  const Row rows[] = {{"with tailplane", 415, 360.4, 360}, {"flying wing", 0, 360.4, 360.4}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    calc::TModelData fromFile = files::ReadModelFile(DataFile("default.dat"));
    fromFile.B = 1300.5;
    fromFile.Bh = row.bh;
    fromFile.Rh = row.rhInFile;
    const Evaluation evaluation = EvaluateLoadedModel(fromFile);
    EXPECT_EQ(evaluation.fieldTexts[0], "1301");
    EXPECT_EQ(evaluation.model.B, 1301);
    EXPECT_EQ(evaluation.model.Rh, row.rhAfter);
  }
}

TEST(EvaluateLoadedModel, ZeroWingFails) {
  try {
    EvaluateLoadedModel(calc::TModelData());
    ADD_FAILURE() << "no failure";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_STREQ(failure.what(), "Invalid floating point operation");
  }
}

TEST(FormatJson, DefaultModel) {
  const LabelTexts defaultLabels = test_support::ExpectedValueTexts("default");
  std::string expected = "{\n";
  for (std::size_t i = 0; i < defaultLabels.size(); ++i) {
    expected += "  \"" + std::string(present::CellsInLabelOrder()[i]->name) + "\": \"" + defaultLabels[i] + "\",\n";
  }
  expected += "  \"Label17\": \"\"\n}\n";
  EXPECT_EQ(FormatJson(TextsOf(Loaded("default.dat"), present::Language::English)), expected);
}

TEST(FormatJson, GermanWarningStaysUtf8) {
  const std::string json = FormatJson(TextsOf(EvaluateLoadedModel(StubbyWing()), present::Language::German));
  EXPECT_NE(json.find("  \"Label17\": \"Achtung: Streckung zu klein f\xC3\xBCr exakte Berechnung!\"\n}\n"),
            std::string::npos);
}

TEST(JsonString, Escapes) {
  struct Row {
    const char* name;
    std::string text;
    const char* literal;
  };
  const Row rows[] = {
      {"plain", "Lab_St", "\"Lab_St\""},
      {"empty", "", "\"\""},
      {"leading blanks", "  6.0", "\"  6.0\""},
      {"quotation mark", "a\"b", "\"a\\\"b\""},
      {"backslash", "a\\b", "\"a\\\\b\""},
      {"line ends and tab", "\r\n\t", "\"\\r\\n\\t\""},
      {"other control characters", std::string("\x01\x1f\x00", 3), "\"\\u0001\\u001f\\u0000\""},
      {"umlaut", "f\xC3\xBCr", "\"f\xC3\xBCr\""},
      {"delete and C1 controls", "\x7f\xc2\x9b", "\"\\u007f\\u009b\""},
      {"four-byte character", "\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
      {"Latin-1 byte", "caf\xe9", "\"caf\\u00e9\""},
      {"sequence cut short", "\xc3.dat", "\"\\u00c3.dat\""},
      {"stray continuation byte", "\xbc", "\"\\u00bc\""},
      {"overlong slash", "\xc0\xaf", "\"\\u00c0\\u00af\""},
      {"surrogate", "\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(JsonString(row.text), row.literal);
  }
}

TEST(FormatTable, DefaultModelInEnglish) {
  EXPECT_EQ(FormatTable(TextsOf(Loaded("default.dat"), present::Language::English), present::Language::English),
            test_support::ExpectedFile("default.table"));
}

std::size_t Characters(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

// Two-byte letters in the captions must not shift the columns: every value
// ends where its column head ends.
TEST(FormatTable, GermanColumnsLineUpAndWarningFollows) {
  const std::string table =
      FormatTable(TextsOf(EvaluateLoadedModel(StubbyWing()), present::Language::German), present::Language::German);
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < table.size();) {
    const std::size_t end = table.find('\n', start);
    lines.push_back(table.substr(start, end - start));
    start = end + 1;
  }
  // The column heads, a line per row, the warning.
  ASSERT_EQ(lines.size(), present::ResultRows().size() + 2);
  EXPECT_EQ(lines[0].substr(lines[0].find_first_not_of(' ')), "Tragfl\xC3\xA4" "che:  H\xC3\xB6henleitwerk:  Gesamt:");
  EXPECT_EQ(Characters(lines[1]), Characters(lines[0]));  // area row has all three columns
  EXPECT_EQ(lines[1].rfind("Fl\xC3\xA4" "che in dm**2:", 0), 0u);
  EXPECT_EQ(Characters(lines[2]), Characters(lines[0]) - Characters("  Gesamt:"));  // chord ends under the tailplane
  EXPECT_EQ(lines.back(), "Achtung: Streckung zu klein f\xC3\xBCr exakte Berechnung!");
}

TEST(FormatReport, FollowsTheOptions) {
  const Evaluation evaluation = EvaluateLoadedModel(StubbyWing());
  const ResultTexts english = TextsOf(evaluation, present::Language::English);
  const ResultTexts german = TextsOf(evaluation, present::Language::German);
  Options options;
  EXPECT_EQ(FormatReport(evaluation, options), FormatTable(english, present::Language::English));
  options.language = present::Language::German;
  EXPECT_EQ(FormatReport(evaluation, options), FormatTable(german, present::Language::German));
  options.format = ReportFormat::Labels;
  EXPECT_EQ(FormatReport(evaluation, options), FormatLabelList(german));
  options.language = present::Language::English;
  options.format = ReportFormat::Json;
  EXPECT_EQ(FormatReport(evaluation, options), FormatJson(english));
}

}  // namespace
}  // namespace cli
