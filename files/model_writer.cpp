#include "model_writer.h"

#include "atomic_file.h"
#include "calc/number_text.h"

namespace files {

std::string ModelFileText(const calc::TModelData& model) {
  std::string text;
  for (int index = 0; index < calc::kModelFieldCount; ++index) {
    text += calc::FormatFixed(calc::ModelField(model, index), 4, 0);
    text += "\r\n";
  }
  return text;
}

void WriteModelFile(const std::string& path, const calc::TModelData& model) {
  ReplaceFileContents(path, ModelFileText(model));
}

}  // namespace files
