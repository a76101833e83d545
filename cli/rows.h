#pragma once

#include <span>
#include <string>
#include <string_view>

#include "result_texts.h"

namespace cli {

// One row of --csv or one line of --jsonl: a model file's (or a sweep
// point's) texts, or the error that stopped them.
struct ResultRecord {
  std::span<const std::string> sweptCodes;   // the swept fields' codes, in front; empty for plain files
  std::span<const std::string> sweptValues;  // their values as typed
  std::string_view file;                     // the model file as named on the command line
  const ResultTexts* texts = nullptr;        // nullptr when the model failed
  std::string_view error;                    // the failure's message without full stop; empty on success
};

// The --csv output of one run, whose rows all have the same columns.
class CsvTable {
 public:
  // The columns: the swept fields' codes, "file", "units" where `units`
  // are not mm,g, the result labels, "warning", with the balance check its
  // rows (Bal_Cg ...), with the vortex lattice its figures and warnings
  // (Vlm_CLa ...), and "error".
  CsvTable(std::span<const std::string> sweptCodes, bool withBalance, bool withVlm = false,
           calc::TUnits units = {});

  // The header: the columns' names.
  std::string Header() const;

  // One row in the header's columns: the texts without leading blanks (the
  // digits the labels show), warning 1 or 0, the lattice's warnings joined
  // by "; "; all of them empty for a failed
  // model. Fields are quoted as RFC 4180 asks (comma, quotation mark, CR or
  // LF inside); the row ends with LF.
  std::string Row(const ResultRecord& record) const;

 private:
  std::span<const std::string> sweptCodes_;
  ResultTexts columns_;
};

// One JSON object on one line: the swept fields as numbers, "file", then the
// same keys and texts as --json ("units" first where they are not mm,g; all
// left out on failure) and "error".
std::string JsonLine(const ResultRecord& record);

// A CSV field, quoted when RFC 4180 needs it.
std::string CsvField(std::string_view text);

}  // namespace cli
