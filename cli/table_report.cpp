#include <algorithm>
#include <array>
#include <vector>

#include "present/balance_rows.h"
#include "report.h"

namespace cli {
namespace {

using present::kColumnCount;
constexpr std::string_view kColumnGap = "  ";

using Line = std::array<std::string, kColumnCount + 1>;  // caption, then the three columns

// Characters, not bytes: German captions hold two-byte letters.
std::size_t DisplayWidth(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Padding(std::size_t width, std::string_view text) {
  return std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

// The text a label shows, by its place in label order.
const std::string& LabelText(const Evaluation& evaluation, const present::ResultCell& cell) {
  return evaluation.labels[cell.order];
}

std::vector<Line> TableCells(const Evaluation& evaluation, present::Language language) {
  std::vector<Line> lines;
  Line head;
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    head[column + 1] = present::In(present::kWindowCaptions.columnHeads[column], language);
  }
  lines.push_back(head);
  for (const present::ResultRow& row : present::ResultRows()) {
    Line line;
    line[0] = present::In(row.caption, language);
    for (const present::ResultCell& cell : row.cells) {
      if (!cell.Present()) continue;
      std::string text = LabelText(evaluation, cell);
      if (!cell.unit.empty()) text += " " + std::string(cell.unit);
      line[static_cast<std::size_t>(cell.column) + 1] = text;
    }
    lines.push_back(line);
  }
  return lines;
}

// The balance check below the table: a heading, then its rows with the
// captions in the table's caption column and the values after them.
std::string BalanceBlock(const calc::TBalanceData& balance, present::Language language, std::size_t captionWidth) {
  std::string text = "\n" + std::string(present::In(present::kBalanceTitle, language)) + "\n";
  for (const present::BalanceRow& row : present::BalanceRows()) {
    const std::string value = row.text(balance, language);
    if (value.empty()) continue;
    const std::string_view caption = present::In(row.caption, language);
    text += std::string(caption) + Padding(captionWidth, caption) + std::string(kColumnGap) + value + "\n";
  }
  return text;
}

}  // namespace

std::string FormatTable(const Evaluation& evaluation, present::Language language) {
  const std::vector<Line> lines = TableCells(evaluation, language);
  std::array<std::size_t, kColumnCount + 1> widths{};
  for (const Line& line : lines) {
    for (std::size_t column = 0; column < line.size(); ++column) {
      widths[column] = std::max(widths[column], DisplayWidth(line[column]));
    }
  }
  std::string text;
  for (const Line& line : lines) {
    std::string out = line[0] + Padding(widths[0], line[0]);
    for (std::size_t column = 1; column < line.size(); ++column) {
      out += std::string(kColumnGap) + Padding(widths[column], line[column]) + line[column];
    }
    out.erase(out.find_last_not_of(' ') + 1);
    text += out + "\n";
  }
  text += WarningText(evaluation, language);
  if (evaluation.aspectRatioWarning) text += "\n";
  if (evaluation.balance) text += BalanceBlock(*evaluation.balance, language, widths[0]);
  return text;
}

}  // namespace cli
