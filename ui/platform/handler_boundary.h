#pragma once

#include <exception>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include <QString>

#include "calc/failure.h"
#include "files/file_error.h"
#include "ui/platform/dialogs.h"

namespace ui {

// The one place where the program's failures end. Every handler that an event
// starts (a field change, a click, a menu command, an activation) runs through
// Run: a failure ends that handler where it arose, leaves whatever it had done
// so far, and is reported in a modal box with a stop icon, captioned with the
// application's title; then the event loop goes on. No exception ever passes
// Run, so none reaches Qt's event loop. A handler whose report must wait (the
// recalculation after a keystroke) runs through Attempt and reports later.
class HandlerBoundary {
 public:
  // `dialogs` must outlive the boundary.
  HandlerBoundary(Dialogs& dialogs, QString applicationTitle);

  const QString& ApplicationTitle() const { return applicationTitle_; }

  // The dialogs the reports go to; the windows' commands ask the user
  // through the same ones.
  Dialogs& UserDialogs() const { return dialogs_; }

  // Whether one of those dialogs (a report, a question, a file or print
  // dialog) is open: asked through UserDialogs or Report, not yet answered.
  // A report held back must not come over it.
  bool DialogOpen() const { return dialogs_.open > 0; }

  // Runs `handler()`; returns when it has ended, normally or by a failure,
  // and the report (if any) has been confirmed. A handler may run further
  // handlers through Run; each failure is reported once, by the innermost Run.
  template <class Handler>
  void Run(Handler&& handler) noexcept {
    // Reported outside Attempt's catch blocks: the handler's stack is unwound
    // before the box's own event loop runs.
    if (std::optional<std::string> failure = Attempt(std::forward<Handler>(handler))) Report(*failure);
  }

  // Runs `handler()` like Run but reports nothing: returns the message of
  // the failure that ended it, or nothing when it ended normally. For a
  // caller that reports the failure later itself (with Report).
  template <class Handler>
  std::optional<std::string> Attempt(Handler&& handler) noexcept {
    // The calculation's and the model file's failures are both standard
    // exceptions whose what() is the message to show.
    static_assert(std::is_base_of_v<std::exception, calc::ArithmeticFailure>);
    static_assert(std::is_base_of_v<std::exception, files::FileError>);
    try {
      std::forward<Handler>(handler)();
      return std::nullopt;
    } catch (const std::exception& failure) {
      return MessageOf(failure);
    } catch (...) {
      return kUnknownFailure;
    }
  }

  // Shows the report of a failure with `message`, as Run does, and returns
  // once it has been confirmed. A report that cannot be shown is dropped.
  void Report(const std::string& message) noexcept;

  // The text for a failure that is no standard exception.
  static constexpr char kUnknownFailure[] = "Unknown failure";

 private:
  static std::string MessageOf(const std::exception& failure) noexcept;

  // The user's dialogs, counting the calls that have not returned yet. A
  // dialog runs its own event loop, so timers fire while it is open; and
  // not every dialog is a modal widget Qt knows of (a native one, or the
  // tests' scripted answers).
  class CountedDialogs final : public Dialogs {
   public:
    explicit CountedDialogs(Dialogs& dialogs) : dialogs_(dialogs) {}
    void ShowError(const QString& title, const QString& text) override;
    std::optional<QString> ChooseFileToOpen() override;
    std::optional<QString> ChooseFileToSave(bool document) override;
    bool ConfirmReplace(const QString& title, const QString& path) override;
    UnsavedChanges SaveChanges(const QString& title, const QString& question) override;
    bool ConfirmLoadAnyway(const QString& title, const QString& question) override;
    bool ConfirmDatLoss(const QString& title, const QString& question) override;
    bool ChoosePrinter(QPrinter& printer) override;

    int open = 0;

   private:
    template <class Call>
    auto Counted(Call&& call);

    Dialogs& dialogs_;
  };

  mutable CountedDialogs dialogs_;
  QString applicationTitle_;
};

}  // namespace ui
