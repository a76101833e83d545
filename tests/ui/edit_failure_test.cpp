// A failure report never eats typing: the report of a recalculation after an
// edit waits until the user has stopped typing (or left the field), and is
// dropped when a later edit recalculates without failure. It comes only
// while the main window has the user: not in a menu, a dialog or another
// window. Failures of other handlers are reported at once.
#include <chrono>
#include <functional>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "file_test.h"

namespace ui_test {
namespace {

using namespace std::chrono_literals;

const QString kInvalid = QStringLiteral("Invalid floating point operation.");

class EditFailureTest : public WindowTest {
 protected:
  // Selects all of the span and types `text` over it, key by key.
  QLineEdit& TypeOverSpan(const QString& text) {
    QLineEdit& span = Field(QStringLiteral("B"));
    span.setFocus();
    span.selectAll();
    QTest::keyClicks(&span, text);
    return span;
  }

  // Waits, with the event loop running, until a report has come.
  bool WaitForReport(std::chrono::milliseconds timeout = 5s) {
    return QTest::qWaitFor([this] { return !dialogs.reports.empty(); }, int(timeout.count()));
  }
};

// Typing over a selected field: every key lands in the field and no box
// shows while typing, although "-" alone fails. A box comes after the pause
// only when the text typed last fails.
TEST_F(EditFailureTest, TypingIsNeverInterrupted) {
  const struct {
    const char* typed;
    bool fails;
  } rows[] = {{"-200", false}, {"-0", true}, {"-", true}, {"1e400", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    ShowWindows();
    const QLineEdit& span = TypeOverSpan(QString::fromLatin1(row.typed));
    EXPECT_EQ(span.text(), QString::fromLatin1(row.typed));
    EXPECT_TRUE(dialogs.reports.empty()) << "a box while typing";
    EXPECT_EQ(ReportTimer().isActive(), row.fails);
    QTest::qWait(int(kTestReportDelay.count()) * 3);
    EXPECT_EQ(dialogs.reports.size(), row.fails ? 1u : 0u);
  }
}

// The report waits 700 ms after the last keystroke in the program as it
// starts; each further edit starts the wait again.
TEST_F(EditFailureTest, TheRealDelayWaitsForAPause) {
  ShowWindows(ui::MainWindow::kFailureReportDelay);
  TypeOverSpan(QStringLiteral("-"));
  QTest::qWait(300);
  TypeOverSpan(QStringLiteral("-0"));  // the same failure again, 300 ms later
  QElapsedTimer sinceLastEdit;
  sinceLastEdit.start();
  QTest::qWait(300);
  EXPECT_TRUE(dialogs.reports.empty()) << "reported before the pause";
  ASSERT_TRUE(WaitForReport());
  // Timers may run a little early; a busy machine may make them late.
  EXPECT_GT(sinceLastEdit.elapsed(), 600);
  EXPECT_LT(sinceLastEdit.elapsed(), 3000);
  EXPECT_EQ(TakeReports(), QStringList{kInvalid});
}

// Leaving the field ends the typing: the report comes at once, long before
// the delay is over.
TEST_F(EditFailureTest, LeavingTheFieldReportsAtOnce) {
  ShowWindows(std::chrono::minutes(10));
  TypeOverSpan(QStringLiteral("0"));
  ASSERT_TRUE(dialogs.reports.empty());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), &Field(QStringLiteral("Li")));
  ASSERT_TRUE(WaitForReport());
  EXPECT_EQ(TakeReports(), QStringList{kInvalid});
  EXPECT_FALSE(ReportTimer().isActive());
}

// A later edit that recalculates without failure drops the held-back
// report; one that fails again replaces it with its own.
TEST_F(EditFailureTest, LaterEditsDecideTheReport) {
  ShowWindows();
  TypeOverSpan(QStringLiteral("0"));
  TypeOverSpan(QStringLiteral("1300"));
  QTest::qWait(int(kTestReportDelay.count()) * 3);
  EXPECT_TRUE(dialogs.reports.empty());

  TypeOverSpan(QStringLiteral("0"));
  TypeOverSpan(QStringLiteral("1e400"));
  ASSERT_TRUE(WaitForReport());
  QTest::qWait(int(kTestReportDelay.count()) * 2);
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Floating point overflow.")});
}

// A report held back waits while the user is in a menu, in another window of
// the program or in a dialog, and comes once they are back.
TEST_F(EditFailureTest, ReportWaitsWhileTheUserIsElsewhere) {
  const auto stayAway = [] { QTest::qWait(int(kTestReportDelay.count()) * 3); };
  const struct {
    const char* place;
    std::function<void()> go, back;
  } rows[] = {
      {"File menu", [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier), stayAway(); },
       [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape); }},
      {"About window",
       [&] {
         Action(QStringLiteral("about1")).trigger();
         ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &About(); }));
         stayAway();
       },
       [&] { QTest::mouseClick(&OkButton(), Qt::LeftButton); }},
      {"Save as dialog",
       [&] {
         dialogs.whileOpen = stayAway;
         QTest::mouseClick(&Button(QStringLiteral("SaveButton")), Qt::LeftButton);
       },
       [] {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.place);
    ShowWindows();
    TypeOverSpan(QStringLiteral("-"));
    row.go();
    EXPECT_TRUE(dialogs.reports.empty()) << "reported while away";
    row.back();
    ASSERT_TRUE(WaitForReport());
    EXPECT_EQ(TakeReports(), QStringList{kInvalid});
  }
}

// Keystrokes that change nothing are typing too, and no report comes while a
// key is down: the box never takes the release of a key pressed in the field.
TEST_F(EditFailureTest, NoReportWhileKeysArePressed) {
  ShowWindows();
  QLineEdit& span = TypeOverSpan(QStringLiteral("-"));
  for (int i = 0; i < 6; ++i) {
    QTest::qWait(int(kTestReportDelay.count()) / 2);
    QTest::keyClick(&span, Qt::Key_Left);
  }
  QTest::keyPress(&span, Qt::Key_Shift);
  QTest::qWait(int(kTestReportDelay.count()) * 3);
  EXPECT_TRUE(dialogs.reports.empty()) << "reported while typing";
  QTest::keyRelease(&span, Qt::Key_Shift);
  ASSERT_TRUE(WaitForReport());
  EXPECT_EQ(TakeReports(), QStringList{kInvalid});
}

// Failures of the start, of Load and of the commands are reported at once,
// as the handler ends.
TEST_F(EditFailureTest, OtherFailuresAreReportedAtOnce) {
  CreateWindows(std::chrono::minutes(10));
  EditFieldUnnoticed(QStringLiteral("B"), QString());
  windows->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
  EXPECT_EQ(dialogs.reports.size(), 1u) << "the start's failure";
  dialogs.reports.clear();

  dialogs.openAnswers = {DataFile("empty.dat")};
  dialogs.saveChangesAnswers = {ui::Dialogs::UnsavedChanges::Discard};
  Action(QStringLiteral("Load1")).trigger();
  EXPECT_EQ(dialogs.reports.size(), 1u) << "the closing recalculation of Load";
  EXPECT_FALSE(ReportTimer().isActive());
}

}  // namespace
}  // namespace ui_test
