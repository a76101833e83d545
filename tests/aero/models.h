#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/model.h"
#include "files/model_reader.h"

namespace aero_test {

struct NamedModel {
  std::string Name;
  calc::TModelData Model;
};

// Every example model and those of tests/data/aero (a swept flying wing and
// a canard), by file name.
inline std::vector<NamedModel> AllModels() {
  std::vector<NamedModel> models;
  for (const std::string& folder : {std::string(CGCALC_EXAMPLES_DIR), std::string(CGCALC_TEST_DATA_DIR) + "/aero"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".dat") continue;
      models.push_back({entry.path().filename().string(), files::ReadModelFile(entry.path().string())});
    }
  }
  std::sort(models.begin(), models.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
  return models;
}

inline calc::TModelData Model(const std::string& name) {
  for (NamedModel& model : AllModels()) {
    if (model.Name == name) return model.Model;
  }
  throw std::runtime_error("no model " + name);
}

}  // namespace aero_test
