#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calc/balance.h"
#include "present/language.h"
#include "present/result_table.h"

namespace cli {

// One row of --csv or one line of --jsonl: a model file's (or a sweep
// point's) results, or the error that stopped them.
struct ResultRecord {
  std::span<const std::string> sweptCodes;   // the swept fields' codes, in front; empty for plain files
  std::span<const std::string> sweptValues;  // their values as typed
  std::string_view file;                     // the model file as named on the command line
  const present::ResultLabelTexts* labels = nullptr;  // nullptr when the model failed
  bool warning = false;                      // the aspect-ratio warning stands
  std::string_view error;                    // the failure's message without full stop; empty on success
  bool withBalance = false;                  // the balance columns are part of the output
  const calc::TBalanceData* balance = nullptr;  // the balance check, when asked for and not failed
};

// The CSV header: the swept fields' codes, "file", the twenty label names,
// "warning", with the balance check its row names (Bal_Cg ...), and "error".
std::string CsvHeader(std::span<const std::string> sweptCodes, bool withBalance);

// One CSV row in the header's columns: the label values as the labels show
// their digits, without padding; warning 1 or 0 (empty on failure); the
// balance check's values (words in `language`). Fields
// are quoted as RFC 4180 asks (comma, quotation mark, CR or LF inside);
// the row ends with LF.
std::string CsvRow(const ResultRecord& record, present::Language language);

// One JSON object on one line: the swept fields as numbers, "file", then the
// same keys and texts as --json (the labels and "Label17" with the warning
// text in `language`, the balance check's rows; left out on failure) and
// "error".
std::string JsonLine(const ResultRecord& record, present::Language language);

// A CSV field, quoted when RFC 4180 needs it.
std::string CsvField(std::string_view text);

}  // namespace cli
