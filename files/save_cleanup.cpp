#include "save_cleanup.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <utility>

namespace files {
namespace {

// A signal handler can reach nothing but globals, and may only read them
// when they cannot be half-written: the path is filled in while the state
// says so, and read only once the state says it is complete.
enum RecordState : int { kFree, kFilling, kComplete };
std::atomic<int> recordState{kFree};
static_assert(std::atomic<int>::is_always_lock_free, "read from a signal handler");
char recordedPath[PATH_MAX];

// The signals that end a program for its user: Ctrl-C, kill, Ctrl-\ and the
// terminal closing under it. A crash is no moment to touch files.
constexpr int kCleanedUpSignals[] = {SIGINT, SIGTERM, SIGQUIT, SIGHUP};

// SA_RESETHAND has put back the default action and the signal is blocked
// while this runs, so the raised one ends the program once this returns.
extern "C" void RemoveTemporaryAndEnd(int signal) {
  if (recordState.load(std::memory_order_acquire) == kComplete) ::unlink(recordedPath);
  ::raise(signal);
}

}  // namespace

void RemoveSaveTemporaryOnSignals() {
  for (const int signal : kCleanedUpSignals) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0) continue;
    if ((previous.sa_flags & SA_SIGINFO) != 0 || previous.sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryAndEnd;
    action.sa_flags = SA_RESETHAND;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

SaveTemporaryRecord::SaveTemporaryRecord(SaveTemporaryRecord&& other) noexcept
    : noted_(std::exchange(other.noted_, false)) {}

void SaveTemporaryRecord::Note(std::string_view path) {
  Forget();
  int expected = kFree;
  if (path.size() >= sizeof recordedPath || !recordState.compare_exchange_strong(expected, kFilling)) return;
  std::memcpy(recordedPath, path.data(), path.size());
  recordedPath[path.size()] = '\0';
  recordState.store(kComplete, std::memory_order_release);
  noted_ = true;
}

void SaveTemporaryRecord::Forget() {
  if (std::exchange(noted_, false)) recordState.store(kFree, std::memory_order_release);
}

}  // namespace files
