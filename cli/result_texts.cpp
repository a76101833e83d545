#include "result_texts.h"

#include "present/balance_rows.h"

namespace cli {
namespace {

// Without `labels` (a list of names only) every text stays empty.
ResultTexts Build(const present::ResultLabelTexts* labels, bool warning, bool withBalance,
                  const calc::TBalanceData* balance, present::Language language) {
  ResultTexts texts(present::CellsInLabelOrder().size());
  const std::span<const present::ResultRow> rows = present::ResultRows();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (const present::ResultCell& cell : rows[row].cells) {
      if (!cell.Present()) continue;
      texts[cell.order] = {TextKind::Label, cell.name, labels != nullptr ? (*labels)[cell.order] : "",
                           present::In(rows[row].caption, language), row, cell.column, cell.unit};
    }
  }
  NamedText warningLine{TextKind::Warning, present::kWarningLabelName, "", "", 0, {}, ""};
  if (warning) warningLine.text = present::In(present::kWindowCaptions.warning, language);
  texts.push_back(warningLine);
  if (!withBalance) return texts;
  for (const present::BalanceRow& row : present::BalanceRows()) {
    texts.push_back({TextKind::Balance, row.name, balance != nullptr ? row.text(*balance, language) : "",
                     present::In(row.caption, language), 0, {}, ""});
  }
  return texts;
}

}  // namespace

ResultTexts TextsOf(const present::ResultLabelTexts& labels, bool warning, const calc::TBalanceData* balance,
                    present::Language language) {
  return Build(&labels, warning, balance != nullptr, balance, language);
}

ResultTexts TextsOf(const Evaluation& evaluation, present::Language language) {
  return TextsOf(evaluation.labels, evaluation.aspectRatioWarning,
                 evaluation.balance ? &*evaluation.balance : nullptr, language);
}

ResultTexts NamesOnly(bool withBalance) {
  return Build(nullptr, false, withBalance, nullptr, present::Language::English);
}

}  // namespace cli
