// When the main window's start runs: at the first activation, and whenever
// the focus comes into the main window from the About window, but not for
// dialogs, message boxes or moves inside the window.
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "window_test.h"

namespace ui_test {
namespace {

class ActivationTest : public WindowTest {
 protected:
  // The state a later run of start would change, set so that any run shows:
  // a saved file's name, German warnings, and a field edited without a
  // recalculation.
  void PrepareState() {
    ASSERT_TRUE(folder.isValid());
    QFile::remove(ModelPath());  // else Save as would ask before replacing it
    SaveModelAs(ModelPath());
    Button(QStringLiteral("Button1")).click();  // "deutsch"
    ASSERT_EQ(Main().Language(), present::Language::German);
    EditFieldUnnoticed(QStringLiteral("B"), QStringLiteral("1000"));
    ASSERT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), ExpectedLabelText("default", "Lab_St"));
  }

  // start ran once more: it recalculated (area 21.5 dm² for the 1000 mm span)
  // and left the file name, its line and the language alone.
  void ExpectLaterStartRan() {
    EXPECT_TRUE(Main().RecalcEnabled());
    EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 21.5"));
    EXPECT_EQ(Main().CurrentFileName(), ModelPath());
    EXPECT_EQ(NamedLabel(QStringLiteral("Lab_fname")).text(), ModelPath());
    EXPECT_EQ(Main().Language(), present::Language::German);
  }

  // start would have taken in the span edited unnoticed.
  void ExpectStartDidNotRun() { EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), ExpectedLabelText("default", "Lab_St")); }

  // Shows the About window as Help / About will, with the focus on its button.
  void VisitAboutWindow() {
    About().show();
    Activate(About());
    ASSERT_EQ(QApplication::focusWidget(), &OkButton());
    ASSERT_EQ(windows->Tracker().FocusedWindow(), &About());
  }

  QString ModelPath() const { return folder.filePath(QStringLiteral("glider.dat")); }

  QTemporaryDir folder;
};

// Before the first activation the window is built and its fields may change,
// but nothing is computed and nothing is shown.
TEST_F(ActivationTest, NothingIsComputedBeforeTheFirstActivation) {
  CreateWindows();
  SetField(QStringLiteral("B"), QStringLiteral("1000"));
  EXPECT_FALSE(Main().RecalcEnabled());
  EXPECT_EQ(Main().Language(), present::Language::German);
  EXPECT_TRUE(Main().CurrentFileName().isEmpty());
  for (const QString& text : Values()) EXPECT_TRUE(text.isEmpty());
  EXPECT_TRUE(NamedLabel(QStringLiteral("Lab_fname")).text().isEmpty());
  EXPECT_EQ(Diagram().DrawnCanvas(), nullptr);
  EXPECT_EQ(windows->Tracker().FocusedWindow(), nullptr);
}

// Showing the main window activates it: Bot_B has the focus and start has
// run once, before any input.
TEST_F(ActivationTest, FirstShowingRunsStart) {
  ShowWindows();
  EXPECT_EQ(QApplication::focusWidget(), &Field(QStringLiteral("B")));
  EXPECT_EQ(windows->Tracker().FocusedWindow(), &Main());
  EXPECT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_fname")).text(), QStringLiteral("NoName"));
  EXPECT_EQ(Main().Language(), present::Language::English);
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), ExpectedLabelText("default", "Lab_St"));
  EXPECT_NE(Diagram().DrawnCanvas(), nullptr);
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Hiding the About window by its O.K. button runs start before the hiding
// returns; only the recalculation runs again.
TEST_F(ActivationTest, OkButtonOfAboutWindowRunsStartAtOnce) {
  ShowWindows();
  PrepareState();
  VisitAboutWindow();
  OkButton().click();
  EXPECT_FALSE(About().isVisible());
  ExpectLaterStartRan();
  EXPECT_EQ(windows->Tracker().FocusedWindow(), &Main());
}

