#include "files/model_document.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include "calc/failure.h"
#include "files/model_reader.h"
#include "files/model_writer.h"
#include "temporary_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;
using files_test::DataFile;
using files_test::ReadBytes;

std::string DocumentsFolder() { return DataFile("documents"); }

std::set<std::string> Names(const std::string& folder, const std::string& extension) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == extension) names.insert(entry.path().filename().string());
  }
  return names;
}

// Where the bytes of a refused document come from: its file, or for the one
// too large to keep as a file, the test.
std::string RefusedBytes(const std::string& name) {
  if (name == "deep-nesting-100000") return "{\"x\":" + std::string(100000, '[');
  return ReadBytes(DocumentsFolder() + "/refused/" + name);
}

// Every file of refused/ and the made one, each with its expected message.
TEST(ModelDocument, RefusedDocumentsSayWhereAndWhy) {
  std::ifstream expected(DocumentsFolder() + "/refusals.txt");
  std::set<std::string> listed;
  for (std::string line; std::getline(expected, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    const std::string name = line.substr(0, tab);
    SCOPED_TRACE(name);
    listed.insert(name);
    try {
      ParseModelDocument(RefusedBytes(name));
      ADD_FAILURE() << "read";
    } catch (const DocumentRefused& refused) {
      EXPECT_EQ(refused.what(), line.substr(tab + 1));
    }
  }
  for (const std::string& name : Names(DocumentsFolder() + "/refused", ".cgcalc")) {
    EXPECT_TRUE(listed.count(name)) << name << " has no expected message";
  }
}

// Decimals, negative zero, the exponent form, chosen margins, units, balance
// inputs, notes and the keys of newer programs come back byte for byte.
TEST(ModelDocument, WrittenDocumentsReadBackUnchanged) {
  for (const std::string& name : Names(DocumentsFolder() + "/kept", ".cgcalc")) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadBytes(DocumentsFolder() + "/kept/" + name);
    EXPECT_EQ(ModelDocumentText(ParseModelDocument(bytes)), bytes);
  }
}

// Documents written by hand: missing keys take a new model's values (a
// margin left out, its flying wing's default), the rest keeps its order.
TEST(ModelDocument, HandWrittenDocumentsAreWrittenInOrder) {
  const std::string folder = DocumentsFolder() + "/rewritten/";
  for (const std::string& name : Names(folder, ".cgcalc")) {
    SCOPED_TRACE(name);
    const std::string written = fs::path(name).replace_extension(".written").string();
    EXPECT_EQ(ModelDocumentText(ParseModelDocument(ReadBytes(folder + name))), ReadBytes(folder + written));
  }
}

std::vector<std::string> DatFiles() {
  std::vector<std::string> paths;
  for (const std::string& folder : {DataFile(""), std::string(CGCALC_EXAMPLES_DIR)}) {
    for (const std::string& name : Names(folder, ".dat")) paths.push_back(folder + "/" + name);
  }
  return paths;
}

// .dat -> document -> .dat gives the .dat file the program writes for the
// values, and that document -> .dat -> document gives the document again.
TEST(ModelDocument, RoundTripsThroughDatAreExact) {
  for (const std::string& path : DatFiles()) {
    SCOPED_TRACE(path);
    calc::TModelData values;
    try {
      values = ReadModelFile(path);
    } catch (const calc::ArithmeticFailure&) {
      continue;  // a file that overflows has no values to convert
    }
    const std::string document = ModelDocumentText(DocumentOfDat(values));
    const std::string dat = ModelFileText(DimensionValues(ParseModelDocument(document)));
    EXPECT_EQ(dat, ModelFileText(values));
    EXPECT_EQ(ModelDocumentText(DocumentOfDat(ParseModelText(dat))), document);
    EXPECT_FALSE(LossesAsDat(ParseModelDocument(document)).Any());
  }
}

struct LossRow {
  const char* name;
  std::function<void(ModelDocument&)> change;
  DatLosses expected;
};

TEST(ModelDocument, LossesAsDatNameWhatADatFileCannotHold) {
  const LossRow rows[] = {
      {"new model", [](ModelDocument&) {}, {}},
      {"half millimetre", [](ModelDocument& d) { d.Dimensions[2] = "220.5"; }, {.Decimals = true}},
      // Written as "  -0" and "1E+20"-free fixed digits, both read back exactly.
      {"negative zero", [](ModelDocument& d) { d.Dimensions[7] = "-0"; }, {}},
      {"whole in exponent form", [](ModelDocument& d) { d.Dimensions[0] = "1.3e3"; }, {}},
      {"margins", [](ModelDocument& d) { d.Margins = calc::TMargins{16, 8}; }, {.Margins = true}},
      {"inches", [](ModelDocument& d) { d.Units.Length = LengthUnit::Inch; }, {.Units = true}},
      {"ballast station", [](ModelDocument& d) { d.Balance.BallastStation = -100; }, {.Balance = true}},
      {"tail height", [](ModelDocument& d) { d.TailHeight = 30; }, {.TailHeight = true}},
      {"notes", [](ModelDocument& d) { d.Notes = "x"; }, {.Notes = true}},
      {"newer keys", [](ModelDocument& d) { d.Unknown["components"] = nlohmann::ordered_json::array(); },
       {.Unknown = true}},
  };
  for (const LossRow& row : rows) {
    SCOPED_TRACE(row.name);
    ModelDocument document;
    row.change(document);
    EXPECT_EQ(LossesAsDat(document), row.expected);
  }
}

