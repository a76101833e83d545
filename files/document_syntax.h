#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace files {

// The first step of reading a document: the JSON itself, through the
// library's event parser, which never recurses however deep the input is.
// Refuses malformed JSON, bytes that are not UTF-8, a number beyond the
// double range, a duplicate key and nesting deeper than
// kMostDocumentNesting, each at its place, before any value is built from
// what follows.

// A place in the document's bytes.
struct DocumentSpot {
  std::size_t offset = 0;  // of the token's first byte
  std::string_view token;  // a number's text exactly as it stands; empty for other values
};

// A member path such as {"balance", "supports", "xa"}.
using DocumentPath = std::vector<std::string>;

struct DocumentSyntax {
  nlohmann::ordered_json root;  // an object
  // Where each value of a path in `watched` stands.
  std::map<DocumentPath, DocumentSpot> spots;
};

// Throws DocumentRefused. `watched` names the paths whose spots the second
// step needs (any other path is not recorded, so that a huge unknown part
// costs no bookkeeping).
DocumentSyntax ParseDocumentSyntax(std::string_view bytes, bool (*watched)(const DocumentPath&));

// Appends a member to an object that does not have the key yet. (The
// object's own insertion looks for the key first, which would make reading
// many keys take quadratic time.)
void AppendMember(nlohmann::ordered_json& object, const std::string& key, nlohmann::ordered_json value);

// The line and column (from 1; a column counts UTF-8 sequences) of a byte
// offset in `bytes`.
struct LineAndColumn {
  int line = 1;
  int column = 1;
};
LineAndColumn LineAndColumnOf(std::string_view bytes, std::size_t offset);

}  // namespace files
