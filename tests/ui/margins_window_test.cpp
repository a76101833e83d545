// Tools / Margins… chooses the margins of the model in the main window: the
// result table, the diagram's marks and the unsaved-changes mark follow; a
// pair that cannot be used is refused and changes nothing.
#include <fstream>
#include <string>

#include <QLineEdit>
#include <QTest>

#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "ui/tools/what_if_plot_view.h"
#include "window_test.h"

namespace ui_test {
namespace {

class MarginsWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    ShowWindows();
    Action(QStringLiteral("Margins1")).trigger();
  }

  QWidget& Window() { return ChildOf<QWidget>(Main(), QStringLiteral("MarginsWindow")); }
  QLineEdit& Input(const QString& name) { return ChildOf<QLineEdit>(Window(), name); }
  QLineEdit& Forward() { return Input(QStringLiteral("Margins_Forward")); }
  QLineEdit& Rear() { return Input(QStringLiteral("Margins_Rear")); }
  QString Line(const QString& name) { return ChildOf<QLabel>(Window(), name).text(); }

  // Types the pair into the fields and presses Enter in the rear one.
  void Choose(const QString& forward, const QString& rear) {
    Forward().clear();
    QTest::keyClicks(&Forward(), forward);
    Rear().clear();
    QTest::keyClicks(&Rear(), rear);
    QTest::keyClick(&Rear(), Qt::Key_Return);
  }

  // The two margin labels and the margins window's fields, as one text.
  QString Margins() {
    return Value(QStringLiteral("Lab_Stabv")) + QStringLiteral("/") + Value(QStringLiteral("Lab_Stabh")) +
           QStringLiteral(" fields ") + Forward().text() + QStringLiteral("/") + Rear().text();
  }
  QString Value(const QString& name) { return NamedLabel(name).text(); }

  // Where the two margins and their units stand.
  QList<QRect> MarginPlaces() {
    QList<QRect> places;
    for (const char* name : {"Lab_Stabv", "Label15", "Lab_Stabh", "Label16"})
      places.append(NamedLabel(QString::fromLatin1(name)).geometry());
    return places;
  }
  // Each margin shows its whole text, right of its row's caption and left of
  // its unit.
  bool MarginsFit() {
    const struct {
      int caption;
      const char *value, *unit;
    } rows[] = {{12, "Lab_Stabv", "Label15"}, {13, "Lab_Stabh", "Label16"}};
    for (const auto& row : rows) {
      const QLabel& caption = Caption(row.caption);
      const QLabel& value = NamedLabel(QString::fromLatin1(row.value));
      const QLabel& unit = NamedLabel(QString::fromLatin1(row.unit));
      if (caption.x() + caption.fontMetrics().horizontalAdvance(caption.text()) > value.x() ||
          value.fontMetrics().horizontalAdvance(value.text()) > value.width() || value.geometry().right() >= unit.x())
        return false;
    }
    return true;
  }

  bool DiagramShowsRange(double rear, double forward) {
    diagram::Canvas expected(diagram::kDiagramWidth, diagram::kDiagramHeight);
    diagram::DrawPlanform(expected, Main().Model(), rear, forward, std::nullopt);
    const diagram::Canvas* shown = Diagram().DrawnCanvas();
    if (shown == nullptr) return false;
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x)
        if (shown->Pixel(x, y) != expected.Pixel(x, y)) return false;
    return true;
  }
};

