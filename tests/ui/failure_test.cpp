// What the window shows after a failure, by the stage where the cycle stopped:
// while reading or computing the wing no value changes; in the tailplane and
// totals only the five wing values are new; in the redraw all values are new
// but colours and warning stay. The values the cycle did not rewrite turn
// grey until a cycle succeeds again, and a diagram the cycle did not begin to
// redraw is blank. Each failure is reported once.
#include <algorithm>

#include <QApplication>
#include <QTest>

#include "calc/fields.h"
#include "file_test.h"

namespace ui_test {
namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kGrey = qRgb(128, 128, 128);

enum class Stage { Wing, TailAndTotals, Redraw };

struct Edit {
  const char* code;
  const char* text;
};

struct FailureRow {
  const char* name;
  std::vector<Edit> before;  // edits that lead up to the failing one (they may fail too)
  Edit failing;
  Stage stage;
  const char* report;
};

const FailureRow kRows[] = {
    {"empty wing span", {}, {"B", ""}, Stage::Wing, "Invalid floating point operation."},
    {"all wing chords zero", {{"Lk", "0"}}, {"Li", "0"}, Stage::Wing,
     "Invalid floating point operation."},
    {"wing field beyond range", {}, {"Lk", "1e400"}, Stage::Wing, "Floating point overflow."},
    {"wing beyond range", {}, {"Li", "1e300"}, Stage::Wing, "Floating point overflow."},
    {"tailplane span beyond range", {}, {"Bh", "-2e308"}, Stage::TailAndTotals, "Floating point overflow."},
    {"tailplane field beyond range", {}, {"Rh", "1e999"}, Stage::TailAndTotals, "Floating point overflow."},
    {"all tailplane chords zero", {{"Lih", "0"}, {"Lkh", "0"}}, {"Lah", "0"}, Stage::TailAndTotals,
     "Invalid floating point operation."},
    {"wing changes while tailplane fails", {{"Lih", "0"}, {"Lkh", "0"}, {"Lah", "0"}}, {"B", "1000"},
     Stage::TailAndTotals, "Invalid floating point operation."},
    {"zero span with outer panel", {{"Sa", "300"}}, {"B", "0"}, Stage::TailAndTotals,
     "Floating point division by zero."},
    {"flying wing without lift", {{"Bh", "0"}, {"Sa", "300"}}, {"B", "0"}, Stage::TailAndTotals,
     "Invalid floating point operation."},
    {"zero scale by span", {{"Li", "-300"}}, {"B", "-200"}, Stage::Redraw, "Floating point division by zero."},
    {"zero scale by chord, warning stays", {{"Lk", "-100"}, {"Li", "-150"}}, {"B", "-1000"}, Stage::Redraw,
     "Floating point division by zero."},
};

struct Screen {
  ValueTexts values;
  std::array<QRgb, present::kResultLabelCount> colours;  // in label order
  QString warning;
  QImage diagram;
};

// The wing's labels come first in label order; the wing stage writes them.
std::size_t WingStageLabelCount() {
  return static_cast<std::size_t>(std::ranges::count(present::CellsInLabelOrder(), calc::Stage::CalcWing,
                                                     [](const present::ResultCell* cell) { return cell->stage; }));
}

std::string LabelName(std::size_t i) { return std::string(present::CellsInLabelOrder()[i]->name); }

class FailureTest : public WindowTest {
 protected:
  void Apply(const Edit& edit) { SetField(QString::fromLatin1(edit.code), QString::fromLatin1(edit.text)); }

