#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cli {

// Makes texts[i] = make(first + i) for i < count on up to `threads` threads
// (the calling one among them; 0 counts as 1) and returns them in index
// order, the same whichever thread made which. Each thread takes the next
// index in turn, so that slow points leave no thread idle while others wait.
// `make` must be safe to call from several threads at once.
// An exception thrown by `make` ends the work (no thread takes another
// index) and is rethrown here once every thread has ended; where several
// threw, the one of the lowest index.
std::vector<std::string> TextsInOrder(std::int64_t first, std::int64_t count, unsigned threads,
                                      const std::function<std::string(std::int64_t)>& make);

}  // namespace cli
