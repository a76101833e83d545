#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

class QKeyEvent;
class QTimer;
class QWidget;

namespace ui {

class HandlerBoundary;

// The failure report of the recalculation after an edit of a field. A box
// at once would take the keystrokes that follow (typing "-200" over a field
// fails at "-" already), so the report is held back until the user has
// stopped typing: until no keystroke has come for the delay, or the field
// loses the focus. A later keystroke starts the wait again, and any
// recalculation that runs after it drops the report. This is the one place
// that decides when a held-back report may show.
//
// Even then it shows only where it can be read without taking input meant
// for something else: while the main window is the active window (not a
// Tools window, the About window or another program), no menu or other popup
// is open, no dialog is open (a modal widget, or one of the boundary's
// dialogs) and no key is down. Otherwise it is kept: it tries again after the
// delay, and once the last key is released.
//
// The box is modal. A pause of the delay ends the typing, so a key typed
// after the box has come goes to the box, as with any box; but the box never
// comes while a key is down, so a key being pressed (held, or the Tab that
// left the field) is never cut in two, its press in the field and its
// release in the box.
//
// A child object of the main window; its timer is FailureReportTimer, a
// child of it. Watches the application's key events. `boundary` must outlive
// it.
class DeferredFailureReport : public QObject {
 public:
  // How long the report waits for the next keystroke in the program as it
  // runs.
  static constexpr std::chrono::milliseconds kDelay{700};

  DeferredFailureReport(HandlerBoundary& boundary, std::chrono::milliseconds delay, QWidget* mainWindow);

  // Runs the recalculation of an edit through the boundary; its failure,
  // if any, replaces a report still held back and waits for the delay.
  void RecalculateAfterEdit(const std::function<void()>& recalculation);

  // A field lost the focus for `reason`: leaving it ends the typing, and a
  // held-back report comes at once (once the key that left is released),
  // from the event loop (never in the middle of the focus change). A menu
  // or another window taking the focus ends nothing.
  void FieldLeft(Qt::FocusReason reason);

  // Forgets the report held back, if any: a later recalculation has its own
  // outcome, and nothing is reported about a window that is going.
  void Drop();

 protected:
  // Keys pressed and released anywhere in the program, and the main window's
  // activation; passes every event on.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void keyPressed(const QKeyEvent& key);
  void keyReleased(const QKeyEvent& key);
  // Whether a box now would be read as it comes and cover no other dialog,
  // menu or window; keys down aside.
  bool mayInterrupt() const;
  // Shows the held-back report, if there is one and it may come now.
  void reportHeldBack();

  HandlerBoundary& boundary_;
  std::chrono::milliseconds delay_;
  QWidget* mainWindow_;  // the parent
  std::optional<std::string> heldBack_;
  // The wait once the keys down are released: the delay while typing, none
  // once the field was left.
  std::chrono::milliseconds waitAfterKeys_;
  std::vector<unsigned long long> keysDown_;  // see KeyOnKeyboard
  QTimer* timer_;                             // FailureReportTimer
};

}  // namespace ui
