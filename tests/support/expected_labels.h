#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// One line of tests/data/expected/<model>.labels: a label's object name and
// the text it shows.
struct ExpectedLabel {
  std::string name;
  std::string text;
};

// The lines of tests/data/expected/<model>.labels in their order: the result
// labels in label order, then the warning line Label17, as the English
// window shows them for tests/data/<model>.dat. Throws std::runtime_error
// when the file cannot be read or a line has no tab.
std::vector<ExpectedLabel> ExpectedLabels(std::string_view model);

// The texts of the result labels alone (every line but Label17), in order.
std::vector<std::string> ExpectedValueTexts(std::string_view model);

// The text of the label `name`; throws std::runtime_error when the file
// has no such line.
std::string ExpectedText(std::string_view model, std::string_view name);

// The whole of tests/data/expected/<name> (for example "default.table", what
// cgcalc-cli prints for tests/data/default.dat). Throws std::runtime_error
// when it cannot be read.
std::string ExpectedFile(std::string_view name);

}  // namespace test_support
