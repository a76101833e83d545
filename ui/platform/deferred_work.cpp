#include "ui/platform/deferred_work.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace ui {
namespace {

// Carries the work to its time and runs it once, as a child of the owner:
// a posted event dies with its receiver.
class Courier : public QObject {
 public:
  Courier(QObject& owner, std::function<void()> work) : QObject(&owner), work_(std::move(work)) {}

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    deleteLater();
    work_();
    return true;
  }

 private:
  std::function<void()> work_;
};

}  // namespace

void PostBehindRepaints(QObject& owner, std::function<void()> work) {
  auto* courier = new Courier(owner, std::move(work));
  QCoreApplication::postEvent(courier, new QEvent(QEvent::User), Qt::LowEventPriority);
}

void RunAfterPause(QObject& owner, std::chrono::milliseconds pause, std::function<void()> work) {
  auto* courier = new Courier(owner, std::move(work));
  QTimer::singleShot(pause, courier, [courier] {
    QCoreApplication::postEvent(courier, new QEvent(QEvent::User), Qt::LowEventPriority);
  });
}

}  // namespace ui
