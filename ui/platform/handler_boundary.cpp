#include "ui/platform/handler_boundary.h"

#include <QtGlobal>

#include "ui/platform/message_text.h"

namespace ui {

HandlerBoundary::HandlerBoundary(Dialogs& dialogs, QString applicationTitle)
    : dialogs_(dialogs), applicationTitle_(std::move(applicationTitle)) {}

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
