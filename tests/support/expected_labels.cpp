#include "expected_labels.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test_support {
namespace {

constexpr std::string_view kWarningLine = "Label17";

std::string PathOf(std::string_view model) {
  return std::string(CGCALC_TEST_DATA_DIR) + "/expected/" + std::string(model) + ".labels";
}

}  // namespace

std::vector<ExpectedLabel> ExpectedLabels(std::string_view model) {
  const std::string path = PathOf(model);
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::vector<ExpectedLabel> labels;
  for (std::string line; std::getline(file, line);) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) throw std::runtime_error("no tab in line \"" + line + "\" of " + path);
    labels.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return labels;
}

std::vector<std::string> ExpectedValueTexts(std::string_view model) {
  std::vector<std::string> texts;
  for (const ExpectedLabel& label : ExpectedLabels(model)) {
    if (label.name != kWarningLine) texts.push_back(label.text);
  }
  return texts;
}

std::string ExpectedText(std::string_view model, std::string_view name) {
  for (const ExpectedLabel& label : ExpectedLabels(model)) {
    if (label.name == name) return label.text;
  }
  throw std::runtime_error("no label " + std::string(name) + " in " + PathOf(model));
}

std::string ExpectedFile(std::string_view name) {
  const std::string path = std::string(CGCALC_TEST_DATA_DIR) + "/expected/" + std::string(name);
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace test_support
