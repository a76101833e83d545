// The main window drives the Tools windows: their language follows the
// language buttons, their results follow every recalculation, and the
// balance check's measured centre of gravity is drawn in the main diagram.
#include <set>
#include <utility>

#include <QComboBox>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "calc/fields.h"
#include "calc/stability.h"
#include "calc/sweep.h"
#include "diagram/planform.h"
#include "file_test.h"
#include "files/model_document.h"
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
  // Replaces a field's text key by key, as the user does.
  static void TypeInto(QLineEdit& field, const QString& text) {
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
  }

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
  // The plot takes the model after the main window has painted.
  EXPECT_TRUE(QTest::qWaitFor([this] { return CurrentValueLine() == 1500.0; }));
  EXPECT_TRUE(TakeReports().isEmpty());
}

// A span of 0 leaves the main window without a model: every figure of the
// balance check turns to a dash and its error line says why, in the current
// language; the next good span brings the figures back.
TEST_F(ToolWindowsTest, FailedRecalculationLeavesTheBalanceCheckWithoutFigures) {
  TypeInto(ChildOf<QLineEdit>(Balance(), kCgInput), QStringLiteral("80"));
  const QString margin = BalanceText(QStringLiteral("Bal_Margin"));
  TypeInto(Field(QStringLiteral("B")), QStringLiteral("0"));
  EXPECT_FALSE(TakeReports().isEmpty());
  for (const present::BalanceRow& row : present::BalanceRows())
    EXPECT_EQ(BalanceText(ui::Text(row.name)), QStringLiteral("\u2013")) << row.name;
  EXPECT_EQ(BalanceText(QStringLiteral("Bal_Error")),
            QStringLiteral("no valid model: the main window's last recalculation failed"));
  Button(QStringLiteral("Button1")).click();
  EXPECT_TRUE(BalanceText(QStringLiteral("Bal_Error")).startsWith(QStringLiteral("kein g\u00fcltiges Modell")));
  Button(QStringLiteral("Button2")).click();

  TypeInto(Field(QStringLiteral("B")), QStringLiteral("1300"));
  EXPECT_EQ(BalanceText(QStringLiteral("Bal_Margin")), margin);
  EXPECT_EQ(BalanceText(QStringLiteral("Bal_Error")), QString());
}

// In the active balance check a key with Alt, Meta or Ctrl never types into
// a field (95 stays the CG), and the main window's Ctrl+S runs its Save.
TEST_F(ToolWindowsTest, CommandKeysInTheBalanceCheckNeverType) {
  QLineEdit& cg = ChildOf<QLineEdit>(Balance(), kCgInput);
  Activate(Balance());
  TypeInto(cg, QStringLiteral("95"));
  for (const Qt::KeyboardModifier modifier : {Qt::AltModifier, Qt::MetaModifier, Qt::ControlModifier}) {
    SCOPED_TRACE(modifier);
    QTest::keyClick(&cg, '1', modifier);
    EXPECT_EQ(cg.text(), QStringLiteral("95"));
  }
  dialogs.saveAnswers = {std::nullopt};
  QTest::keyClick(&cg, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(dialogs.saveAnswers.empty()) << "Save was not run";
  EXPECT_EQ(cg.text(), QStringLiteral("95"));
}

// The magenta pixels of the mark at `cg` on the default model, where the
// diagram library puts it.
PixelSet MarkAt(double cg) {
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(calc::DefaultFieldTexts(), model, results);
  diagram::Canvas expected(diagram::kDiagramWidth, diagram::kDiagramHeight);
  diagram::DrawPlanform(expected, model, results.CgSmallMargin, results.CgLargeMargin, cg);
  return MagentaPixels(expected);
}

// A centre of gravity typed into the balance check is the magenta mark of
// the main diagram.
TEST_F(ToolWindowsTest, MeasuredCgIsMarkedInTheMainDiagram) {
  EXPECT_TRUE(MagentaPixels(Diagram().Shown()).empty());
  EnterCg(QStringLiteral("80"));
  const PixelSet mark = MarkAt(80.0);
  ASSERT_FALSE(mark.empty());
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), mark);
  EnterCg(QString());
  EXPECT_TRUE(MagentaPixels(Diagram().Shown()).empty());
}

// The CG typed in one run is marked at the next start before the balance
// check is built, and its window shows the typed text again. Closing the
// window takes the mark away, also in the run after; opening brings it back.
TEST_F(ToolWindowsTest, RememberedCgIsMarkedUntilTheBalanceCheckCloses) {
  TypeInto(ChildOf<QLineEdit>(Balance(), kCgInput), QStringLiteral("80"));
  windows.reset();
  ShowWindows();
  EXPECT_EQ(Main().findChild<QWidget*>(QStringLiteral("BalanceWindow")), nullptr);
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), MarkAt(80.0));
  Action(QStringLiteral("Balance1")).trigger();
  EXPECT_EQ(ChildOf<QLineEdit>(Balance(), kCgInput).text(), QStringLiteral("80"));

  Balance().close();
  EXPECT_TRUE(MagentaPixels(Diagram().Shown()).empty());
  windows.reset();
  ShowWindows();
  EXPECT_TRUE(MagentaPixels(Diagram().Shown()).empty());
  Action(QStringLiteral("Balance1")).trigger();
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), MarkAt(80.0));
}

