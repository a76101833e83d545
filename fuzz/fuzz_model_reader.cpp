// Arbitrary bytes as the contents of a model file. Checks the reader and its
// look check against a plain reading of the line rules, the writer against
// FormatFixed, and that the written text reads back as the whole-millimetre
// values it shows and looks like a model file.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/model.h"
#include "calc/number_text.h"
#include "files/model_reader.h"
#include "files/model_writer.h"
#include "fuzz_support.h"

namespace {

using Lines = std::array<std::string, calc::kModelFieldCount>;

// Carriage return with line feed, a carriage return alone and a line feed
// alone each end a line. The last line is there even when it is empty.
std::vector<std::string> PhysicalLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines.back() += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  return lines;
}

// Byte 26 ends the data and the line it stands in; missing lines are empty.
Lines SplitLines(std::string_view text) {
  Lines lines;
  const std::vector<std::string> physical = PhysicalLines(text.substr(0, text.find('\x1A')));
  for (std::size_t i = 0; i < lines.size() && i < physical.size(); ++i) lines[i] = physical[i];
  return lines;
}

bool OnlyBlanksAndCtrlZ(std::string_view text) { return text.find_first_not_of(" \x1A") == std::string_view::npos; }

bool Digit(char c) { return c >= '0' && c <= '9'; }

// Empty, or blanks around: sign, digits with at most one point (at least one
// digit), exponent letter with sign and at least one digit.
bool PlainNumberOrEmpty(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return true;
  text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  std::size_t at = 0;
  const auto digits = [&] {
    const std::size_t start = at;
    while (at < text.size() && Digit(text[at])) ++at;
    return at - start;
  };
  if (text[at] == '+' || text[at] == '-') ++at;
  std::size_t mantissaDigits = digits();
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissaDigits += digits();
  }
  if (mantissaDigits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (digits() == 0) return false;
  }
  return at == text.size();
}

// Whether the blanks after a line's number change what it reads as (by the
// reading rule "-30 " reads as 30): the value, or the overflow, with and
// without them differ. A line that overflows either way is left as it was.
bool BlanksChangeTheValue(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  if (last == std::string_view::npos || last + 1 == text.size()) return false;
  const fuzz::Parsed with = fuzz::Parse(text);
  const fuzz::Parsed without = fuzz::Parse(text.substr(0, last + 1));
  if (with.overflow && without.overflow) return false;
  return with.overflow != without.overflow || !fuzz::SameBits(with.value, without.value);
}

// The first line that does not fit and its first 40 bytes, or line 0.
files::ModelFileLook ReferenceLook(std::string_view text) {
  const std::vector<std::string> lines = PhysicalLines(text);
  bool dataEnded = false;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string& line = lines[index];
    bool fits = true;
    if (!dataEnded && index < calc::kModelFieldCount) {
      const std::size_t end = line.find('\x1A');
      dataEnded = end != std::string::npos;
      const std::string_view data = std::string_view(line).substr(0, end);
      fits = PlainNumberOrEmpty(data) && !BlanksChangeTheValue(data) &&
             (!dataEnded || OnlyBlanksAndCtrlZ(std::string_view(line).substr(end + 1)));
    } else {
      fits = OnlyBlanksAndCtrlZ(line);
    }
    if (!fits) return {false, static_cast<int>(index + 1), line.substr(0, files::kLookTextLength)};
  }
  return {};
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

std::optional<files::ModelFileReading> ReadModel(std::string_view text) {
  try {
    return files::ParseModelTextWithLook(text);
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

// The same text in two pieces, cut where the first byte says.
std::optional<files::ModelFileReading> ReadInTwoPieces(std::string_view text) {
  const std::size_t cut = text.empty() ? 0 : static_cast<unsigned char>(text[0]) % (text.size() + 1);
  try {
    files::ModelTextReader reader;
    if (reader.Feed(text.substr(0, cut))) reader.Feed(text.substr(cut));
    return reader.Finish();
  } catch (const calc::ArithmeticFailure&) {
    return std::nullopt;
  }
}

bool SameLook(const files::ModelFileLook& a, const files::ModelFileLook& b) {
  return a.looksLikeModel == b.looksLikeModel && a.line == b.line && a.text == b.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<files::ModelFileReading> reading = ReadModel(text);
  const std::optional<calc::TModelData> reference = ReferenceModel(text);
  FUZZ_CHECK(reading.has_value() == reference.has_value());
  if (!reading) return 0;
  const calc::TModelData& model = reading->model;
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    FUZZ_CHECK(fuzz::SameBits(calc::ModelField(model, i), calc::ModelField(*reference, i)));
  }
  FUZZ_CHECK(SameLook(reading->look, ReferenceLook(text)));
  const std::optional<files::ModelFileReading> pieces = ReadInTwoPieces(text);
  FUZZ_CHECK(pieces.has_value() && SameLook(pieces->look, reading->look));
  const calc::TModelData valuesOnly = files::ParseModelText(text);
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    FUZZ_CHECK(fuzz::SameBits(calc::ModelField(pieces->model, i), calc::ModelField(model, i)));
    FUZZ_CHECK(fuzz::SameBits(calc::ModelField(valuesOnly, i), calc::ModelField(model, i)));
  }

  const std::string written = files::ModelFileText(model);
  FUZZ_CHECK(written == ExpectedFileText(model));
  const std::optional<files::ModelFileReading> reread = ReadModel(written);
  FUZZ_CHECK(reread.has_value() || HasHugeField(model));
  if (!reread) return 0;
  CheckWrittenModel(model, reread->model);
  // Only infinity and NaN are written as texts that are no numbers.
  const bool special = written.find("Inf") != std::string::npos || written.find("Nan") != std::string::npos;
  FUZZ_CHECK(reread->look.looksLikeModel || special);
  return 0;
}
