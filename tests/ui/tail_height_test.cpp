// The tailplane's height above the wing, typed into Tools / Tailplane
// height, reaches both users of the vortex lattice: the main window's status
// line and the what-if plot's lattice curve.
#include <algorithm>

#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include "aero/comparison.h"
#include "aero/vortex_lattice.h"
#include "present/second_opinion.h"
#include "ui/platform/appearance.h"
#include "ui/tools/what_if_plot_view.h"
#include "window_test.h"

namespace ui_test {
namespace {

class TailHeightTest : public WindowTest {
 protected:
  void SetUp() override {
    QSettings(QStringLiteral("cgcalc"), QStringLiteral("cgcalc")).remove(QStringLiteral("TailHeight"));
    ShowWindows();
    ASSERT_TRUE(WaitForSecondOpinion());
  }

  // The lattice's neutral point of `model` at `height`, solved here.
  static double NeutralPointAt(const calc::TModelData& model, double height) {
    aero::VlmOptions options;
    options.TailHeight = height;
    const std::optional<aero::VlmResult> vlm = aero::SolveVortexLattice(model, options);
    EXPECT_TRUE(vlm.has_value());
    return vlm.value_or(aero::VlmResult{}).NeutralPoint;
  }

  QString SummaryAt(double height) {
    aero::VlmOptions options;
    options.TailHeight = height;
    return ui::Text(present::SummaryLine(
        aero::Compare(Main().Model(), Main().Results(), *aero::SolveVortexLattice(Main().Model(), options)),
        present::Language::English));
  }
};

// Typing a height re-solves the model at once: the status line names the
// lattice's neutral point at that height; a text that is no number says so
// and keeps the last height; What if's lattice curve follows the height.
TEST_F(TailHeightTest, HeightReachesTheLattice) {
  ASSERT_EQ(SecondOpinion().text(), SummaryAt(0));
  Action(QStringLiteral("TailHeight1")).trigger();
  QWidget& window = ChildOf<QWidget>(Main(), QStringLiteral("TailHeightWindow"));
  QLineEdit& input = ChildOf<QLineEdit>(window, QStringLiteral("TailHeight_Input"));
  QTest::keyClicks(&input, QStringLiteral("150"));
  ASSERT_TRUE(WaitForSecondOpinion());
  EXPECT_EQ(SecondOpinion().text(), SummaryAt(150));
  EXPECT_NE(SummaryAt(150), SummaryAt(0));

  QTest::keyClick(&input, Qt::Key_X);
  EXPECT_FALSE(ChildOf<QLabel>(window, QStringLiteral("TailHeight_Error")).text().isEmpty());
  EXPECT_EQ(ui::TextColour(SecondOpinion()), ui::kBlack);

  Action(QStringLiteral("WhatIf1")).trigger();
  auto& plot = ChildOf<ui::WhatIfPlotView>(Main(), QStringLiteral("WhatIf_Chart"));
  ASSERT_TRUE(QTest::qWaitFor([&plot] { return !plot.IsUpdating() && plot.LatticeComplete(); }, 60000));
  ASSERT_FALSE(plot.LatticePieces().empty());
  const QPointF point = plot.LatticePieces().front().at(100);
  calc::TModelData model = Main().Model();
  model.B = point.x();
  EXPECT_EQ(point.y(), NeutralPointAt(model, 150));
  EXPECT_NE(point.y(), NeutralPointAt(model, 0));
}

}  // namespace
}  // namespace ui_test
