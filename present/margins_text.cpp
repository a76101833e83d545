#include "present/margins_text.h"

#include <cmath>

#include "calc/number_text.h"
#include "present/number_faults.h"
#include "present/result_table.h"

namespace present {
namespace {

using calc::MarginsFault;

struct MarginsFaultCaption {
  MarginsFault fault;
  Caption caption;  // "{}" stands for the largest margin; none for MarginsFault::None
};

constexpr MarginsFaultCaption kMarginsFaults[] = {
    {MarginsFault::None, nullptr},
    {MarginsFault::RearBelowZero, &Texts::marginsRearBelowZero},
    {MarginsFault::ForwardNotAboveRear, &Texts::marginsForwardNotAboveRear},
    {MarginsFault::AboveFifty, &Texts::marginsAboveMost},
};
static_assert(InKindOrder(kMarginsFaults, &MarginsFaultCaption::fault), "kMarginsFaults is indexed by MarginsFault");

// Whether `value` is the double nearest to a decimal of at most
// kChosenMarginDecimals places, as typing such a decimal gives it.
bool HasFewDecimals(double value) {
  const double scale = std::pow(10.0, kChosenMarginDecimals);
  return std::round(value * scale) / scale == value;
}

// One margin's text: its value, or the refusal naming it.
std::optional<double> ReadMargin(std::string_view text, const MarginFieldCaptions& captions, Language language,
                                 std::string& refusal) {
  const calc::GivenNumber given = calc::ReadGivenNumber(text);
  if (given.Fault) {
    refusal = RefusedNumberText(In(captions.name, language), *given.Fault, language) + ".";
    return std::nullopt;
  }
  // -0 would be shown as "-0", a side of zero that no builder means.
  return given.Value + 0.0;
}

std::string TooManyDecimals(const MarginFieldCaptions& captions, Language language) {
  return std::string(In(captions.name, language)) + " " + std::string(In(&Texts::marginsTooManyDecimals, language)) + ".";
}

}  // namespace

std::string MarginsFaultText(MarginsFault fault, Language language) {
  if (fault == MarginsFault::None) return {};
  const std::string_view pattern = In(kMarginsFaults[static_cast<std::size_t>(fault)].caption, language);
  const std::size_t slot = pattern.find("{}");
  if (slot == std::string_view::npos) return std::string(pattern);
  return std::string(pattern.substr(0, slot)) + MarginText(calc::kMostMargin, 0) +
         std::string(pattern.substr(slot + 2));
}

MarginsReading ReadMargins(std::string_view forward, std::string_view rear, Language language) {
  MarginsReading reading;
  const std::optional<double> forwardValue = ReadMargin(forward, kForwardMarginCaptions, language, reading.refusal);
  if (!forwardValue) return reading;
  const std::optional<double> rearValue = ReadMargin(rear, kRearMarginCaptions, language, reading.refusal);
  if (!rearValue) return reading;
  const calc::TMargins margins{*forwardValue, *rearValue};
  // The pair's rules first: a margin far beyond them is refused as such,
  // not for its decimals.
  if (const MarginsFault fault = calc::CheckMargins(margins); fault != MarginsFault::None) {
    reading.refusal = MarginsFaultText(fault, language);
  } else if (!HasFewDecimals(margins.Forward)) {
    reading.refusal = TooManyDecimals(kForwardMarginCaptions, language);
  } else if (!HasFewDecimals(margins.Rear)) {
    reading.refusal = TooManyDecimals(kRearMarginCaptions, language);
  } else {
    reading.margins = margins;
  }
  return reading;
}

}  // namespace present
