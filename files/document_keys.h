#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "calc/balance.h"
#include "calc/model.h"
#include "model_document.h"

namespace files {

// The keys of a document that this version knows, each object's in the
// order they are written. Reading and writing both follow these tables.

inline constexpr std::string_view kTopKeys[] = {"format", "version", "dimensions", "margins", "units",
                                                "balance", "tail_height", "notes"};
inline constexpr std::string_view kMarginKeys[] = {"forward", "rear"};
inline constexpr std::string_view kUnitKeys[] = {"length", "mass"};
inline constexpr std::string_view kBalanceKeys[] = {"cg", "supports", "mass", "ballast_station"};

struct SupportKey {
  std::string_view name;
  double calc::TSupports::*member;
};
inline constexpr SupportKey kSupportKeys[] = {
    {"xa", &calc::TSupports::Xa}, {"ma", &calc::TSupports::Ma}, {"xb", &calc::TSupports::Xb}, {"mb", &calc::TSupports::Mb}};
inline constexpr auto kSupportKeyNames = [] {
  std::array<std::string_view, std::size(kSupportKeys)> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = kSupportKeys[i].name;
  return names;
}();

template <class Unit>
struct UnitName {
  Unit unit;
  std::string_view name;
};
inline constexpr UnitName<LengthUnit> kLengthUnitNames[] = {{LengthUnit::Millimetre, "mm"}, {LengthUnit::Inch, "in"}};
inline constexpr UnitName<MassUnit> kMassUnitNames[] = {{MassUnit::Gram, "g"}, {MassUnit::Ounce, "oz"}};

template <class Unit, std::size_t N>
constexpr std::string_view UnitNameOf(const UnitName<Unit> (&names)[N], Unit unit) {
  for (const UnitName<Unit>& name : names) {
    if (name.unit == unit) return name.name;
  }
  return names[0].name;
}

// The keys this version knows inside the object at `path` (the document
// itself for an empty path); none inside anything else.
inline std::span<const std::string_view> KnownMembers(std::span<const std::string> path) {
  const auto is = [&](std::initializer_list<std::string_view> keys) {
    return std::equal(path.begin(), path.end(), keys.begin(), keys.end());
  };
  if (path.empty()) return kTopKeys;
  if (is({"dimensions"})) return calc::kModelFieldCodes;
  if (is({"margins"})) return kMarginKeys;
  if (is({"units"})) return kUnitKeys;
  if (is({"balance"})) return kBalanceKeys;
  if (is({"balance", "supports"})) return kSupportKeyNames;
  return {};
}

inline bool KnownKey(std::span<const std::string_view> known, std::string_view key) {
  return std::find(known.begin(), known.end(), key) != known.end();
}

}  // namespace files
