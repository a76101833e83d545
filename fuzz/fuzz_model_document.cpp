// Arbitrary bytes as a model document. A document is either refused with a
// place inside the bytes (or just after them), or read; what is read is
// written as a document that reads back to the same bytes when written
// again, and the .dat losses it names are exactly what a .dat file drops.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/failure.h"
#include "calc/number_text.h"
#include "files/model_document.h"
#include "files/model_reader.h"
#include "files/model_writer.h"
#include "fuzz_support.h"

namespace {

int Lines(std::string_view text) {
  int lines = 1;
  for (const char c : text) lines += c == '\n' ? 1 : 0;
  return lines;
}

void CheckWritten(const files::ModelDocument& document) {
  std::string written;
  try {
    written = files::ModelDocumentText(document);
  } catch (const calc::ArithmeticFailure&) {
    FUZZ_CHECK(false);  // every dimension read was finite
  }
  FUZZ_CHECK(!written.empty() && written.back() == '\n');
  FUZZ_CHECK(files::FormatOfStart(written) == files::ModelFormat::Document);
  const files::ModelDocument reread = files::ParseModelDocument(written);
  FUZZ_CHECK(files::ModelDocumentText(reread) == written);
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    FUZZ_CHECK(fuzz::SameBits(calc::ParseNumber(reread.Dimensions[index]),
                              calc::ParseNumber(document.Dimensions[index])));
  }
  // Without losses, the .dat file gives the same values back.
  if (!files::LossesAsDat(reread).Any()) {
    const calc::TModelData values = files::DimensionValues(reread);
    const calc::TModelData back = files::ParseModelText(files::ModelFileText(values));
    for (int i = 0; i < calc::kModelFieldCount; ++i) {
      FUZZ_CHECK(fuzz::SameBits(calc::ModelField(back, i), calc::ModelField(values, i)));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    CheckWritten(files::ParseModelDocument(bytes));
  } catch (const files::DocumentRefused& refused) {
    FUZZ_CHECK(refused.Line() >= 1 && refused.Line() <= Lines(bytes));
    FUZZ_CHECK(refused.Column() >= 1 && static_cast<std::size_t>(refused.Column()) <= size + 1);
  }
  return 0;
}