// A document's balance inputs are the balance check's, marked in the
// diagram before its window is built; typing in them is an unsaved change of
// the document, which Save writes and the desktop's settings never see; a
// .dat model shows the desktop's inputs again.
TEST_F(ToolWindowsTest, ADocumentKeepsItsOwnBalanceInputs) {
  EnterCg(QStringLiteral("70"));  // the desktop's
  windows.reset();
  ShowWindows();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("model.cgcalc"));
  files::ModelDocument document;
  document.Balance = {85.5, calc::TSupports{-120, 410, 260, 1210.5}, 1650, -180};
  WriteBytes(path, QByteArray::fromStdString(files::ModelDocumentText(document)));
  const auto load = [this](const QString& file) {
    dialogs.openAnswers = {file};
    Action(QStringLiteral("Load1")).trigger();
  };
  load(path);
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), MarkAt(85.5));
  Action(QStringLiteral("Balance1")).trigger();
  QLineEdit& cg = ChildOf<QLineEdit>(Balance(), kCgInput);
  EXPECT_EQ(cg.text(), QStringLiteral("85.5"));
  EXPECT_EQ(ChildOf<QLineEdit>(Balance(), QStringLiteral("Bal_Mb")).text(), QStringLiteral("1210.5"));
  EXPECT_FALSE(Main().isWindowModified());

  TypeInto(cg, QStringLiteral("90"));
  EXPECT_TRUE(Main().isWindowModified());
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), MarkAt(90.0));
  // Chosen, the supports give the centre of gravity: the document's cg goes.
  ChildOf<QRadioButton>(Balance(), QStringLiteral("Bal_ModeSupports")).click();
  Action(QStringLiteral("Save1")).trigger();
  EXPECT_FALSE(Main().isWindowModified());
  document.Balance.Cg.reset();
  EXPECT_EQ(files::ParseModelDocument(ReadBytes(path).toStdString()).Balance, document.Balance);

  load(DataFile("default.dat"));
  EXPECT_EQ(cg.text(), QStringLiteral("70"));
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), MarkAt(70.0));
  // Saved as a document, the model keeps the inputs shown as its own.
  const QString saved = folder.filePath(QStringLiteral("saved.cgcalc"));
  SaveModelAs(saved);
  EXPECT_EQ(files::ParseModelDocument(ReadBytes(saved).toStdString()).Balance.Cg, 70.0);
  TypeInto(cg, QStringLiteral("75"));
  EXPECT_TRUE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
  // The program's end writes what is still in memory: the desktop's inputs.
  windows.reset();
  EXPECT_EQ(QSettings(QStringLiteral("cgcalc"), QStringLiteral("cgcalc"))
                .value(QStringLiteral("BalanceCheck/Bal_CgInput"))
                .toString(),
            QStringLiteral("70"));
}

// The program's end closes every window, the balance check after the main
// window: that is no closing by the user, and the mark stays for the next
// start.
TEST_F(ToolWindowsTest, QuittingKeepsTheMarkForTheNextStart) {
  TypeInto(ChildOf<QLineEdit>(Balance(), kCgInput), QStringLiteral("80"));
  Main().close();
  Balance().close();
  windows.reset();
  ShowWindows();
  EXPECT_EQ(MagentaPixels(Diagram().Shown()), MarkAt(80.0));
}

// Both Tools windows read a typed number alike and word a refusal alike:
// the balance check's centre of gravity and the what-if plot's "from".
TEST_F(ToolWindowsTest, TypedNumbersAreReadAlikeInBothWindows) {
  const struct {
    const char* text;
    const char* fault;  // "": accepted
  } rows[] = {{"650 ", ""}, {"6.5e2", ""}, {"6,5", "not a number"}, {"1e400", "too large"}};
  auto& from = ChildOf<QLineEdit>(WhatIf(), QStringLiteral("WhatIf_From"));
  auto& plot = ChildOf<ui::WhatIfPlotView>(WhatIf(), QStringLiteral("WhatIf_Chart"));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const QString fault = QString::fromUtf8(row.fault);
    EnterCg(QString::fromUtf8(row.text));
    TypeInto(from, QString::fromUtf8(row.text));
    ASSERT_TRUE(QTest::qWaitFor([&plot] { return !plot.IsUpdating(); }));
    EXPECT_EQ(BalanceText(QStringLiteral("Bal_Error")), fault.isEmpty() ? fault : "centre of gravity: " + fault);
    EXPECT_EQ(ChildOf<QLabel>(WhatIf(), QStringLiteral("WhatIf_Error")).text(),
              fault.isEmpty() ? fault : "from: " + fault);
  }
}

}  // namespace
}  // namespace ui_test
