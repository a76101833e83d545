#include "ui/platform/activation_tracker.h"

#include <QApplication>
#include <QEvent>

namespace ui {

ActivationTracker::ActivationTracker() {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  Q_ASSERT(application);
  connect(application, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

void ActivationTracker::AddWindow(QWidget* window, std::function<void()> onActivation) {
  windows_.push_back({window, std::move(onActivation)});
  // A window can become active without any of its controls taking the focus.
  window->installEventFilter(this);
}

void ActivationTracker::OnFocusChanged(QWidget* now) {
  if (now) Enter(now->window());
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Enter(qobject_cast<QWidget*>(watched));
  return QObject::eventFilter(watched, event);
}

void ActivationTracker::Enter(QWidget* window) {
  if (!window || window == focused_) return;
  for (const Entry& entry : windows_) {
    if (entry.window != window) continue;
    // The window is the focused one before its handler runs, so focus moves
    // that the handler itself causes fire nothing further.
    focused_ = window;
    const std::function<void()> onActivation = entry.onActivation;  // the handler may add windows
    if (onActivation) onActivation();
    return;
  }
}

}  // namespace ui
