#pragma once

#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "present/language.h"

namespace present {

// How the windows say that a number typed outside the fifteen model fields
// is refused (calc::ReadGivenNumber): the field's caption, then the fault,
// "from: not a number", "Schwerpunkt: keine Zahl". One wording for every
// such field of every window.

// The fault in `language`; the English words are calc::NumberFaultText.
std::string_view NumberFaultText(calc::NumberFault fault, Language language);

// `caption` (ending in a colon) and the fault.
std::string RefusedNumberText(std::string_view caption, calc::NumberFault fault, Language language);

}  // namespace present
