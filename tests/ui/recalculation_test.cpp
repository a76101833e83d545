// Every change of a field recomputes everything and refreshes the table,
// the diagram and the warning line.
#include <QTest>

#include "calc/fields.h"
#include "calc/number_text.h"
#include "calc/stability.h"
#include "window_test.h"

namespace ui_test {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);

const QString kEnglishWarning = QStringLiteral("Attention: Aspect ratio to small for exactly calculation!");
const QString kGermanWarning = QStringLiteral("Achtung: Streckung zu klein f\u00fcr exakte Berechnung!");

QRgb Colour(const QLabel& label) { return label.palette().color(QPalette::WindowText).rgb(); }

class RecalculationTest : public WindowTest {
 protected:
  void SetUp() override { ShowWindows(); }

  // The table the calculation gives for the fields as they are now, by the
  // library's own path (no failure expected).
  ValueTexts TableForFields() {
    calc::FieldTexts texts;
    for (int i = 0; i < calc::kModelFieldCount; ++i) {
      const std::string_view code = calc::kModelFieldCodes[i];
      texts[i] = Field(QString::fromLatin1(code.data(), qsizetype(code.size()))).text().toStdString();
    }
    calc::TModelData model;
    calc::TStabilityData results;
    calc::Recalculate(texts, model, results);
    const present::ResultLabelTexts labels = present::LabelTexts(results);
    ValueTexts table;
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = QString::fromStdString(labels[i]);
    return table;
  }

  void ExpectWarning(bool shown, const QString& text) {
    EXPECT_EQ(Colour(NamedLabel(QStringLiteral("Lab_Lamt"))), shown ? kRed : kBlue);
    EXPECT_EQ(Colour(NamedLabel(QStringLiteral("Lab_Rsp1"))), shown ? kRed : kBlack);
    EXPECT_EQ(Colour(NamedLabel(QStringLiteral("Lab_Rsp2"))), shown ? kRed : kBlack);
    EXPECT_EQ(NamedLabel(QStringLiteral("Label17")).text(), text);
    // Nothing else changes colour.
    EXPECT_EQ(Colour(NamedLabel(QStringLiteral("Lab_Lmt"))), kBlue);
    EXPECT_EQ(Colour(NamedLabel(QStringLiteral("Label17"))), kRed);
  }
};

// Start-up fills the table from the default texts before any input.
TEST_F(RecalculationTest, StartUpShowsTheDefaultTable) {
  EXPECT_EQ(Values(), DefaultTable());
  ExpectWarning(false, QString());
}

