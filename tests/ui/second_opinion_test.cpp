// The vortex lattice's second opinion in the windows: the main window's
// status line after edits, while a solution is pending and after a failure,
// in both languages; the balance check's verdict against the lattice's
// neutral point; the what-if plot's lattice curve.
#include <algorithm>
#include <map>
#include <string>

#include <QComboBox>
#include <QSettings>
#include <QTest>

#include "aero/comparison.h"
#include "aero/vortex_lattice.h"
#include "calc/number_text.h"
#include "expected_labels.h"
#include "present/second_opinion.h"
#include "ui/platform/appearance.h"
#include "ui/platform/eliding_label.h"
#include "ui/tools/what_if_plot_view.h"
#include "window_test.h"

namespace ui_test {
namespace {

using present::Language;

// The canard warning in each language (tests/data/expected/canard-warning.txt).
std::map<std::string, QString> CanardWarnings() {
  std::map<std::string, QString> warnings;
  const QStringList lines =
      QString::fromStdString(test_support::ExpectedFile("canard-warning.txt")).split(QLatin1Char('\n'));
  for (const QString& line : lines)
    if (line.contains(QLatin1Char('\t'))) warnings[line.section(QLatin1Char('\t'), 0, 0).toStdString()] = line.section(QLatin1Char('\t'), 1);
  return warnings;
}

class SecondOpinionTest : public WindowTest {
 protected:
  void SetUp() override {
    QSettings(QStringLiteral("cgcalc"), QStringLiteral("cgcalc")).remove(QStringLiteral("BalanceCheck"));
    ShowWindows();
    ASSERT_TRUE(WaitForSecondOpinion());
  }

  // Types `text` over a field of the main window, key by key.
  void Type(const QString& code, const QString& text) {
    QLineEdit& field = Field(code);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, text);
  }

  // The lattice's opinion of the main window's model, solved here.
  aero::Comparison Solved() {
    const std::optional<aero::VlmResult> vlm = aero::SolveVortexLattice(Main().Model());
    EXPECT_TRUE(vlm.has_value());
    return aero::Compare(Main().Model(), Main().Results(), vlm.value_or(aero::VlmResult{}));
  }

