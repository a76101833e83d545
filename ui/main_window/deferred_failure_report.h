#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include <QObject>

class QTimer;

namespace ui {

class HandlerBoundary;

// The failure report of the recalculation after an edit of a field. A box
// at once would take the keystrokes that follow (typing "-200" over a field
// fails at "-" already), so the report is held back until the user has
// stopped typing: until no edit has come for the delay, or the field loses
// the focus. A later edit starts the wait again, and any recalculation that
// runs after it drops the report. This is the one place that decides when a
// held-back report may show.
//
// A child object of the main window; its timer is FailureReportTimer, a
// child of it. `boundary` must outlive it.
class DeferredFailureReport : public QObject {
 public:
  // How long the report waits for the next keystroke in the program as it
  // runs.
  static constexpr std::chrono::milliseconds kDelay{700};

  DeferredFailureReport(HandlerBoundary& boundary, std::chrono::milliseconds delay, QObject* parent);

  // Runs the recalculation of an edit through the boundary; its failure,
  // if any, replaces a report still held back and waits for the delay.
  void RecalculateAfterEdit(const std::function<void()>& recalculation);

  // A field lost the focus for `reason`: leaving it ends the typing, and a
  // held-back report comes at once, from the event loop (never in the
  // middle of the focus change). A menu or another program taking the focus
  // ends nothing.
  void FieldLeft(Qt::FocusReason reason);

  // Forgets the report held back, if any: a later recalculation has its own
  // outcome, and nothing is reported about a window that is going.
  void Drop();

 private:
  // Shows the held-back report, if there is one.
  void reportHeldBack();

  HandlerBoundary& boundary_;
  std::chrono::milliseconds delay_;
  std::optional<std::string> heldBack_;
  QTimer* timer_;  // FailureReportTimer
};

}  // namespace ui