// An empty or zero tailplane span computes a flying wing; the tailplane
// fields keep their texts and Rh is neither read nor cleared.
TEST_F(RecalculationTest, FlyingWing) {
  const ValueTexts flyingWingTable = ExpectedTable("flying_wing");  // the start-up fields without the tailplane
  for (const QString& span : {QString(), QStringLiteral("0"), QStringLiteral("-0")}) {
    SCOPED_TRACE(span.toStdString());
    SetField(QStringLiteral("Bh"), span);
    EXPECT_EQ(Values(), flyingWingTable);
    EXPECT_EQ(Field(QStringLiteral("Lih")).text(), QStringLiteral("160"));
    SetField(QStringLiteral("Rh"), QStringLiteral("999"));
    EXPECT_EQ(Main().Model().Rh, 360);
    EXPECT_EQ(Main().Model().Lih, 0);
    SetField(QStringLiteral("Rh"), QStringLiteral("360"));
    SetField(QStringLiteral("Bh"), QStringLiteral("415"));
    EXPECT_EQ(Values(), DefaultTable());
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Typing recomputes on every keystroke.
TEST_F(RecalculationTest, EveryKeystrokeRecomputes) {
  QLineEdit& span = Field(QStringLiteral("B"));
  span.selectAll();
  QTest::keyClick(&span, Qt::Key_Delete);  // empty span: a failure, reported
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Invalid floating point operation.")});
  for (const char key : std::string("2500")) {
    QTest::keyClick(&span, key);
    SCOPED_TRACE(span.text().toStdString());
    EXPECT_EQ(Values(), TableForFields());
  }
  EXPECT_EQ(span.text(), QStringLiteral("2500"));
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 53.8"));
  QTest::keyClick(&span, Qt::Key_Backspace);
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral("  5.4"));
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Texts that are no valid numbers are not reported; they count as the
// digits read before the first wrong character.
TEST_F(RecalculationTest, InvalidTextsCountAsTheirLeadingDigits) {
  const struct {
    const char* name;
    const char* text;
    const char* same;  // a valid text with the value the invalid one yields
  } rows[] = {{"letter after digits", "12a", "12"},  {"decimal comma", "-12,5", "12"},
              {"trailing blank", "1300 ", "1300"},    {"two points", "1.2.3", "12"},
              {"letter first", "x1300", "0"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SetField(QStringLiteral("Lk"), QString::fromLatin1(row.same));
    const ValueTexts expected = Values();
    SetField(QStringLiteral("Lk"), QString::fromLatin1(row.text));
    EXPECT_EQ(Values(), expected);
    EXPECT_EQ(Main().Model().Lk, calc::ParseNumber(row.same));
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// An aspect ratio of exactly 5 shows no warning; just below, the three
// labels turn red and the warning appears in the current language.
TEST_F(RecalculationTest, AspectRatioWarning) {
  // A rectangular wing of span 1000 and chord 200: aspect ratio exactly 5.
  SetField(QStringLiteral("Li"), QStringLiteral("200"));
  SetField(QStringLiteral("Lk"), QStringLiteral("200"));
  SetField(QStringLiteral("Vk"), QStringLiteral("0"));
  SetField(QStringLiteral("B"), QStringLiteral("1000"));
  EXPECT_EQ(Main().Results().Wing.AspectRatio, 5.0);
  ExpectWarning(false, QString());

  SetField(QStringLiteral("Lk"), QStringLiteral("201"));
  ExpectWarning(true, kEnglishWarning);

  Button(QStringLiteral("Button1")).click();  // "deutsch"
  SetField(QStringLiteral("Lk"), QStringLiteral("202"));
  ExpectWarning(true, kGermanWarning);

  SetField(QStringLiteral("Lk"), QStringLiteral("200"));
  ExpectWarning(false, QString());
  EXPECT_EQ(NamedLabel(QStringLiteral("Label17")).width(), 0);
  EXPECT_TRUE(TakeReports().isEmpty());
}

// While the recalculation is off (until the first activation), edits change
// nothing on screen; the first activation takes them in.
TEST_F(RecalculationTest, NothingWhileDisabled) {
  CreateWindows();
  SetField(QStringLiteral("B"), QStringLiteral("2000"));
  SetField(QStringLiteral("Bh"), QString());
  EXPECT_EQ(Values(), ValueTexts{});
  EXPECT_EQ(Main().Model().B, 0);
  windows->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
  EXPECT_EQ(Main().Model().B, 2000);
  EXPECT_EQ(Values(), TableForFields());
}

// The diagram area shows the drawing surface pixel for pixel, with the marks
// where the computed centres of gravity put them.
TEST_F(RecalculationTest, DiagramShowsTheCanvasOneToOne) {
  QApplication::processEvents();
  const diagram::Canvas* canvas = Diagram().DrawnCanvas();
  ASSERT_NE(canvas, nullptr);
  const QImage screen = Diagram().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(screen.size(), QSize(272, 192));
  int differences = 0;
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 272; ++x)
      if (screen.pixel(x, y) != (canvas->Data()[y * 272 + x] | 0xFF000000u)) ++differences;
  EXPECT_EQ(differences, 0);
  // Marks of the default model's centres of gravity on rows 71 and 74, the
  // reference line on row 59 and the centre line on column 136.
  EXPECT_EQ(screen.pixel(134, 71), kBlack);
  EXPECT_EQ(screen.pixel(137, 74), kBlack);
  EXPECT_EQ(screen.pixel(5, 59), kRed);
  EXPECT_EQ(screen.pixel(136, 20), kRed);

  // Flying wing: the marks move to rows 125 and 126.
  SetField(QStringLiteral("Bh"), QStringLiteral("0"));
  QApplication::processEvents();
  const QImage flyingWing = Diagram().grab().toImage();
  EXPECT_EQ(flyingWing.pixel(134, 125), kBlack);
  EXPECT_EQ(flyingWing.pixel(134, 126), kBlack);
  EXPECT_NE(flyingWing.pixel(134, 71), kBlack);
}

}  // namespace
}  // namespace ui_test