  static bool IsGrey(const QLabel& label) { return ui::TextColour(label) == ui::kGrey; }
};

// An edit shows the old opinion grey and marked while the new model is
// solved, then the new model's summary, black.
TEST_F(SecondOpinionTest, EditShowsPendingThenTheNewSummary) {
  const QString before = SecondOpinion().text();
  Type(QStringLiteral("Rh"), QStringLiteral("300"));
  EXPECT_EQ(SecondOpinion().text(), before + QStringLiteral(" \u2026"));
  EXPECT_TRUE(IsGrey(SecondOpinion()));
  EXPECT_TRUE(IsGrey(SecondOpinionWarnings()));
  ASSERT_TRUE(WaitForSecondOpinion());
  EXPECT_EQ(SecondOpinion().text(), ui::Text(present::SummaryLine(Solved(), Language::English)));
  EXPECT_NE(SecondOpinion().text(), before);
}

// A failed recalculation leaves nothing current on the line: grey without
// the mark, and the solution that was running when it failed never arrives.
TEST_F(SecondOpinionTest, FailedRecalculationLeavesTheLineGrey) {
  Type(QStringLiteral("Rh"), QStringLiteral("300"));
  Type(QStringLiteral("B"), QStringLiteral("0"));
  QTest::qWait(300);
  EXPECT_TRUE(IsGrey(SecondOpinion()));
  EXPECT_FALSE(SecondOpinion().text().endsWith(QStringLiteral("\u2026")));
  EXPECT_EQ(TakeReports().size(), 1);
  Type(QStringLiteral("B"), QStringLiteral("1300"));
  EXPECT_TRUE(WaitForSecondOpinion());
}

// A tailplane ahead of the wing's trailing edge brings the canard warning,
// red and bold, cut with its whole text as the tooltip; the language
// buttons switch both lines.
TEST_F(SecondOpinionTest, CanardWarningInBothLanguages) {
  const std::map<std::string, QString> expected = CanardWarnings();
  Type(QStringLiteral("Rh"), QStringLiteral("-400"));
  ASSERT_TRUE(WaitForSecondOpinion());
  for (const present::LanguageEntry& entry : present::kLanguages) {
    SCOPED_TRACE(entry.code);
    Button(ui::Text(entry.buttonName)).click();
    const QString whole = SecondOpinionWarnings().toolTip();
    EXPECT_TRUE(whole.startsWith(expected.at(std::string(entry.code)))) << whole.toStdString();
    EXPECT_TRUE(SecondOpinionWarnings().text().endsWith(QStringLiteral("\u2026")));
    EXPECT_EQ(ui::TextColour(SecondOpinionWarnings()), ui::kRed);
    EXPECT_TRUE(SecondOpinionWarnings().font().bold());
    EXPECT_EQ(SecondOpinion().text(), ui::Text(present::SummaryLine(Solved(), entry.language)));
  }
}

// Where the two neutral points differ, the balance check judges the measured
// centre of gravity against the lattice's too: on the canard CG 50 is in the
// rule's range but ahead of the lattice's neutral point. As a flying wing
// the two agree, and the lattice's rows go.
TEST_F(SecondOpinionTest, BalanceCheckJudgesAgainstTheLattice) {
  Action(QStringLiteral("Balance1")).trigger();
  QWidget& balance = ChildOf<QWidget>(Main(), QStringLiteral("BalanceWindow"));
  ChildOf<QAbstractButton>(balance, QStringLiteral("Bal_ModeCg")).click();
  ChildOf<QLineEdit>(balance, QStringLiteral("Bal_CgInput")).setText(QStringLiteral("50"));
  QLabel& verdict = ChildOf<QLabel>(balance, QStringLiteral("Bal_VlmVerdict"));
  Type(QStringLiteral("Rh"), QStringLiteral("-400"));
  ASSERT_TRUE(WaitForSecondOpinion());
  EXPECT_EQ(ChildOf<QLabel>(balance, QStringLiteral("Bal_Verdict")).text(), QStringLiteral("in range"));
  EXPECT_TRUE(verdict.isVisible());
  EXPECT_EQ(verdict.text(), QStringLiteral("unstable"));
  const double margin = aero::StaticMargin(50, Solved().Vlm.NeutralPoint, Main().Results().Wing.Mac);
  EXPECT_EQ(ChildOf<QLabel>(balance, QStringLiteral("Bal_VlmMargin")).text(),
            QString::fromStdString(calc::FormatFixed(margin, 5, 1)));
  Button(QStringLiteral("Button1")).click();
  EXPECT_EQ(verdict.text(), QStringLiteral("instabil"));

  Type(QStringLiteral("Bh"), QStringLiteral("0"));
  ASSERT_TRUE(WaitForSecondOpinion());
  EXPECT_FALSE(verdict.isVisible());
}

// What if gets the lattice's neutral point at every point of its range as a
// further curve with a legend entry; at the current span it is the main
// window's own. A new range starts the curve afresh.
TEST_F(SecondOpinionTest, WhatIfDrawsTheLatticeCurve) {
  Action(QStringLiteral("WhatIf1")).trigger();
  QWidget& whatIf = ChildOf<QWidget>(Main(), QStringLiteral("WhatIfWindow"));
  auto& plot = ChildOf<ui::WhatIfPlotView>(whatIf, QStringLiteral("WhatIf_Chart"));
  const auto typeRange = [&whatIf](const char* from, const char* to) {
    for (const auto& [name, text] : {std::pair{"WhatIf_From", from}, std::pair{"WhatIf_To", to}}) {
      QLineEdit& field = ChildOf<QLineEdit>(whatIf, QString::fromLatin1(name));
      field.selectAll();
      QTest::keyClicks(&field, QString::fromLatin1(text));
    }
  };
  const auto complete = [&plot] { return !plot.IsUpdating() && plot.LatticeComplete(); };
  typeRange("1000", "1500");
  ASSERT_TRUE(QTest::qWaitFor(complete, 60000));
  EXPECT_TRUE(plot.LegendEntries().contains(QStringLiteral("vortex lattice NP")));
  ASSERT_EQ(plot.LatticePieces().size(), 1u);
  const QPolygonF& curve = plot.LatticePieces().front();
  EXPECT_EQ(static_cast<std::size_t>(curve.size()), plot.Plot().Points.size());
  const auto atSpan = std::ranges::find_if(curve, [](QPointF point) { return point.x() == 1300; });
  ASSERT_NE(atSpan, curve.end());
  EXPECT_EQ(atSpan->y(), Solved().Vlm.NeutralPoint);

  typeRange("1000", "2000");
  ASSERT_TRUE(QTest::qWaitFor(complete, 60000));
  ASSERT_EQ(plot.LatticePieces().size(), 1u);
  EXPECT_EQ(plot.LatticePieces().front().last().x(), 2000);
}

// The status line paints its lines from pictures kept between keystrokes:
// they must show the pixels a plain label shows, drawn afresh or prepared.
TEST(ElidingLabel, PaintsWhatALabelShows) {
  const struct {
    const char* text;
    const char* mark;
    QRgb colour;
    bool bold;
  } cases[] = {{"Vortex lattice: neutral point 113.3 mm", "", ui::kBlack, false},
               {"Vortex lattice: neutral point 113.3 mm", " \u2026", ui::kGrey, false},
               {"The neutral points differ by 3.1 % of the mean chord: the vortex lattice's lies further aft.", "",
                ui::kRed, true}};
  QWidget strip;
  ui::SetSilverBackground(strip);
  strip.resize(240, 13);
  ui::ElidingLabel line(&strip);
  QLabel label(&strip);
  for (QLabel* each : {static_cast<QLabel*>(&line), &label}) each->setGeometry(0, 0, 240, 13);
  label.setAlignment(line.alignment());
  const auto pixels = [](QLabel& shown) { return shown.grab().toImage().convertToFormat(QImage::Format_RGB32); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    for (QLabel* each : {static_cast<QLabel*>(&line), &label}) {
      each->setFont(c.bold ? ui::BoldWindowFont() : ui::WindowFont());
      ui::SetTextColour(*each, c.colour);
    }
    line.SetFullText(QString::fromUtf8(c.text), QString::fromUtf8(c.mark));
    line.Prepare(QString(), QColor(ui::kGrey));
    label.setText(line.text());
    EXPECT_EQ(pixels(line), pixels(label));
  }
  // The look prepared for the grey line without its mark, shown.
  line.SetFullText(line.FullText());
  label.setText(line.text());
  for (QLabel* each : {static_cast<QLabel*>(&line), &label}) ui::SetTextColour(*each, ui::kGrey);
  EXPECT_EQ(pixels(line), pixels(label));
}

}  // namespace
}  // namespace ui_test
