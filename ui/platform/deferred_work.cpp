#include "ui/platform/deferred_work.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace ui {
namespace {

// Carries the work to its time and runs it once, as a child of the owner.
class Courier : public QObject {
 public:
  Courier(QObject& owner, std::function<void()> work) : QObject(&owner), work_(std::move(work)) {}

  void Run() {
    if (done_) return;
    done_ = true;
    deleteLater();
    work_();
  }

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    Run();
    return true;
  }

 private:
  std::function<void()> work_;
  bool done_ = false;
};

}  // namespace

void PostBehindRepaints(QObject& owner, std::function<void()> work) {
  auto* courier = new Courier(owner, std::move(work));
  QCoreApplication::postEvent(courier, new QEvent(QEvent::User), Qt::LowEventPriority);
}

void RunWhenIdle(QObject& owner, std::chrono::milliseconds latest, std::function<void()> work) {
  auto* courier = new Courier(owner, std::move(work));
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, courier, &Courier::Run);
  QTimer::singleShot(latest, courier, &Courier::Run);
}

}  // namespace ui
