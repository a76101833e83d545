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

// A field's number, or nothing when it is blank. The one reader decides: a
// comma or a letter would otherwise read as another number.
std::optional<double> Entered(const BalanceTexts& inputs, std::size_t field) {
  const std::string text = inputs.texts[field].toStdString();
  if (calc::NumberFormOf(text) == calc::NumberForm::Blank) return std::nullopt;
  const calc::GivenNumber given = calc::ReadGivenNumber(text);
  if (given.Fault) throw RefusedNumberError(field, *given.Fault);
  return given.Value;
}

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