// Texts a field may hold that are no JSON numbers are written as their
// values; a text beyond the range is not written at all.
TEST(ModelDocument, FieldTextsThatAreNoJsonNumbersAreWrittenAsValues) {
  const std::pair<const char*, const char*> rows[] = {
      {"  13", "13"}, {"+5", "5"}, {".5", "0.5"}, {"5.", "5"}, {"12,5", "12"}, {"", "0"}, {"-0", "-0"}, {"1E+2", "1E+2"}};
  for (const auto& [field, written] : rows) {
    SCOPED_TRACE(field);
    ModelDocument document;
    document.Dimensions[0] = field;
    const ModelDocument back = ParseModelDocument(ModelDocumentText(document));
    EXPECT_EQ(back.Dimensions[0], written);
  }
  ModelDocument document;
  document.Dimensions[0] = "1e400";
  EXPECT_THROW(ModelDocumentText(document), calc::ArithmeticFailure);
}

// Values the balance window or a margin setting give (not texts) come back
// bit for bit, also where the shortest decimal does not read back exactly
// by the program's number reading (the first three).
TEST(ModelDocument, NumbersReadBackBitForBit) {
  for (const double value : {-2789.5375607076908, 5723082249.8544245, 7.4688391019379244e-28, -0.0, 1e300, 0.1}) {
    SCOPED_TRACE(value);
    ModelDocument document;
    document.Balance.Cg = value;
    document.TailHeight = value;
    const ModelDocument back = ParseModelDocument(ModelDocumentText(document));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*back.Balance.Cg), std::bit_cast<std::uint64_t>(value));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back.TailHeight), std::bit_cast<std::uint64_t>(value));
  }
}

TEST(ModelDocument, FormatIsToldByTheFirstByteThatIsNotBlank) {
  const std::pair<std::string_view, std::optional<ModelFormat>> rows[] = {
      {"", std::nullopt},
      {" \t\r\n", std::nullopt},
      {"\xEF\xBB", std::nullopt},
      {"\xEF\xBB\xBF\n {", ModelFormat::Document},
      {"\r\n{", ModelFormat::Document},
      {"1300\r\n", ModelFormat::Dat},
      {"\r\n\r\n220", ModelFormat::Dat},
      {"[1300]", ModelFormat::Dat},
      {"\xEF{", ModelFormat::Dat},
  };
  for (const auto& [start, format] : rows) {
    SCOPED_TRACE(testing::PrintToString(std::string(start)));
    EXPECT_EQ(FormatOfStart(start), format);
  }
}

// Through a pipe the bytes arrive in pieces; blank lines before a .dat file's
// numbers are its first fields, and a document is read to its end.
TEST(ModelDocument, StreamsOfBothFormatsAreToldApart) {
  const std::string document = ReadBytes(DocumentsFolder() + "/kept/decimals.cgcalc");
  const std::pair<std::string, ModelFormat> rows[] = {
      {"\r\n\r\n220\r\n", ModelFormat::Dat}, {"\n\n" + document, ModelFormat::Document}};
  for (const auto& [bytes, format] : rows) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::thread writer([&bytes = bytes, in = ends[1]] {
      for (const char c : bytes) ASSERT_EQ(::write(in, &c, 1), 1);
      ::close(in);
    });
    const LoadedModel loaded = LoadModelStream(ends[0]);
    writer.join();
    ::close(ends[0]);
    ASSERT_EQ(loaded.format, format);
    if (format == ModelFormat::Dat) {
      EXPECT_EQ(loaded.dat.model.Li, 220);
    } else {
      EXPECT_EQ(ModelDocumentText(loaded.document), document);
    }
  }
}

TEST(ModelDocument, DocumentBeyondTheSizeLimitIsRefused) {
  files_test::TemporaryFolder folder;
  const std::string path = folder.File("huge.cgcalc");
  files_test::WriteBytes(path, "{" + std::string(kModelFileSizeLimit, ' ') + "}");
  try {
    LoadModelFile(path);
    ADD_FAILURE() << "read";
  } catch (const ModelFileRefused& refused) {
    EXPECT_EQ(refused.Reason(), Refusal::TooLarge);
  }
}

}  // namespace
}  // namespace files
