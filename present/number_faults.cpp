#include "present/number_faults.h"

#include <iterator>

namespace present {
namespace {

using calc::NumberFault;

struct NumberFaultCaption {
  NumberFault fault;
  Caption caption;
};

constexpr NumberFaultCaption Fault(NumberFault fault, std::string_view german) {
  return {fault, {german, calc::NumberFaultText(fault)}};
}

constexpr NumberFaultCaption kNumberFaults[] = {
    Fault(NumberFault::NotANumber, "keine Zahl"),
    Fault(NumberFault::TooLarge, "zu gro\u00df"),
    Fault(NumberFault::TooManyDigits, "mehr als 15 Ziffern"),
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
