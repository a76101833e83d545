#include "ui/platform/handler_boundary.h"

#include <functional>
#include <new>
#include <stdexcept>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include "scripted_dialogs.h"

namespace {

using ui_test::ScriptedDialogs;

struct FailureCase {
  const char* name;
  std::function<void()> fail;
  QString shown;
};

// Whatever leaves a handler is reported once, with the message's full stop rule.
TEST(HandlerBoundary, ReportsWhatLeavesTheHandler) {
  const FailureCase cases[] = {
      {"arithmetic", [] { throw calc::ArithmeticFailure(calc::FailureKind::DivisionByZero); },
       QStringLiteral("Floating point division by zero.")},
      {"file error", [] { throw files::FileError(files::kAccessDenied, files::FileOperation::Create); },
       QStringLiteral("File access denied.")},
      {"file error once a bare number", [] { throw files::FileError(files::kDiskFull, files::FileOperation::Write); },
       QStringLiteral("No space left on the device.")},
      {"standard, empty text", [] { throw std::runtime_error(""); }, QString()},
      {"standard, ends in full stop", [] { throw std::logic_error("Stopped."); }, QStringLiteral("Stopped.")},
      {"out of memory", [] { throw std::bad_alloc(); }, QStringLiteral("std::bad_alloc.")},
      {"no standard exception", [] { throw 42; }, QStringLiteral("Unknown failure.")},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    ui::HandlerBoundary boundary(dialogs, QStringLiteral("Cgcalc"));
    bool ranPastFailure = false;
    boundary.Run([&] {
      c.fail();
      ranPastFailure = true;
    });
    EXPECT_FALSE(ranPastFailure);
    ASSERT_EQ(dialogs.reports.size(), 1u);
    EXPECT_EQ(dialogs.reports[0].title, QStringLiteral("Cgcalc"));
    EXPECT_EQ(dialogs.reports[0].text, c.shown);
  }
}

// Attempt reports nothing and hands back what Run would have reported; a
// handler that ends normally gives nothing.
TEST(HandlerBoundary, AttemptHandsTheFailureBack) {
  ScriptedDialogs dialogs;
  ui::HandlerBoundary boundary(dialogs, QStringLiteral("Cgcalc"));
  EXPECT_EQ(boundary.Attempt([] { throw calc::ArithmeticFailure(calc::FailureKind::Overflow); }),
            std::optional<std::string>("Floating point overflow"));
  EXPECT_EQ(boundary.Attempt([] { throw 42; }), std::optional<std::string>("Unknown failure"));
  EXPECT_EQ(boundary.Attempt([] {}), std::nullopt);
  EXPECT_TRUE(dialogs.reports.empty());
  boundary.Report("Floating point overflow");
  ASSERT_EQ(dialogs.reports.size(), 1u);
  EXPECT_EQ(dialogs.reports[0].text, QStringLiteral("Floating point overflow."));
}

// A handler that ends normally shows nothing.
TEST(HandlerBoundary, SilentWithoutFailure) {
  ScriptedDialogs dialogs;
  ui::HandlerBoundary boundary(dialogs, QStringLiteral("Cgcalc"));
  int runs = 0;
  boundary.Run([&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(dialogs.reports.empty());
}

// A failure in a nested handler ends only that one; the outer goes on and
// nothing is reported twice.
TEST(HandlerBoundary, NestedFailureEndsOnlyTheInnerHandler) {
  ScriptedDialogs dialogs;
  ui::HandlerBoundary boundary(dialogs, QStringLiteral("Cgcalc"));
  bool outerFinished = false;
  boundary.Run([&] {
    boundary.Run([] { throw calc::ArithmeticFailure(calc::FailureKind::Overflow); });
    outerFinished = true;
  });
  EXPECT_TRUE(outerFinished);
  ASSERT_EQ(dialogs.reports.size(), 1u);
  EXPECT_EQ(dialogs.reports[0].text, QStringLiteral("Floating point overflow."));
}

// The report comes after the failing handler has been unwound: its locals are
// gone when the (modal) box appears.
TEST(HandlerBoundary, ReportsAfterTheHandlerIsUnwound) {
  struct Local {
    bool& alive;
    ~Local() { alive = false; }
  };
  struct WatchingDialogs final : ui::Dialogs {
    bool* alive = nullptr;
    bool aliveWhenShown = true;
    void ShowError(const QString&, const QString&) override { aliveWhenShown = *alive; }
    std::optional<QString> ChooseFileToOpen() override { return {}; }
    std::optional<QString> ChooseFileToSave(bool) override { return {}; }
    bool ConfirmReplace(const QString&, const QString&) override { return false; }
    UnsavedChanges SaveChanges(const QString&, const QString&) override { return UnsavedChanges::Cancel; }
    bool ConfirmLoadAnyway(const QString&, const QString&) override { return false; }
    bool ConfirmDatLoss(const QString&, const QString&) override { return false; }
    bool ChoosePrinter(QPrinter&) override { return false; }
  } dialogs;
  bool alive = true;
  dialogs.alive = &alive;
  ui::HandlerBoundary boundary(dialogs, QStringLiteral("Cgcalc"));
  boundary.Run([&] {
    Local local{alive};
    throw std::runtime_error("x");
  });
  EXPECT_FALSE(dialogs.aliveWhenShown);
}

// A report that fails itself is swallowed: nothing leaves Run (an escape
// would end the test program, since Run is noexcept).
TEST(HandlerBoundary, AFailingReportDoesNotEscape) {
  struct ThrowingDialogs final : ui::Dialogs {
    int attempts = 0;
    void ShowError(const QString&, const QString&) override {
      ++attempts;
      throw std::runtime_error("no box");
    }
    std::optional<QString> ChooseFileToOpen() override { return {}; }
    std::optional<QString> ChooseFileToSave(bool) override { return {}; }
    bool ConfirmReplace(const QString&, const QString&) override { return false; }
    UnsavedChanges SaveChanges(const QString&, const QString&) override { return UnsavedChanges::Cancel; }
    bool ConfirmLoadAnyway(const QString&, const QString&) override { return false; }
    bool ConfirmDatLoss(const QString&, const QString&) override { return false; }
    bool ChoosePrinter(QPrinter&) override { return false; }
  } dialogs;
  ui::HandlerBoundary boundary(dialogs, QStringLiteral("Cgcalc"));
  boundary.Run([] { throw std::runtime_error("first"); });
  boundary.Run([] { throw std::runtime_error("second"); });
  EXPECT_EQ(dialogs.attempts, 2);
}

}  // namespace
