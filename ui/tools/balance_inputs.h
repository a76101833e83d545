#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

#include <QString>

#include "calc/balance.h"
#include "calc/number_text.h"
#include "calc/stability.h"
#include "present/language.h"
#include "ui/tools/unit_texts.h"

class QSettings;

namespace ui {

// The balance check's inputs as the user typed them, kept apart from its
// window: the main diagram marks the measured centre of gravity from them
// before the window was ever built.

// Which choice an input belongs to: the centre of gravity entered directly,
// the two supports, or both.
enum class InputGroup { Direct, Supports, Both };

struct BalanceInputField {
  std::string_view name;  // object name and settings key
  present::Caption caption;  // the metric one: shown through present::InUnits
  InputGroup group;
  Measure measure;  // a position or a mass
};

// The window's rows, in order; BalanceField indexes them.
inline constexpr std::array<BalanceInputField, 7> kBalanceInputFields = {{
    {"Bal_CgInput", &present::Texts::balanceInputCg, InputGroup::Direct, Measure::Length},
    {"Bal_Xa", &present::Texts::balanceInputXa, InputGroup::Supports, Measure::Length},
    {"Bal_Ma", &present::Texts::balanceInputMa, InputGroup::Supports, Measure::Mass},
    {"Bal_Xb", &present::Texts::balanceInputXb, InputGroup::Supports, Measure::Length},
    {"Bal_Mb", &present::Texts::balanceInputMb, InputGroup::Supports, Measure::Mass},
    {"Bal_MassInput", &present::Texts::balanceInputMass, InputGroup::Both, Measure::Mass},
    {"Bal_StationInput", &present::Texts::balanceInputStation, InputGroup::Both, Measure::Length},
}};
inline constexpr std::size_t kBalanceInputCount = kBalanceInputFields.size();

enum BalanceField : std::size_t { kCgField, kXaField, kMaField, kXbField, kMbField, kMassField, kStationField };

// The inputs as kept (KeptText): positions in millimetres, masses in grams,
// texts the reading refuses as they were typed.
struct BalanceTexts {
  bool supports = false;  // the two supports give the centre of gravity
  std::array<QString, kBalanceInputCount> texts;
};

// The inputs kept in `settings` (group "BalanceCheck"); empty ones when none are.
BalanceTexts RememberedBalanceTexts(QSettings& settings);
// Keeps them there and writes them to disk; false when the settings file
// cannot be written (a read-only or full configuration folder).
bool RememberBalanceTexts(QSettings& settings, const BalanceTexts& inputs);

// A text refused as a number (calc::ReadGivenNumber) in the field `Field()`.
class RefusedNumberError : public std::runtime_error {
 public:
  RefusedNumberError(std::size_t field, calc::NumberFault fault)
      : std::runtime_error(calc::NumberFaultText(fault)), field_(field), fault_(fault) {}
  std::size_t Field() const { return field_; }
  calc::NumberFault Fault() const { return fault_; }

 private:
  std::size_t field_;
  calc::NumberFault fault_;
};

// The calculation's input from the texts of the chosen group and of both:
// a blank field is not given, any other is read by calc::ReadGivenNumber.
// Throws RefusedNumberError for the first field it refuses.
calc::TBalanceInput ReadBalanceTexts(const BalanceTexts& inputs);

// The input of texts that name a centre of gravity (directly or by both
// supports); nothing when they name none or a text is refused as a number.
std::optional<calc::TBalanceInput> InputGivingACg(const BalanceTexts& inputs);

// A document's inputs as the window's texts: each value given as its
// shortest text, the others blank. The supports are chosen where they alone
// give the centre of gravity (a document's cg comes first, as in the
// calculation).
BalanceTexts TextsOfInput(const calc::TBalanceInput& input);

// The inputs a document keeps of `inputs`, so that it gives what the window
// shows: the centre of gravity only while it is chosen, the supports where
// all four are given, a blank field as not given. Where a text is refused as
// a number, the value `before` had stays (as the tailplane's height keeps
// its last one).
calc::TBalanceInput DocumentInputOf(const BalanceTexts& inputs, const calc::TBalanceInput& before);

// The centre of gravity `input` gives when the check succeeds with
// `results`; nothing when it fails in any way.
std::optional<double> MeasuredCgOf(const calc::TBalanceInput& input, const calc::TStabilityData& results);

// Equal centres of gravity, a NaN equal to a NaN, so that a NaN does not
// count as a change at every keystroke.
bool SameMeasuredCg(std::optional<double> a, std::optional<double> b);

}  // namespace ui