// A click on O.K. or Space on it hides the window the same way.
TEST_F(ActivationTest, ClickingOkRunsStart) {
  ShowWindows();
  PrepareState();
  VisitAboutWindow();
  QTest::keyClick(&OkButton(), Qt::Key_Space);
  ExpectLaterStartRan();
}

// The close box hides the About window like O.K.
TEST_F(ActivationTest, CloseBoxOfAboutWindowRunsStart) {
  ShowWindows();
  PrepareState();
  VisitAboutWindow();
  EXPECT_TRUE(About().close());
  EXPECT_FALSE(About().isVisible());
  ExpectLaterStartRan();
}

// Clicking into the main window while the About window stays open runs start.
TEST_F(ActivationTest, ComingBackWhileAboutWindowStaysOpenRunsStart) {
  ShowWindows();
  PrepareState();
  VisitAboutWindow();
  Activate(Main());
  EXPECT_TRUE(About().isVisible());
  ExpectLaterStartRan();
  // Back in the About window and out again: start runs once more.
  EditFieldUnnoticed(QStringLiteral("B"), QStringLiteral("1300"));
  Activate(About());
  Activate(Main());
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), ExpectedLabelText("default", "Lab_St"));
}

// Focus moving between the main window's own controls fires nothing.
TEST_F(ActivationTest, FocusInsideTheMainWindowRunsNothing) {
  ShowWindows();
  PrepareState();
  QTest::keyClick(&Field(QStringLiteral("B")), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &Field(QStringLiteral("Li")));
  Field(QStringLiteral("Vah")).setFocus();
  ExpectStartDidNotRun();
}

// Dialogs and message boxes are no windows of the program: opening and
// closing them, and coming back to the main window, run nothing.
TEST_F(ActivationTest, DialogsAndMessageBoxesLeaveTheFocusedWindow) {
  const struct {
    const char* name;
    std::function<QDialog*(QWidget*)> make;
  } cases[] = {
      {"message box",
       [](QWidget* parent) {
         return new QMessageBox(QMessageBox::Critical, QStringLiteral("Cgcalc"), QStringLiteral("x."),
                                QMessageBox::Ok, parent);
       }},
      {"file dialog",
       [](QWidget* parent) {
         auto* dialog = new QFileDialog(parent);
         dialog->setOption(QFileDialog::DontUseNativeDialog);
         return dialog;
       }},
      {"plain dialog", [](QWidget* parent) { return new QDialog(parent); }},
  };
  ShowWindows();
  PrepareState();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QDialog> dialog(c.make(&Main()));
    dialog->open();
    Activate(*dialog);
    EXPECT_EQ(windows->Tracker().FocusedWindow(), &Main());
    dialog->reject();
    Activate(Main());
    ExpectStartDidNotRun();
  }
}

// A failure in the first activation's recalculation is reported once; the
// name is set and the language stays German, since the last step is skipped.
TEST_F(ActivationTest, FailingFirstStartIsReportedOnce) {
  CreateWindows();
  SetField(QStringLiteral("B"), QString());
  windows->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Invalid floating point operation.")});
  EXPECT_TRUE(Main().RecalcEnabled());
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_fname")).text(), QStringLiteral("NoName"));
  EXPECT_EQ(Main().Language(), present::Language::German);
  for (const QString& text : Values()) EXPECT_TRUE(text.isEmpty());
}

// After a failed first start the warning language is still made English by
// the first start that completes, here on the way back from About.
TEST_F(ActivationTest, LaterStartCompletesWhatAFailedFirstStartLeftUndone) {
  CreateWindows();
  SetField(QStringLiteral("B"), QString());
  windows->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
  TakeReports();
  SetField(QStringLiteral("B"), QStringLiteral("1300"));
  VisitAboutWindow();
  OkButton().click();
  EXPECT_EQ(Main().Language(), present::Language::English);
  EXPECT_EQ(Values(), DefaultTable());
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
