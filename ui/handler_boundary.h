#pragma once

#include <exception>
#include <string>
#include <type_traits>
#include <utility>

#include <QString>

#include "calc/failure.h"
#include "files/file_error.h"
#include "ui/dialogs.h"

namespace ui {

// The one place where the program's failures end. Every handler that an event
// starts (a field change, a click, a menu command, an activation) runs through
// Run: a failure ends that handler where it arose, leaves whatever it had done
// so far, and is reported in a modal box with a stop icon, captioned with the
// application's title; then the event loop goes on. No exception ever passes
// Run, so none reaches Qt's event loop.
class HandlerBoundary {
 public:
  // `dialogs` must outlive the boundary.
  HandlerBoundary(Dialogs& dialogs, QString applicationTitle);

  const QString& ApplicationTitle() const { return applicationTitle_; }

  // The dialogs the reports go to; the windows' commands ask the user
  // through the same ones.
  Dialogs& UserDialogs() const { return dialogs_; }

  // Runs `handler()`; returns when it has ended, normally or by a failure,
  // and the report (if any) has been confirmed. A handler may run further
  // handlers through Run; each failure is reported once, by the innermost Run.
  template <class Handler>
  void Run(Handler&& handler) noexcept {
    // The calculation's and the model file's failures are both standard
    // exceptions whose what() is the message to show.
    static_assert(std::is_base_of_v<std::exception, calc::ArithmeticFailure>);
    static_assert(std::is_base_of_v<std::exception, files::FileError>);
    std::string message;
    try {
      std::forward<Handler>(handler)();
      return;
    } catch (const std::exception& failure) {
      message = MessageOf(failure);
    } catch (...) {
      message = kUnknownFailure;
    }
    // Reported outside the catch blocks: the handler's stack is unwound
    // before the box's own event loop runs.
    Report(message);
  }

  // The text for a failure that is no standard exception.
  static constexpr char kUnknownFailure[] = "Unknown failure";

 private:
  static std::string MessageOf(const std::exception& failure) noexcept;
  void Report(const std::string& message) noexcept;

  Dialogs& dialogs_;
  QString applicationTitle_;
};

}  // namespace ui
