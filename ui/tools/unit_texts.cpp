#include "ui/tools/unit_texts.h"

#include "calc/number_text.h"

namespace ui {
namespace {

bool Metric(Measure measure, calc::TUnits units) {
  return measure == Measure::Length ? units.Length == calc::LengthUnit::Millimetre
                                    : units.Mass == calc::MassUnit::Gram;
}

}  // namespace

std::string KeptText(std::string_view typed, Measure measure, calc::TUnits units) {
  // MillimetreText alone would read "95,5" as 95, as a model field does; a
  // Tools window refuses it.
  if (Metric(measure, units) || calc::ReadGivenNumber(typed).Fault) return std::string(typed);
  return measure == Measure::Length ? calc::MillimetreText(typed, units.Length) : calc::GramText(typed, units.Mass);
}

QString KeptText(const QString& typed, Measure measure, calc::TUnits units) {
  return QString::fromStdString(KeptText(typed.toStdString(), measure, units));
}

std::string ShownText(std::string_view kept, Measure measure, calc::TUnits units) {
  if (Metric(measure, units)) return std::string(kept);
  const calc::GivenNumber given = calc::ReadGivenNumber(kept);
  if (given.Fault) return std::string(kept);
  return measure == Measure::Length ? calc::TypedLengthOf(given.Value, units.Length)
                                    : calc::TypedMassOf(given.Value, units.Mass);
}

QString ShownText(const QString& kept, Measure measure, calc::TUnits units) {
  return QString::fromStdString(ShownText(kept.toStdString(), measure, units));
}

}  // namespace ui
