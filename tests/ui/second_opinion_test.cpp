// The vortex lattice's second opinion in the windows: the main window's
// status line after edits, while a solution is pending and after a failure,
// in both languages, and a canard's range; the balance check's verdict
// against the lattice's neutral point and the one to follow; the what-if
// plot's lattice curve.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include <QComboBox>
#include <QSettings>
#include <QTest>

#include "aero/comparison.h"
#include "aero/vortex_lattice.h"
#include "calc/number_text.h"
#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "present/second_opinion.h"
#include "ui/platform/appearance.h"
#include "ui/platform/eliding_label.h"
#include "ui/tools/what_if_plot_view.h"
#include "window_test.h"

namespace ui_test {
namespace {

using present::Language;

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

// The warning line as the status line joins present::Warnings.
QString WarningsText(const aero::Comparison& comparison, Language language) {
  QStringList warnings;
  for (const std::string& warning : present::Warnings(comparison, language)) warnings << ui::Text(warning);
  return warnings.join(QLatin1Char(' '));
}

// What the second line says of the default model with the tailplane moved:
// where it lies at most a little ahead of the wing's trailing edge it is
// still behind the wing, and the lattice's neutral point further aft gets a
// plain note; 400 mm ahead it is a canard, with the red warning that says
// what to do, the rule's centres of gravity greyed as not applicable and the
// diagram's marks at the lattice's range. Both languages.
TEST_F(SecondOpinionTest, SecondLineAndRangeFollowWhereTheTailplaneActs) {
  const struct {
    const char* rh;
    bool canard;
  } cases[] = {{"360", false}, {"-1", false}, {"-400", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rh);
    Type(QStringLiteral("Rh"), QString::fromLatin1(c.rh));
    ASSERT_TRUE(WaitForSecondOpinion());
    const aero::Comparison solved = Solved();
    for (const present::LanguageEntry& entry : present::kLanguages) {
      SCOPED_TRACE(entry.code);
      Button(ui::Text(entry.buttonName)).click();
      QLabel& line = SecondOpinionWarnings();
      const QString expected =
          c.canard ? WarningsText(solved, entry.language) : ui::Text(present::Note(solved, entry.language));
      EXPECT_FALSE(expected.isEmpty());
      EXPECT_EQ(line.toolTip().isEmpty() ? line.text() : line.toolTip(), expected);
      EXPECT_EQ(ui::TextColour(line), c.canard ? ui::kRed : ui::kBlack);
      EXPECT_EQ(line.font().bold(), c.canard);
      EXPECT_EQ(SecondOpinion().text(), ui::Text(present::SummaryLine(solved, entry.language)));
      for (const char* name : {"Lab_Rsp1", "Lab_Rsp2"}) {
        QLabel& cg = NamedLabel(QString::fromLatin1(name));
        EXPECT_EQ(IsGrey(cg), c.canard) << name;
        EXPECT_EQ(cg.toolTip().isEmpty(), !c.canard) << name;
      }
    }
    // The marks stand where the window drew them for this range.
    const calc::TStabilityData& rule = Main().Results();
    ASSERT_EQ(solved.LatticeRange.has_value(), true);
    const double rear = c.canard ? solved.LatticeRange->Rear : rule.CgSmallMargin;
    const double forward = c.canard ? solved.LatticeRange->Forward : rule.CgLargeMargin;
    diagram::Canvas expected(diagram::kDiagramWidth, diagram::kDiagramHeight);
    diagram::DrawPlanform(expected, Main().Model(), rear, forward);
    const diagram::Canvas* shown = Diagram().DrawnCanvas();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(std::memcmp(shown->Data(), expected.Data(),
                          sizeof(std::uint32_t) * diagram::kDiagramWidth * diagram::kDiagramHeight),
              0);
  }
}

// The balance check shows the verdict against the lattice's neutral point
// where it differs from the rule's or the lattice governs, and which to
// follow: on the canard CG 50 is in the rule's range but behind the
// lattice's neutral point, and the lattice governs; on the default model CG
// 95 is tail-heavy by the rule, in range by the lattice, and the rule, more
// cautious, governs; CG 80 is in range by both, and the rule's rows say all.
TEST_F(SecondOpinionTest, BalanceCheckNamesTheVerdictToFollow) {
  Action(QStringLiteral("Balance1")).trigger();
  QWidget& balance = ChildOf<QWidget>(Main(), QStringLiteral("BalanceWindow"));
  ChildOf<QAbstractButton>(balance, QStringLiteral("Bal_ModeCg")).click();
  const auto text = [&balance](const char* name) { return ChildOf<QLabel>(balance, QString::fromLatin1(name)).text(); };
  QLabel& latticeVerdict = ChildOf<QLabel>(balance, QStringLiteral("Bal_VlmVerdict"));
  QLabel& governing = ChildOf<QLabel>(balance, QStringLiteral("Bal_Governing"));
  const struct {
    const char* rh;
    const char* cg;
    const char* verdict;
    const char* latticeVerdict;  // nullptr: the lattice's rows hidden
    present::Judgement governs;
  } cases[] = {
      {"-400", "50", "in range", "unstable", present::Judgement::Lattice},
      {"360", "95", "tail-heavy", "in range", present::Judgement::Rule},
      {"360", "80", "in range", nullptr, present::Judgement::Rule},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rh) + " " + c.cg);
    ChildOf<QLineEdit>(balance, QStringLiteral("Bal_CgInput")).setText(QString::fromLatin1(c.cg));
    Type(QStringLiteral("Rh"), QString::fromLatin1(c.rh));
    ASSERT_TRUE(WaitForSecondOpinion());
    const aero::Comparison solved = Solved();
    const present::Governing expected = present::GoverningOf(solved);
    EXPECT_EQ(expected.judgement, c.governs);
    EXPECT_EQ(text("Bal_Verdict"), QString::fromLatin1(c.verdict));
    EXPECT_EQ(latticeVerdict.isVisible(), c.latticeVerdict != nullptr);
    EXPECT_EQ(governing.isVisible(), c.latticeVerdict != nullptr);
    if (c.latticeVerdict == nullptr) continue;
    EXPECT_EQ(latticeVerdict.text(), QString::fromLatin1(c.latticeVerdict));
    const double margin = aero::StaticMargin(std::stod(c.cg), solved.Vlm.NeutralPoint, Main().Results().Wing.Mac);
    EXPECT_EQ(text("Bal_VlmMargin"), QString::fromStdString(calc::FormatFixed(margin, 5, 1)));
    EXPECT_EQ(governing.text(), ui::Text(present::GoverningText(expected, Language::English)));
    Button(QStringLiteral("Button1")).click();
    EXPECT_EQ(governing.text(), ui::Text(present::GoverningText(expected, Language::German)));
    Button(QStringLiteral("Button2")).click();
  }
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
               {"Canard or tandem: balance within the vortex lattice's range of -36.9 to -19.7 mm; the rule's range "
                "does not apply.",
                "", ui::kRed, true}};
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