  Screen Capture() {
    QApplication::processEvents();
    Screen screen;
    screen.values = Values();
    for (std::size_t i = 0; i < screen.colours.size(); ++i) {
      const QLabel& label = NamedLabel(QString::fromStdString(LabelName(i)));
      screen.colours[i] = label.palette().color(QPalette::WindowText).rgb();
    }
    screen.warning = NamedLabel(QStringLiteral("Label17")).text();
    screen.diagram = Diagram().grab().toImage();
    return screen;
  }
};

TEST_F(FailureTest, EachStageLeavesWhatItShould) {
  CreateWindows();
  const QImage blank = Diagram().grab().toImage();  // as before the first drawing
  for (const FailureRow& row : kRows) {
    SCOPED_TRACE(row.name);
    ShowWindows();
    for (const Edit& edit : row.before) Apply(edit);
    TakeReports();
    const Screen before = Capture();

    Apply(row.failing);
    EXPECT_EQ(TakeReports(), QStringList{QString::fromLatin1(row.report)});
    EXPECT_EQ(Field(QString::fromLatin1(row.failing.code)).text(), QString::fromLatin1(row.failing.text));
    const Screen after = Capture();

    const std::size_t newValues = row.stage == Stage::Wing            ? 0
                                  : row.stage == Stage::TailAndTotals ? WingStageLabelCount()
                                                                      : present::kResultLabelCount;
    for (std::size_t i = 0; i < present::kResultLabelCount; ++i) {
      SCOPED_TRACE(LabelName(i));
      if (i >= newValues) {
        EXPECT_EQ(after.values[i], before.values[i]);
        EXPECT_EQ(after.colours[i], kGrey) << "a value of the model before is not marked";
      } else {
        EXPECT_NE(after.colours[i], kGrey) << "a new value is marked as old";
        if (before.colours[i] != kGrey) {
          EXPECT_EQ(after.colours[i], before.colours[i]);
        }
      }
    }
    EXPECT_EQ(after.warning, before.warning);
    // The planform before is never left as if it were the new model's.
    if (row.stage == Stage::Redraw) {
      EXPECT_NE(after.diagram, before.diagram);
    } else {
      EXPECT_EQ(after.diagram, blank);
    }
  }
}

// A failure in the tailplane after a wing change shows the new wing values.
TEST_F(FailureTest, WingValuesAreNewWhenTheTailplaneFails) {
  ShowWindows();
  for (const char* code : {"Lih", "Lkh", "Lah"}) SetField(QString::fromLatin1(code), QStringLiteral("0"));
  TakeReports();
  SetField(QStringLiteral("B"), QStringLiteral("1000"));
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Invalid floating point operation.")});
  const ValueTexts values = Values();
  // Wing of 1000 mm span: 21.5 dm², mean chord and neutral point as before,
  // aspect ratio 4.65, lift slope 4.14.
  EXPECT_EQ(QStringList(values.begin(), values.begin() + 5),
            QStringList({" 21.5", "215.0", "  4.7", "  4.1", " 73.6"}));
  EXPECT_EQ(values[5], QStringLiteral("  0.2"));  // the tailplane area before its last chord became 0
  // The margins were set before the tailplane failed, the tailplane chords read.
  EXPECT_EQ(Main().Results().SmallMargin, 8);
  EXPECT_EQ(Main().Model().Lah, 0);
}

// The grey goes with the next cycle that succeeds: every value has its
// colour again, the red of a standing warning included; a second failure
// before that greys only what it did not rewrite.
TEST_F(FailureTest, ColoursReturnWithTheNextSuccess) {
  ShowWindows();
  const Screen start = Capture();
  SetField(QStringLiteral("Lah"), QStringLiteral("0"));
  SetField(QStringLiteral("Lkh"), QStringLiteral("0"));
  SetField(QStringLiteral("Lih"), QStringLiteral("0"));  // the tailplane fails
  SetField(QStringLiteral("B"), QString());              // the wing fails too
  EXPECT_EQ(TakeReports().size(), 1) << "only the last failure is reported";
  std::array<QRgb, present::kResultLabelCount> allGrey;
  allGrey.fill(kGrey);
  EXPECT_EQ(Capture().colours, allGrey);
  SetField(QStringLiteral("B"), QStringLiteral("1300"));  // the wing is back, the tailplane still fails
  TakeReports();
  const Screen wingBack = Capture();
  for (std::size_t i = 0; i < present::kResultLabelCount; ++i) {
    SCOPED_TRACE(LabelName(i));
    EXPECT_EQ(wingBack.colours[i], i < 5 ? start.colours[i] : kGrey);
  }
  SetField(QStringLiteral("Lih"), QStringLiteral("160"));
  EXPECT_EQ(Capture().colours, start.colours);

  // A small aspect ratio: the warning's red comes back, not the plain colour.
  SetField(QStringLiteral("B"), QStringLiteral("800"));
  const Screen warning = Capture();
  ASSERT_EQ(warning.colours[2], kRed);  // Lab_Lamt
  SetField(QStringLiteral("Lih"), QStringLiteral("0"));
  SetField(QStringLiteral("Lih"), QStringLiteral("160"));
  EXPECT_EQ(Capture().colours, warning.colours);
  EXPECT_EQ(TakeReports(), QStringList{}) << "the failure was dropped when the next edit succeeded";
}

// Loading an empty file fails at the zero wing: the diagram is blank, not the
// planform before; entering the default texts again draws it again.
TEST_F(FailureTest, EmptyFileBlanksTheDiagram) {
  CreateWindows();
  const QImage blank = Diagram().grab().toImage();
  ShowWindows();
  const QImage drawn = Diagram().grab().toImage();
  ASSERT_NE(drawn, blank);
  dialogs.openAnswers = {DataFile("empty.dat")};
  QTest::mouseClick(&Button(QStringLiteral("LoadButton")), Qt::LeftButton);
  ASSERT_EQ(TakeReports().size(), 1);
  EXPECT_EQ(Diagram().grab().toImage(), blank);
  for (std::size_t i = 0; i < calc::kModelFieldCodes.size(); ++i) {
    const std::string_view code = calc::kModelFieldCodes[i];
    SetField(QString::fromLatin1(code.data(), qsizetype(code.size())),
             QString::fromLatin1(calc::kDefaultFieldTexts[i].data()));
  }
  EXPECT_EQ(Diagram().grab().toImage(), drawn);
}

// A wing field beyond the range stops the reading there: the fields before
// it are in the model, it and the later ones keep their values.
TEST_F(FailureTest, ReadingStopsAtTheFieldBeyondRange) {
  ShowWindows();
  EditFieldUnnoticed(QStringLiteral("B"), QStringLiteral("1000"));
  EditFieldUnnoticed(QStringLiteral("Lk"), QStringLiteral("1e400"));
  EditFieldUnnoticed(QStringLiteral("Va"), QStringLiteral("5"));
  SetField(QStringLiteral("La"), QStringLiteral("7"));
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Floating point overflow.")});
  EXPECT_EQ(Main().Model().B, 1000);
  EXPECT_EQ(Main().Model().Li, 220);
  EXPECT_EQ(Main().Model().Lk, 210);
  EXPECT_EQ(Main().Model().La, 0);
  EXPECT_EQ(Main().Model().Va, 0);
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), ExpectedLabelText("default", "Lab_St"));
}

