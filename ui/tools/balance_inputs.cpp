#include "ui/tools/balance_inputs.h"

#include <cmath>

#include <QSettings>

#include "calc/failure.h"
#include "calc/number_text.h"
#include "ui/platform/appearance.h"

namespace ui {
namespace {

const QString kSettingsGroup = QStringLiteral("BalanceCheck");
const QString kModeKey = QStringLiteral("mode");
const QString kSupportsMode = QStringLiteral("supports");
const QString kCgMode = QStringLiteral("cg");

// A field's number (nothing when it is blank) or why it is refused. The one
// reader decides: a comma or a letter would otherwise read as another number.
struct Reading {
  std::optional<double> value;
  std::optional<calc::NumberFault> fault;
};

Reading ReadingOf(const BalanceTexts& inputs, std::size_t field) {
  const std::string text = inputs.texts[field].toStdString();
  if (calc::NumberFormOf(text) == calc::NumberForm::Blank) return {};
  const calc::GivenNumber given = calc::ReadGivenNumber(text);
  if (given.Fault) return {std::nullopt, given.Fault};
  return {given.Value, std::nullopt};
}

std::optional<double> Entered(const BalanceTexts& inputs, std::size_t field) {
  const Reading reading = ReadingOf(inputs, field);
  if (reading.fault) throw RefusedNumberError(field, *reading.fault);
  return reading.value;
}

std::optional<double> KeptOr(const BalanceTexts& inputs, std::size_t field, std::optional<double> before) {
  const Reading reading = ReadingOf(inputs, field);
  return reading.fault ? before : reading.value;
}

QString TextOf(std::optional<double> value) {
  return value ? QString::fromStdString(calc::PlainDecimal(*value)) : QString();
}

constexpr std::array<std::size_t, 4> kSupportFields = {kXaField, kMaField, kXbField, kMbField};

}  // namespace

BalanceTexts RememberedBalanceTexts(QSettings& settings) {
  BalanceTexts inputs;
  settings.beginGroup(kSettingsGroup);
  inputs.supports = settings.value(kModeKey).toString() == kSupportsMode;
  for (std::size_t i = 0; i < kBalanceInputCount; ++i)
    inputs.texts[i] = settings.value(Text(kBalanceInputFields[i].name)).toString();
  settings.endGroup();
  return inputs;
}

bool RememberBalanceTexts(QSettings& settings, const BalanceTexts& inputs) {
  settings.beginGroup(kSettingsGroup);
  settings.setValue(kModeKey, inputs.supports ? kSupportsMode : kCgMode);
  for (std::size_t i = 0; i < kBalanceInputCount; ++i)
    settings.setValue(Text(kBalanceInputFields[i].name), inputs.texts[i]);
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

calc::TBalanceInput ReadBalanceTexts(const BalanceTexts& inputs) {
  calc::TBalanceInput input;
  if (inputs.supports) {
    const std::optional<double> xa = Entered(inputs, kXaField), ma = Entered(inputs, kMaField);
    const std::optional<double> xb = Entered(inputs, kXbField), mb = Entered(inputs, kMbField);
    // All four belong together; without one of them there is no centre of gravity.
    if (xa && ma && xb && mb) input.Supports = calc::TSupports{*xa, *ma, *xb, *mb};
  } else {
    input.Cg = Entered(inputs, kCgField);
  }
  input.Mass = Entered(inputs, kMassField);
  input.BallastStation = Entered(inputs, kStationField);
  return input;
}

std::optional<calc::TBalanceInput> InputGivingACg(const BalanceTexts& inputs) {
  try {
    calc::TBalanceInput input = ReadBalanceTexts(inputs);
    if (input.Cg || input.Supports) return input;
  } catch (const RefusedNumberError&) {
  }
  return std::nullopt;
}

BalanceTexts TextsOfInput(const calc::TBalanceInput& input) {
  BalanceTexts inputs;
  inputs.supports = !input.Cg && input.Supports;
  inputs.texts[kCgField] = TextOf(input.Cg);
  if (input.Supports) {
    const calc::TSupports& supports = *input.Supports;
    const double values[] = {supports.Xa, supports.Ma, supports.Xb, supports.Mb};
    for (std::size_t i = 0; i < kSupportFields.size(); ++i) inputs.texts[kSupportFields[i]] = TextOf(values[i]);
  }
  inputs.texts[kMassField] = TextOf(input.Mass);
  inputs.texts[kStationField] = TextOf(input.BallastStation);
  return inputs;
}

calc::TBalanceInput DocumentInputOf(const BalanceTexts& inputs, const calc::TBalanceInput& before) {
  calc::TBalanceInput input;
  // A document's cg comes before its supports: kept while the supports are
  // chosen, it would give another centre of gravity than the window shows.
  if (!inputs.supports) input.Cg = KeptOr(inputs, kCgField, before.Cg);
  std::array<Reading, kSupportFields.size()> supports;
  bool refused = false, complete = true;
  for (std::size_t i = 0; i < supports.size(); ++i) {
    supports[i] = ReadingOf(inputs, kSupportFields[i]);
    refused = refused || supports[i].fault;
    complete = complete && supports[i].value;
  }
  // The four belong together: one refused keeps all four as they were.
  if (refused) input.Supports = before.Supports;
  else if (complete)
    input.Supports = calc::TSupports{*supports[0].value, *supports[1].value, *supports[2].value, *supports[3].value};
  input.Mass = KeptOr(inputs, kMassField, before.Mass);
  input.BallastStation = KeptOr(inputs, kStationField, before.BallastStation);
  return input;
}

std::optional<double> MeasuredCgOf(const calc::TBalanceInput& input, const calc::TStabilityData& results) {
  try {
    return calc::CalcBalance(input, results).Cg;
  } catch (const calc::BalanceInputError&) {
  } catch (const calc::ArithmeticFailure&) {
  }
  return std::nullopt;
}

bool SameMeasuredCg(std::optional<double> a, std::optional<double> b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

}  // namespace ui
