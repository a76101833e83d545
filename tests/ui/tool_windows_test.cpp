// The main window drives the Tools windows: their language follows the
// language buttons, their results follow every recalculation, and the
// balance check's measured centre of gravity is drawn in the main diagram.
#include <set>
#include <utility>

#include <QComboBox>
#include <QSettings>
#include <QTest>

#include "calc/fields.h"
#include "calc/stability.h"
#include "calc/sweep.h"
#include "diagram/planform.h"
#include "present/balance_rows.h"
#include "ui/platform/appearance.h"
#include "ui/tools/what_if_plot_view.h"
#include "window_test.h"

namespace ui_test {
namespace {

const QString kCgInput = QStringLiteral("Bal_CgInput");

using PixelSet = std::set<std::pair<int, int>>;

class ToolWindowsTest : public WindowTest {
 protected:
  void SetUp() override {
    // The balance check keeps its inputs for the next run; each test starts
    // without any.
    QSettings(QStringLiteral("cgcalc"), QStringLiteral("cgcalc")).remove(QStringLiteral("BalanceCheck"));
    ShowWindows();
    Action(QStringLiteral("Balance1")).trigger();
    Action(QStringLiteral("WhatIf1")).trigger();
    ChildOf<QAbstractButton>(Balance(), QStringLiteral("Bal_ModeCg")).click();
  }

  QWidget& Balance() { return ChildOf<QWidget>(Main(), QStringLiteral("BalanceWindow")); }
  QWidget& WhatIf() { return ChildOf<QWidget>(Main(), QStringLiteral("WhatIfWindow")); }
  QString BalanceText(const QString& name) { return ChildOf<QLabel>(Balance(), name).text(); }
  void EnterCg(const QString& text) { ChildOf<QLineEdit>(Balance(), kCgInput).setText(text); }

  // Where the what-if plot's current-value line stands; nothing without one.
  std::optional<double> CurrentValueLine() {
    auto& plot = ChildOf<ui::WhatIfPlotView>(WhatIf(), QStringLiteral("WhatIf_Chart"));
    EXPECT_TRUE(QTest::qWaitFor([&plot] { return !plot.IsUpdating(); }));
    return plot.CurrentMarks().currentValue;
  }
};

PixelSet MagentaPixels(const QImage& image) {
  PixelSet pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == qRgb(255, 0, 255)) pixels.insert({x, y});
  return pixels;
}

PixelSet MagentaPixels(const diagram::Canvas& canvas) {
  PixelSet pixels;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) == diagram::kFuchsia) pixels.insert({x, y});
  return pixels;
}

// Pressing "deutsch" with both Tools windows open turns their titles German;
// "english" turns them back.
TEST_F(ToolWindowsTest, LanguageButtonsSwitchTheToolWindows) {
  const QString englishBalance = Balance().windowTitle();
  const QString englishWhatIf = WhatIf().windowTitle();
  Button(QStringLiteral("Button1")).click();
  EXPECT_EQ(Balance().windowTitle(), ui::Text(present::In(present::kBalanceTitle, present::Language::German)));
  EXPECT_NE(WhatIf().windowTitle(), englishWhatIf);
  Button(QStringLiteral("Button2")).click();
  EXPECT_EQ(Balance().windowTitle(), englishBalance);
  EXPECT_EQ(WhatIf().windowTitle(), englishWhatIf);
}

// An edit of the span recalculates the balance check's margin and moves the
// what-if plot's current-value line to the new span.
TEST_F(ToolWindowsTest, FieldEditIsFollowedByBothToolWindows) {
  ChildOf<QComboBox>(WhatIf(), QStringLiteral("WhatIf_Field")).setCurrentIndex(*calc::FieldIndexOfCode("B"));
  EnterCg(QStringLiteral("80"));
  const QString margin = BalanceText(QStringLiteral("Bal_Margin"));
  ASSERT_NE(margin, QString());
  EXPECT_EQ(CurrentValueLine(), 1300.0);
  SetField(QStringLiteral("B"), QStringLiteral("1500"));
  EXPECT_NE(BalanceText(QStringLiteral("Bal_Margin")), margin);
  EXPECT_NE(BalanceText(QStringLiteral("Bal_Margin")), QString());
  EXPECT_EQ(CurrentValueLine(), 1500.0);
  EXPECT_TRUE(TakeReports().isEmpty());
}

// A centre of gravity typed into the balance check is the magenta mark of
// the main diagram, where the diagram library puts it for the model shown.
TEST_F(ToolWindowsTest, MeasuredCgIsMarkedInTheMainDiagram) {
  EXPECT_TRUE(MagentaPixels(Diagram().Shown()).empty());
  EnterCg(QStringLiteral("80"));
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(calc::DefaultFieldTexts(), model, results);
  diagram::Canvas expected(diagram::kDiagramWidth, diagram::kDiagramHeight);
  diagram::DrawPlanform(expected, model, results.CgSmallMargin, results.CgLargeMargin, 80.0);
  const PixelSet mark = MagentaPixels(expected);
  ASSERT_FALSE(mark.empty());
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), mark);
  EnterCg(QString());
  EXPECT_TRUE(MagentaPixels(Diagram().Shown()).empty());
}

}  // namespace
}  // namespace ui_test