// A redraw stopped at a zero scale leaves the background and the red centre
// line; the next redraw has a red frame (the pen it kept), the one after a
// black frame again, and the table returns to its defaults.
TEST_F(FailureTest, RedrawAfterZeroScale) {
  ShowWindows();
  SetField(QStringLiteral("Li"), QStringLiteral("-300"));
  SetField(QStringLiteral("B"), QStringLiteral("-200"));
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Floating point division by zero.")});
  QApplication::processEvents();
  const QImage stopped = Diagram().grab().toImage();
  EXPECT_EQ(stopped.pixel(136, 100), kRed);
  EXPECT_EQ(stopped.pixel(0, 0), kBlack);
  int blue = 0;
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 272; ++x) blue += stopped.pixel(x, y) == kBlue;
  EXPECT_EQ(blue, 0);

  SetField(QStringLiteral("B"), QStringLiteral("1300"));
  QApplication::processEvents();
  EXPECT_EQ(Diagram().grab().toImage().pixel(0, 0), kRed);
  SetField(QStringLiteral("Li"), QStringLiteral("220"));
  QApplication::processEvents();
  EXPECT_EQ(Diagram().grab().toImage().pixel(0, 0), kBlack);
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_Rsp1")).text(), ExpectedLabelText("default", "Lab_Rsp1"));
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
