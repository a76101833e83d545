#include "ui/platform/handler_boundary.h"

#include <QtGlobal>

#include "ui/platform/message_text.h"

namespace ui {

HandlerBoundary::HandlerBoundary(Dialogs& dialogs, QString applicationTitle)
    : dialogs_(dialogs), applicationTitle_(std::move(applicationTitle)) {}

template <class Call>
auto HandlerBoundary::CountedDialogs::Counted(Call&& call) {
  // Closed also when the call throws.
  struct Closing {
    int& count;
    ~Closing() { --count; }
  } const closing{++open};
  return std::forward<Call>(call)();
}

void HandlerBoundary::CountedDialogs::ShowError(const QString& title, const QString& text) {
  Counted([&] { dialogs_.ShowError(title, text); });
}

std::optional<QString> HandlerBoundary::CountedDialogs::ChooseFileToOpen() {
  return Counted([&] { return dialogs_.ChooseFileToOpen(); });
}

std::optional<QString> HandlerBoundary::CountedDialogs::ChooseFileToSave(bool document) {
  return Counted([&] { return dialogs_.ChooseFileToSave(document); });
}

bool HandlerBoundary::CountedDialogs::ConfirmReplace(const QString& title, const QString& path) {
  return Counted([&] { return dialogs_.ConfirmReplace(title, path); });
}

Dialogs::UnsavedChanges HandlerBoundary::CountedDialogs::SaveChanges(const QString& title, const QString& question) {
  return Counted([&] { return dialogs_.SaveChanges(title, question); });
}

bool HandlerBoundary::CountedDialogs::ConfirmLoadAnyway(const QString& title, const QString& question) {
  return Counted([&] { return dialogs_.ConfirmLoadAnyway(title, question); });
}

bool HandlerBoundary::CountedDialogs::ConfirmDatLoss(const QString& title, const QString& question) {
  return Counted([&] { return dialogs_.ConfirmDatLoss(title, question); });
}

bool HandlerBoundary::CountedDialogs::ChoosePrinter(QPrinter& printer) {
  return Counted([&] { return dialogs_.ChoosePrinter(printer); });
}

std::string HandlerBoundary::MessageOf(const std::exception& failure) noexcept {
  try {
    return failure.what();
  } catch (...) {
    // Copying the text needs memory; without it the report says less.
    return {};
  }
}

void HandlerBoundary::Report(const std::string& message) noexcept {
  try {
    dialogs_.ShowError(applicationTitle_, MessageWithFullStop(QString::fromStdString(message)));
  } catch (...) {
    // The report itself failed (no memory for the box): nothing is left to
    // tell the user with, and the event loop must go on.
    qWarning("cgcalc: a failure could not be reported: %s", message.c_str());
  }
}

}  // namespace ui
