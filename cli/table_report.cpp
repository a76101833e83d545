#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "report.h"

namespace cli {
namespace {

// Label indexes in calc::kResultLabelNames.
enum Label : int {
  kLabSt, kLabLmt, kLabLamt, kLabCaalt, kLabRnpt, kLabSh, kLabLmh, kLabLamh, kLabCaalh, kLabRnph,
  kLabS, kLabCaal, kLabRnp, kLabXnplm, kLabRhe, kLabEmdeda, kLabRsp2, kLabRsp1, kLabStabv, kLabStabh
};

constexpr int kNone = -1;
constexpr std::size_t kColumnCount = 3;  // wing, tailplane, total
constexpr std::size_t kFirstRowCaption = 3;  // Label4
constexpr std::string_view kColumnGap = "  ";
constexpr std::string_view kPercentCaption = " %:";

struct TableRow {
  std::array<int, kColumnCount> cells;  // label per column, or kNone
  int margin;                           // margin label standing in the wing column, or kNone
};

// The window's rows from top to bottom, captioned Label4 .. Label13.
constexpr std::array<TableRow, 10> kRows = {{
    {{kLabSt, kLabSh, kLabS}, kNone},
    {{kLabLmt, kLabLmh, kNone}, kNone},
    {{kLabLamt, kLabLamh, kNone}, kNone},
    {{kLabCaalt, kLabCaalh, kLabCaal}, kNone},
    {{kLabRnpt, kLabRnph, kLabRnp}, kNone},
    {{kNone, kNone, kLabXnplm}, kNone},
    {{kNone, kNone, kLabRhe}, kNone},
    {{kNone, kLabEmdeda, kNone}, kNone},
    {{kNone, kNone, kLabRsp2}, kLabStabv},
    {{kNone, kNone, kLabRsp1}, kLabStabh},
}};

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

std::vector<Line> TableCells(const Evaluation& evaluation, const calc::CaptionSet& captions) {
  std::vector<Line> lines;
  lines.push_back({"", std::string(captions.TableLabels[0]), std::string(captions.TableLabels[1]),
                   std::string(captions.TableLabels[2])});
  for (std::size_t row = 0; row < kRows.size(); ++row) {
    Line line;
    line[0] = captions.TableLabels[kFirstRowCaption + row];
    for (std::size_t column = 0; column < kColumnCount; ++column) {
      const int label = kRows[row].cells[column];
      if (label != kNone) line[column + 1] = evaluation.labels[static_cast<std::size_t>(label)];
    }
    if (kRows[row].margin != kNone) {
      line[1] = evaluation.labels[static_cast<std::size_t>(kRows[row].margin)] + std::string(kPercentCaption);
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::string FormatTable(const Evaluation& evaluation, const calc::CaptionSet& captions) {
  const std::vector<Line> lines = TableCells(evaluation, captions);
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
  if (evaluation.aspectRatioWarning) text += std::string(captions.Warning) + "\n";
  return text;
}

}  // namespace cli
