#include "result_texts.h"

#include "present/balance_rows.h"
#include "present/second_opinion.h"
#include "present/unit_captions.h"
#include "options.h"
#include "vlm_rows.h"

namespace cli {
namespace {

// The lattice's figures and warnings; with `vlm` nullptr (a list of names
// only) every text stays empty.
void AddVlmTexts(ResultTexts& texts, const VlmOutcome* vlm, present::Language language, calc::TUnits units) {
  const aero::Comparison* comparison = vlm != nullptr && vlm->comparison ? &*vlm->comparison : nullptr;
  const present::SecondOpinionFigures figures =
      comparison != nullptr ? present::FiguresOf(*comparison, units) : present::SecondOpinionFigures{};
  for (const VlmFigureRow& row : kVlmFigureRows) {
    texts.push_back({TextKind::VlmFigure, row.name, figures.*row.figure, present::In(row.caption, language, units), 0,
                     {}, "", {}});
  }
  NamedText warnings{TextKind::VlmWarnings, kVlmWarningsName, "", "", 0, {}, "", {}};
  if (comparison != nullptr) {
    warnings.items = present::Warnings(*comparison, language, units);
  } else if (vlm != nullptr) {
    warnings.items = {std::string(present::In(kVlmNothingSolved, language))};
  }
  texts.push_back(std::move(warnings));
}

// The balance check against the lattice's neutral point, and which judgement
// governs; with `vlm` nullptr (a list of names only), or where the lattice
// gave no figures, the texts stay empty.
void AddLatticeBalanceTexts(ResultTexts& texts, const VlmOutcome* vlm, present::Language language,
                            calc::TUnits units) {
  const calc::TBalanceData* balance = vlm != nullptr && vlm->balance ? &*vlm->balance : nullptr;
  for (const present::BalanceRow& row : present::LatticeBalanceRows()) {
    texts.push_back({TextKind::Balance, row.name, balance != nullptr ? row.text(*balance, language, units) : "",
                     present::In(row.caption, language, units), 0, {}, "", {}});
  }
  NamedText governing{TextKind::Governing, present::kGoverningName, "",
                      present::In(present::kGoverningCaption, language), 0, {}, "", {}};
  if (vlm != nullptr && vlm->comparison) {
    const present::Governing judgement = present::GoverningOf(*vlm->comparison);
    governing.text = present::JudgementKey(judgement.judgement);
    governing.items = {std::string(present::GoverningText(judgement, language))};
  }
  texts.push_back(std::move(governing));
}

// Without `sources` (a list of names only) every text stays empty.
ResultTexts Build(const TextSources* sources, bool withBalance, bool withVlm, present::Language language,
                  calc::TUnits units) {
  const bool noted = units != calc::TUnits{};
  ResultTexts texts(present::CellsInLabelOrder().size() + (noted ? 1 : 0));
  if (noted) {
    texts[0] = {TextKind::Units, kUnitsName, UnitsText(units),
                present::In(present::kWindowCaptions.units, language, units), 0, {}, "", {}};
  }
  const std::size_t first = noted ? 1 : 0;
  const std::span<const present::ResultRow> rows = present::ResultRows();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (const present::ResultCell& cell : rows[row].cells) {
      if (!cell.Present()) continue;
      const std::string text = sources != nullptr ? sources->labels[cell.order] : "";
      texts[first + cell.order] = {TextKind::Label, cell.name, text, present::In(rows[row].caption, language, units),
                                   row, cell.column, cell.unit, {}};
    }
  }
  NamedText warningLine{TextKind::Warning, present::kWarningLabelName, "", "", 0, {}, "", {}};
  if (sources != nullptr && sources->warning) warningLine.text = present::In(present::kWindowCaptions.warning, language);
  texts.push_back(warningLine);
  const calc::TBalanceData* balance = sources != nullptr ? sources->balance : nullptr;
  if (withBalance) {
    for (const present::BalanceRow& row : present::BalanceRows()) {
      texts.push_back({TextKind::Balance, row.name, balance != nullptr ? row.text(*balance, language, units) : "",
                       present::In(row.caption, language, units), 0, {}, "", {}});
    }
    if (withVlm) AddLatticeBalanceTexts(texts, sources != nullptr ? sources->vlm : nullptr, language, units);
  }
  if (withVlm) AddVlmTexts(texts, sources != nullptr ? sources->vlm : nullptr, language, units);
  return texts;
}

}  // namespace

ResultTexts TextsOf(const TextSources& sources, present::Language language) {
  return Build(&sources, sources.balance != nullptr, sources.vlm != nullptr, language, sources.units);
}

ResultTexts TextsOf(const Evaluation& evaluation, present::Language language) {
  return TextsOf({evaluation.labels, evaluation.aspectRatioWarning, evaluation.balance ? &*evaluation.balance : nullptr,
                  evaluation.vlm ? &*evaluation.vlm : nullptr, evaluation.units},
                 language);
}

std::string OneLineText(const NamedText& entry) {
  if (entry.kind != TextKind::VlmWarnings) return entry.text;
  std::string line;
  for (std::size_t i = 0; i < entry.items.size(); ++i) {
    if (i > 0) line += kVlmWarningSeparator;
    line += entry.items[i];
  }
  return line;
}

ResultTexts NamesOnly(bool withBalance, bool withVlm, calc::TUnits units) {
  return Build(nullptr, withBalance, withVlm, present::Language::English, units);
}

}  // namespace cli
