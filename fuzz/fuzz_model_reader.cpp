// Arbitrary bytes as the contents of a model file. Checks the reader against
// a plain reading of the line rules, the writer against FormatFixed, and that
// the written text reads back as the whole-millimetre values it shows.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/model.h"
#include "calc/number_text.h"
#include "files/model_reader.h"
#include "files/model_writer.h"
#include "fuzz_support.h"

namespace {

using Lines = std::array<std::string, calc::kModelFieldCount>;

// A line ends at a carriage return (a line feed right after it belongs to the
// line end), byte 26 ends the data, and missing lines are empty.
Lines SplitLines(std::string_view text) {
  Lines lines;
  std::size_t line = 0;
  std::string current;
  for (std::size_t i = 0; i < text.size() && line < lines.size(); ++i) {
    const char c = text[i];
    if (c == '\x1A') break;
    if (c != '\r') {
      current += c;
      continue;
    }
    lines[line++] = current;
    current.clear();
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (line < lines.size()) lines[line] = current;
  return lines;
}

// The model the line rules give, or nothing when a line overflows.
std::optional<calc::TModelData> ReferenceModel(std::string_view text) {
  const Lines lines = SplitLines(text);
  calc::TModelData model;
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    const fuzz::Parsed parsed = fuzz::Parse(lines[i]);
    if (parsed.overflow) return std::nullopt;
    calc::ModelField(model, i) = parsed.value;
  }
  return model;
}

std::optional<calc::TModelData> ReadModel(std::string_view text) {
  try {
    return files::ParseModelText(text);
  } catch (const calc::ArithmeticFailure& failure) {
    FUZZ_CHECK(failure.Kind() == calc::FailureKind::Overflow);
    return std::nullopt;
  }
}

std::string ExpectedFileText(const calc::TModelData& model) {
  std::string text;
  for (int i = 0; i < calc::kModelFieldCount; ++i) text += calc::FormatFixed(calc::ModelField(model, i), 4, 0) + "\r\n";
  return text;
}

bool HasHugeField(const calc::TModelData& model) {
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    if (std::fabs(calc::ModelField(model, i)) >= 1.75e308) return true;
  }
  return false;
}

// Every field written in fixed form reads back as the whole number it shows.
void CheckWrittenModel(const calc::TModelData& model, const calc::TModelData& reread) {
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    const double value = calc::ModelField(model, i);
    const double back = calc::ModelField(reread, i);
    if (!std::isfinite(value) || std::fabs(value) >= fuzz::kExponentFormLimit) continue;
    FUZZ_CHECK(fuzz::SameBits(back, calc::ParseNumber(calc::FormatFixed(value, 4, 0))));
    if (std::fabs(value) < 1e15) FUZZ_CHECK(fuzz::SameBits(back, std::round(value)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<calc::TModelData> model = ReadModel(text);
  const std::optional<calc::TModelData> reference = ReferenceModel(text);
  FUZZ_CHECK(model.has_value() == reference.has_value());
  if (!model) return 0;
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    FUZZ_CHECK(fuzz::SameBits(calc::ModelField(*model, i), calc::ModelField(*reference, i)));
  }

  const std::string written = files::ModelFileText(*model);
  FUZZ_CHECK(written == ExpectedFileText(*model));
  const std::optional<calc::TModelData> reread = ReadModel(written);
  FUZZ_CHECK(reread.has_value() || HasHugeField(*model));
  if (reread) CheckWrittenModel(*model, *reread);
  return 0;
}
