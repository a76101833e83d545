#pragma once

#include <chrono>
#include <functional>

class QObject;

namespace ui {

// Work the windows hand to their own thread's event loop, in an order that
// keeps what a user waits for first. Nothing runs once `owner` is destroyed.

// Runs `work` through the event loop behind the repaints asked for so far:
// Qt posts them at low priority, so that work posted at normal priority
// (a queued call) would run before the keystroke's frame.
void PostBehindRepaints(QObject& owner, std::function<void()> work);

// Runs `work` once `pause` has passed, behind the events and repaints
// waiting then: for work that can wait until a busy moment (a start) is over.
void RunAfterPause(QObject& owner, std::chrono::milliseconds pause, std::function<void()> work);

}  // namespace ui
