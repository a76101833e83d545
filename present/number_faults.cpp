#include "present/number_faults.h"

#include <iterator>

namespace present {
namespace {

using calc::NumberFault;

struct NumberFaultCaption {
  NumberFault fault;
  Caption caption;
};

constexpr NumberFaultCaption kNumberFaults[] = {
    {NumberFault::NotANumber, &Texts::numberNotANumber},
    {NumberFault::TooLarge, &Texts::numberTooLarge},
    {NumberFault::TooManyDigits, &Texts::numberTooManyDigits},
};

static_assert(InKindOrder(kNumberFaults, &NumberFaultCaption::fault), "kNumberFaults is indexed by NumberFault");

}  // namespace

std::string_view NumberFaultText(NumberFault fault, Language language) {
  return In(kNumberFaults[static_cast<std::size_t>(fault)].caption, language);
}

std::string RefusedNumberText(std::string_view caption, NumberFault fault, Language language) {
  return std::string(caption) + " " + std::string(NumberFaultText(fault, language));
}

}  // namespace present
