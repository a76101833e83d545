#include "texts_in_order.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>

namespace cli {
namespace {

// What one thread ran into: the lowest index whose text failed.
struct Failure {
  std::int64_t index = -1;
  std::exception_ptr exception;
};

}  // namespace

std::vector<std::string> TextsInOrder(std::int64_t first, std::int64_t count, unsigned threads,
                                      const std::function<std::string(std::int64_t)>& make) {
  std::vector<std::string> texts(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
  std::atomic<std::int64_t> next{0};
  std::atomic<bool> failed{false};
  const unsigned workers = std::clamp<unsigned>(threads, 1, static_cast<unsigned>(std::max<std::int64_t>(count, 1)));
  std::vector<Failure> failures(workers);
  const auto work = [&](Failure& failure) {
    for (std::int64_t i; !failed.load(std::memory_order_relaxed) && (i = next.fetch_add(1)) < count;) {
      try {
        texts[static_cast<std::size_t>(i)] = make(first + i);
      } catch (...) {
        failure = {i, std::current_exception()};
        failed = true;
      }
    }
  };
  std::vector<std::jthread> helpers;
  helpers.reserve(workers - 1);
  for (unsigned worker = 1; worker < workers; ++worker) {
    try {
      helpers.emplace_back(work, std::ref(failures[worker]));
    } catch (const std::system_error&) {
      break;  // fewer threads make the same texts
    }
  }
  work(failures[0]);
  helpers.clear();  // joins them
  const Failure* lowest = nullptr;
  for (const Failure& failure : failures) {
    if (failure.exception && (lowest == nullptr || failure.index < lowest->index)) lowest = &failure;
  }
  if (lowest != nullptr) std::rethrow_exception(lowest->exception);
  return texts;
}

}  // namespace cli
