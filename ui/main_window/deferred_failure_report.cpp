#include "ui/main_window/deferred_failure_report.h"

#include <QTimer>

#include "ui/platform/handler_boundary.h"

namespace ui {

DeferredFailureReport::DeferredFailureReport(HandlerBoundary& boundary, std::chrono::milliseconds delay,
                                             QObject* parent)
    : QObject(parent), boundary_(boundary), delay_(delay), timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("FailureReportTimer"));
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &DeferredFailureReport::reportHeldBack);
}

void DeferredFailureReport::RecalculateAfterEdit(const std::function<void()>& recalculation) {
  std::optional<std::string> failure = boundary_.Attempt(recalculation);
  if (!failure) return;
  heldBack_ = std::move(failure);
  timer_->start(delay_);
}

void DeferredFailureReport::FieldLeft(Qt::FocusReason reason) {
  if (heldBack_ && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) timer_->start(0);
}

void DeferredFailureReport::Drop() {
  heldBack_.reset();
  timer_->stop();
}

void DeferredFailureReport::reportHeldBack() {
  if (!heldBack_) return;
  // Taken first: the box's own event loop may run this again (the field
  // losing the focus to the box).
  const std::string message = std::move(*heldBack_);
  Drop();
  boundary_.Report(message);
}

}  // namespace ui
