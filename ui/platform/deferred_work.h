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

// Runs `work` once, when the event loop has handled what was ready and is
// about to wait for more; at the latest after `latest`, for a loop that is
// never idle (or is driven without waiting, as QTest's waits do).
void RunWhenIdle(QObject& owner, std::chrono::milliseconds latest, std::function<void()> work);

}  // namespace ui