// 20/10 on the default model: both centre-of-gravity rows and the margins
// show the recorded table, the diagram's marks stand at the new range, the
// model counts as changed, the what-if plot computes with them. "Defaults"
// brings back today's table.
TEST_F(MarginsWindowTest, ChosenMarginsPlaceTheRangeAndItsMarks) {
  const calc::TStabilityData defaults = Main().Results();
  Choose(QStringLiteral("20"), QStringLiteral("10.0"));
  EXPECT_EQ(Values(), ExpectedTable("default-margins-20-10"));
  EXPECT_EQ(Main().ChosenMargins(), (calc::TMargins{20, 10}));
  EXPECT_TRUE(DiagramShowsRange(Main().Results().CgSmallMargin, Main().Results().CgLargeMargin));
  EXPECT_FALSE(DiagramShowsRange(defaults.CgSmallMargin, defaults.CgLargeMargin));
  EXPECT_TRUE(Main().isWindowModified());
  EXPECT_EQ(Rear().text(), QStringLiteral("10"));
  // The what-if plot's points take them too.
  Action(QStringLiteral("WhatIf1")).trigger();
  auto& plot = ChildOf<ui::WhatIfPlotView>(Main(), QStringLiteral("WhatIf_Chart"));
  ASSERT_TRUE(QTest::qWaitFor([&plot] { return !plot.IsUpdating(); }, 60000));
  int computed = 0;
  for (const present::WhatIfPoint& point : plot.Plot().Points) {
    if (!point.Results) continue;
    ++computed;
    EXPECT_EQ(point.Results->LargeMargin, 20);
    EXPECT_EQ(point.Results->SmallMargin, 10);
  }
  EXPECT_GT(computed, 0);

  ChildOf<QAbstractButton>(Window(), QStringLiteral("Margins_Default")).click();
  EXPECT_EQ(Values(), DefaultTable());
  EXPECT_EQ(Main().ChosenMargins(), std::nullopt);
  EXPECT_FALSE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Each refused pair says why in the dialog's language, and the model keeps
// its margins, its table and its saved state.
TEST_F(MarginsWindowTest, RefusedPairsChangeNothing) {
  std::ifstream file(CGCALC_TEST_DATA_DIR "/windows/margins_refusals.txt");
  ASSERT_TRUE(file) << "no margins_refusals.txt";
  int rows = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.front() == '#') continue;
    const QStringList cells = QString::fromStdString(line).split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), 4) << line;
    SCOPED_TRACE(line);
    ++rows;
    Button(cells[2] == QStringLiteral("de") ? QStringLiteral("Button1") : QStringLiteral("Button2")).click();
    Choose(cells[0], cells[1]);
    EXPECT_EQ(Line(QStringLiteral("Margins_Error")), cells[3]);
    EXPECT_EQ(Main().ChosenMargins(), std::nullopt);
    EXPECT_EQ(Values(), DefaultTable());
    EXPECT_FALSE(Main().isWindowModified());
  }
  EXPECT_GT(rows, 0);
}

// The defaults switch with the tailplane span going to 0 and back; chosen
// margins stay, and a decimal finds room beside its caption and unit.
// Loading a model file returns to the defaults and their places.
TEST_F(MarginsWindowTest, ChosenMarginsOutliveTheTailplaneDefaultsSwitch) {
  const QString defaults = Margins();
  const QList<QRect> places = MarginPlaces();
  SetField(QStringLiteral("Bh"), QStringLiteral("0"));
  EXPECT_EQ(Margins(), QStringLiteral(" 8/ 4 fields 8/4"));
  SetField(QStringLiteral("Bh"), QStringLiteral("415"));
  EXPECT_EQ(Margins(), defaults);
  EXPECT_EQ(defaults, QStringLiteral("16/ 8 fields 16/8"));

  Choose(QStringLiteral("12.5"), QStringLiteral("2.5"));
  const QString chosen = QStringLiteral("12.5/2.5 fields 12.5/2.5");
  EXPECT_EQ(Margins(), chosen);
  EXPECT_TRUE(MarginsFit());
  SetField(QStringLiteral("Bh"), QStringLiteral("0"));
  EXPECT_EQ(Margins(), chosen);
  SetField(QStringLiteral("Bh"), QStringLiteral("415"));
  EXPECT_EQ(Margins(), chosen);

  dialogs.saveChangesAnswers = {ui::Dialogs::UnsavedChanges::Discard};
  dialogs.openAnswers = {QStringLiteral(CGCALC_TEST_DATA_DIR "/default.dat")};
  Action(QStringLiteral("Load1")).trigger();
  EXPECT_TRUE(dialogs.saveChangesAnswers.empty()) << "Load did not ask about the chosen margins";
  EXPECT_EQ(Main().ChosenMargins(), std::nullopt);
  EXPECT_EQ(Margins(), defaults);
  EXPECT_EQ(MarginPlaces(), places);
  EXPECT_FALSE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
