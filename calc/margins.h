#pragma once

#include <optional>

namespace calc {

// The two static margins that place the recommended centre-of-gravity range,
// in % of the wing's mean aerodynamic chord. Forward is the larger margin
// (the forward end of the range), Rear the smaller one.
struct TMargins {
  double Forward = 16;
  double Rear = 8;
  friend bool operator==(const TMargins&, const TMargins&) = default;
};

// What a builder gets without choosing: 16 and 8 with a tailplane, 8 and 4
// for a flying wing, whose smaller damping calls for a range nearer its
// neutral point.
constexpr TMargins DefaultMargins(bool withTail) { return withTail ? TMargins{16, 8} : TMargins{8, 4}; }

// The margins a model is computed with: the builder's own where chosen,
// otherwise the default for its kind, so that the default still switches
// when the tailplane span goes to or from 0.
constexpr TMargins MarginsFor(bool withTail, const std::optional<TMargins>& chosen) {
  return chosen ? *chosen : DefaultMargins(withTail);
}

// Why a pair of margins cannot be used. A range needs a rear end at or ahead
// of the neutral point, a forward end ahead of the rear one, and nothing so
// far forward that the model could not be flown at all.
enum class MarginsFault { None, RearBelowZero, ForwardNotAboveRear, AboveFifty };

inline constexpr double kMostMargin = 50;

constexpr MarginsFault CheckMargins(const TMargins& margins) {
  // Written so that a NaN fails every test it meets.
  if (!(margins.Rear >= 0)) return MarginsFault::RearBelowZero;
  if (!(margins.Forward > margins.Rear)) return MarginsFault::ForwardNotAboveRear;
  if (!(margins.Forward <= kMostMargin)) return MarginsFault::AboveFifty;
  return MarginsFault::None;
}

// The reason of each fault, in English.
constexpr const char* MarginsFaultText(MarginsFault fault) {
  switch (fault) {
    case MarginsFault::RearBelowZero:
      return "the rear margin must be 0 or more";
    case MarginsFault::ForwardNotAboveRear:
      return "the forward margin must be larger than the rear one";
    case MarginsFault::AboveFifty:
      return "a margin must be 50 or less";
    case MarginsFault::None:
      break;
  }
  return "";
}

}  // namespace calc
