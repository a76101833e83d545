#include <algorithm>
#include <array>
#include <vector>

#include "present/balance_rows.h"
#include "report.h"
#include "vlm_rows.h"

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

// The head line, then each label in its row and column.
std::vector<Line> TableCells(const ResultTexts& texts, present::Language language) {
  std::vector<Line> lines(1);
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    lines[0][column + 1] = present::In(present::kWindowCaptions.columnHeads[column], language);
  }
  for (const NamedText& entry : texts) {
    if (entry.kind != TextKind::Label) continue;
    if (lines.size() < entry.row + 2) lines.resize(entry.row + 2);
    Line& line = lines[entry.row + 1];
    line[0] = entry.caption;
    line[static_cast<std::size_t>(entry.column) + 1] =
        entry.unit.empty() ? entry.text : entry.text + " " + std::string(entry.unit);
  }
  return lines;
}

// The balance check below the table: a heading, then its rows with the
// captions in the table's caption column and the values after them, and the
// sentence naming the judgement that governs. A longer caption (the
// lattice's rows) widens the caption column.
std::string BalanceBlock(const ResultTexts& texts, present::Language language, std::size_t captionWidth) {
  for (const NamedText& entry : texts) {
    if (entry.kind == TextKind::Balance) captionWidth = std::max(captionWidth, DisplayWidth(entry.caption));
  }
  std::string block = "\n" + std::string(present::In(present::kBalanceTitle, language)) + "\n";
  for (const NamedText& entry : texts) {
    if (entry.kind == TextKind::Governing) {
      for (const std::string& item : entry.items) block += item + "\n";
    }
    if (entry.kind != TextKind::Balance || entry.text.empty()) continue;
    block += std::string(entry.caption) + Padding(captionWidth, entry.caption) + std::string(kColumnGap) +
             entry.text + "\n";
  }
  return block;
}

// The lattice's figures below the table, captions in the caption column
// (widened for a longer one) and the figures right-aligned among themselves;
// then its warnings, a line each.
std::string VlmBlock(const ResultTexts& texts, present::Language language, std::size_t captionWidth) {
  std::size_t figureWidth = 0;
  for (const NamedText& entry : texts) {
    if (entry.kind != TextKind::VlmFigure) continue;
    figureWidth = std::max(figureWidth, DisplayWidth(entry.text));
    captionWidth = std::max(captionWidth, DisplayWidth(entry.caption));
  }
  std::string block = "\n" + std::string(present::In(kVlmTitle, language)) + "\n";
  for (const NamedText& entry : texts) {
    if (entry.kind == TextKind::VlmFigure && !entry.text.empty()) {
      block += std::string(entry.caption) + Padding(captionWidth, entry.caption) + std::string(kColumnGap) +
               Padding(figureWidth, entry.text) + entry.text + "\n";
    }
    if (entry.kind != TextKind::VlmWarnings) continue;
    for (const std::string& item : entry.items) block += item + "\n";
  }
  return block;
}

}  // namespace

std::string FormatTable(const ResultTexts& texts, present::Language language) {
  const std::vector<Line> lines = TableCells(texts, language);
  std::array<std::size_t, kColumnCount + 1> widths{};
  for (const Line& line : lines) {
    for (std::size_t column = 0; column < line.size(); ++column) {
      widths[column] = std::max(widths[column], DisplayWidth(line[column]));
    }
  }
  std::string table;
  // Lengths carry no unit in the table: a reader is told once, above it.
  for (const NamedText& entry : texts) {
    if (entry.kind == TextKind::Units) table += std::string(entry.caption) + "\n";
  }
  for (const Line& line : lines) {
    std::string out = line[0] + Padding(widths[0], line[0]);
    for (std::size_t column = 1; column < line.size(); ++column) {
      out += std::string(kColumnGap) + Padding(widths[column], line[column]) + line[column];
    }
    out.erase(out.find_last_not_of(' ') + 1);
    table += out + "\n";
  }
  bool withBalance = false;
  bool withVlm = false;
  for (const NamedText& entry : texts) {
    if (entry.kind == TextKind::Warning && !entry.text.empty()) table += entry.text + "\n";
    withBalance = withBalance || entry.kind == TextKind::Balance;
    withVlm = withVlm || entry.kind == TextKind::VlmWarnings;
  }
  if (withBalance) table += BalanceBlock(texts, language, widths[0]);
  if (withVlm) table += VlmBlock(texts, language, widths[0]);
  return table;
}

}  // namespace cli
