#include "ui/main_window/deferred_failure_report.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "ui/platform/handler_boundary.h"

namespace ui {
namespace {

// The key on the keyboard: its scan code where the system gives one, since
// a press and its release may carry different key codes (Shift+2 released
// after Shift), else its key code.
unsigned long long KeyOnKeyboard(const QKeyEvent& key) {
  if (key.nativeScanCode() != 0) return (1ULL << 32) | key.nativeScanCode();
  return static_cast<unsigned>(key.key());
}

}  // namespace

DeferredFailureReport::DeferredFailureReport(HandlerBoundary& boundary, std::chrono::milliseconds delay,
                                             QWidget* mainWindow)
    : QObject(mainWindow),
      boundary_(boundary),
      delay_(delay),
      mainWindow_(mainWindow),
      waitAfterKeys_(delay),
      timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("FailureReportTimer"));
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &DeferredFailureReport::reportHeldBack);
  // Every keystroke counts, wherever it goes: one in a menu or another
  // window is typing too.
  QCoreApplication::instance()->installEventFilter(this);
}

void DeferredFailureReport::RecalculateAfterEdit(const std::function<void()>& recalculation) {
  std::optional<std::string> failure = boundary_.Attempt(recalculation);
  if (!failure) return;
  heldBack_ = std::move(failure);
  timer_->start(delay_);
}

void DeferredFailureReport::FieldLeft(Qt::FocusReason reason) {
  if (!heldBack_ || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
  waitAfterKeys_ = std::chrono::milliseconds(0);
  timer_->start(0);
}

void DeferredFailureReport::Drop() {
  heldBack_.reset();
  timer_->stop();
}

bool DeferredFailureReport::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      keyPressed(static_cast<const QKeyEvent&>(*event));
      break;
    case QEvent::KeyRelease:
      keyReleased(static_cast<const QKeyEvent&>(*event));
      break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      // Releases that went to another program or to a native dialog are
      // never seen; the keys down count afresh.
      if (watched == mainWindow_) keysDown_.clear();
      break;
    default:
      break;
  }
  return false;
}

void DeferredFailureReport::keyPressed(const QKeyEvent& key) {
  // An event the focus widget ignores comes here again for each parent it
  // passes to; counting each key once keeps that harmless.
  if (!key.isAutoRepeat() && std::ranges::find(keysDown_, KeyOnKeyboard(key)) == keysDown_.end()) {
    keysDown_.push_back(KeyOnKeyboard(key));
  }
  waitAfterKeys_ = delay_;
  if (heldBack_) timer_->start(delay_);
}

void DeferredFailureReport::keyReleased(const QKeyEvent& key) {
  if (key.isAutoRepeat() || std::erase(keysDown_, KeyOnKeyboard(key)) == 0) return;
  // The timer stopped while the key was down: its release tries again.
  if (keysDown_.empty() && heldBack_ && !timer_->isActive()) timer_->start(waitAfterKeys_);
}

bool DeferredFailureReport::mayInterrupt() const {
  return QApplication::activeWindow() == mainWindow_ && !QApplication::activePopupWidget() &&
         !QApplication::activeModalWidget() && !boundary_.DialogOpen();
}

void DeferredFailureReport::reportHeldBack() {
  if (!heldBack_ || !keysDown_.empty()) return;
  if (!mayInterrupt()) {
    timer_->start(delay_);
    return;
  }
  // Taken first: the box's own event loop may run this again (the field
  // losing the focus to the box).
  const std::string message = std::move(*heldBack_);
  Drop();
  boundary_.Report(message);
}

}  // namespace ui
