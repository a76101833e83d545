#include "files/model_look.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "files/model_reader.h"

namespace files {
namespace {

using namespace std::string_literals;

ModelFileLook LookOf(const std::string& bytes) {
  ModelLookCheck check;
  check.Feed(bytes);
  return check.Finish();
}

struct ShapeRow {
  const char* name;
  std::string line;  // the first line; the file is this line and a line end
  bool fits;
};

// What one line may hold: nothing, or one plain number with blanks around.
const ShapeRow kShapeRows[] = {
    {"empty", "", true},
    {"blanks only", "    ", true},
    {"whole number", "1300", true},
    {"padded negative", "  -30", true},
    {"blanks after", "12  ", true},
    {"plus sign", "+5", true},
    {"point first", "-.5", true},
    {"point last", "5.", true},
    {"exponent", "-1.5e-2", true},
    {"exponent after point", "5.E3", true},
    {"exponent with plus", " 1E+07", true},
    {"beyond the double range", "1e400", true},
    {"point alone", ".", false},
    {"sign alone", "-", false},
    {"sign then blank", "- 5", false},
    {"exponent without digits", "1e", false},
    {"exponent sign without digits", "1e+", false},
    {"exponent without mantissa", "E5", false},
    {"point then exponent", ".e5", false},
    {"decimal comma", "12,5", false},
    {"two points", "1.2.3", false},
    {"fractional exponent", "1e5.5", false},
    {"two numbers", "1 2", false},
    {"tab before", "\t5", false},
    {"tab after", "5\t", false},
    {"hexadecimal", "0x10", false},
    {"word", "Span", false},
    {"number then word", "1300 mm", false},
    {"nul byte", "13\0"s "00", false},
};

TEST(ModelLook, LineShapes) {
  for (const ShapeRow& row : kShapeRows) {
    SCOPED_TRACE(row.name);
    const ModelFileLook look = LookOf(row.line + "\r\n 220\r\n");
    EXPECT_EQ(look.looksLikeModel, row.fits);
    if (!row.fits) {
      EXPECT_EQ(look.line, 1);
      EXPECT_EQ(look.text, row.line);
    }
  }
}

// Blanks after a number make the reader take its digits alone; the line
// fits only where that is the same value, bit for bit.
TEST(ModelLook, BlanksAfterANumberMustNotChangeIt) {
  const struct {
    const char* line;
    std::optional<double> readsAs;  // nothing: the line fits
  } rows[] = {
      {"500 ", {}}, {"+5  ", {}}, {"5. ", {}}, {"0500 ", {}},  {"-30 ", 30},
      {"36.5 ", 365}, {"12.5  ", 125}, {" 1E+07 ", 1}, {"-0 ", 0.0}, {"1e400 ", 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    const ModelFileLook look = LookOf("1300\r\n"s + row.line + "\r\n");
    EXPECT_EQ(look.line, row.readsAs ? 2 : 0);
    EXPECT_EQ(look.readsAs, row.readsAs);
    // "-0 " reads as 0, which compares equal to -0.
    if (look.readsAs) {
      EXPECT_FALSE(std::signbit(*look.readsAs));
    }
  }
}

struct LineRow {
  const char* name;
  std::string bytes;
  int line;          // 0: looks like a model file
  std::string text;  // of that line, as kept
};

std::string Lines(int count, const std::string& end) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(i + 1) + end;
  return text;
}

// Which line is found, with every kind of line end, the end of the data
// and the end of the file.
const LineRow kLineRows[] = {
    {"each line end counts once", "1\n2\r3\r\n4\nx", 5, "x"},
    {"line feed and carriage return are two", "1\n\rx", 3, "x"},
    {"carriage return line feed then carriage return", "1\r\n\rx", 3, "x"},
    {"last line without line end", "1\r\n2\r\nx", 3, "x"},
    {"fifteen lines of line feeds", Lines(15, "\n"), 0, ""},
    {"sixteenth line", Lines(15, "\r\n") + " 500\r\n", 16, " 500"},
    {"blank lines after the fifteenth", Lines(15, "\r") + "  \r\n\n\r   ", 0, ""},
    {"Ctrl-Z padding after the fifteenth", Lines(15, "\n") + "\x1a\x1a \x1a", 0, ""},
    {"junk behind Ctrl-Z after the fifteenth", Lines(15, "\r\n") + "\x1aPK", 16, "\x1aPK"},
    {"Ctrl-Z ends the data early", "1\r\n2\x1a \r\n\r\n \x1a", 0, ""},
    {"number behind an early Ctrl-Z", "1\r\n2\x1a\r\n 210\r\n", 3, " 210"},
    {"text behind Ctrl-Z in the same line", "1\r\n 2\x1a" "20\r\n", 2, " 2\x1a" "20"},
    {"unfinished number before Ctrl-Z", "1e\x1a", 1, "1e\x1a"},
    {"number changed by a blank before Ctrl-Z", "1\r\n-30 \x1a", 2, "-30 \x1a"},
    {"number changed by a blank, no line end", "1\r\n-30 ", 2, "-30 "},
    {"long line kept to 40 bytes", "1\r\n" + std::string(30, ' ') + "1300 mm and more text", 2,
     std::string(30, ' ') + "1300 mm an"},
};

TEST(ModelLook, FirstLineThatDoesNotFit) {
  for (const LineRow& row : kLineRows) {
    SCOPED_TRACE(row.name);
    const ModelFileLook look = LookOf(row.bytes);
    EXPECT_EQ(look.looksLikeModel, row.line == 0);
    EXPECT_EQ(look.line, row.line);
    EXPECT_EQ(look.text, row.text);
  }
}

// Pieces of any size, split between carriage return and line feed
// included, give the same verdict.
TEST(ModelLook, AnySplitPointGivesTheSameLook) {
  for (const LineRow& row : kLineRows) {
    SCOPED_TRACE(row.name);
    for (std::size_t cut = 0; cut <= row.bytes.size(); ++cut) {
      SCOPED_TRACE(cut);
      ModelLookCheck check;
      check.Feed(std::string_view(row.bytes).substr(0, cut));
      check.Feed(std::string_view(row.bytes).substr(cut));
      const ModelFileLook look = check.Finish();
      EXPECT_EQ(look.line, row.line);
      EXPECT_EQ(look.text, row.text);
    }
  }
}

TEST(ModelLook, DecidedOnceTheLineTextIsComplete) {
  ModelLookCheck check;
  check.Feed("1300\r\nSpan");
  EXPECT_FALSE(check.Decided()) << "the rest of line 2 belongs to its text";
  check.Feed(" 1300 mm\r\n");
  EXPECT_TRUE(check.Decided());
  check.Feed("more\r\n");
  EXPECT_EQ(check.Finish().text, "Span 1300 mm");

  ModelLookCheck fits;
  fits.Feed(Lines(15, "\r\n"));
  EXPECT_FALSE(fits.Decided()) << "whatever follows line 15 still counts";
}

struct ShownRow {
  const char* name;
  std::string text;
  std::string shown;
};

TEST(ShownLineText, CutAndUnprintableBytes) {
  const ShownRow rows[] = {
      {"plain", "Span 1300 mm", "Span 1300 mm"},
      {"empty", "", ""},
      {"exactly forty", std::string(40, 'a'), std::string(40, 'a')},
      {"forty-one is cut", std::string(40, 'a') + "b", std::string(40, 'a')},
      {"control bytes", "\t1\x1a\r\0"s "2", "?1???2"},
      {"delete", "\x7f" "ELF", "?ELF"},
      {"every printable", " ~!09AZaz", " ~!09AZaz"},
      {"UTF-8 letters byte by byte", "Gr\xc3\xb6\xc3\x9f" "e", "Gr????e"},
      {"cut inside a UTF-8 letter", std::string(39, 'a') + "\xc3\xb6", std::string(39, 'a') + "?"},
  };
  for (const ShownRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ShownLineText(row.text), row.shown);
  }
}

}  // namespace
}  // namespace files
