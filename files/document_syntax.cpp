#include "document_syntax.h"

#include <iterator>
#include <optional>
#include <unordered_set>
#include <utility>

#include "model_document.h"

namespace files {
namespace {

using Json = nlohmann::ordered_json;

// A pointer into the bytes that notes how far the parser has read them: the
// library's events carry no positions, so each event finds its token from
// where reading has got to.
class ReadingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  ReadingIterator(const char* at, const char** reached) : at_(at), reached_(reached) {}
  reference operator*() const { return *at_; }
  ReadingIterator& operator++() {
    ++at_;
    *reached_ = at_;
    return *this;
  }
  ReadingIterator operator++(int) {
    ReadingIterator before = *this;
    ++*this;
    return before;
  }
  friend bool operator==(const ReadingIterator& a, const ReadingIterator& b) { return a.at_ == b.at_; }

 private:
  const char* at_;
  const char** reached_;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool NumberByte(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// nlohmann's message without its prefix ("[json.exception...] parse error at
// line L, column C: ") and without the bytes it last read, which may be
// anything, also no UTF-8.
std::string SyntaxReason(const std::string& what) {
  std::string reason = what;
  if (const std::size_t start = reason.find("syntax error"); start != std::string::npos) reason.erase(0, start);
  const std::string lastRead = "; last read: '";
  if (const std::size_t cut = reason.find(lastRead); cut != std::string::npos) {
    const std::size_t expected = reason.rfind("'; expected ");
    reason.erase(cut, expected == std::string::npos || expected < cut ? std::string::npos : expected + 1 - cut);
  }
  return reason;
}

// The library's events, building the value as its own parser would, but
// refusing duplicates and depth on the way and noting where watched values
// stand.
class DocumentBuilder {
 public:
  using number_integer_t = Json::number_integer_t;
  using number_unsigned_t = Json::number_unsigned_t;
  using number_float_t = Json::number_float_t;
  using string_t = Json::string_t;
  using binary_t = Json::binary_t;

  DocumentBuilder(std::string_view bytes, bool (*watched)(const DocumentPath&))
      : bytes_(bytes), reached_(bytes.data()), watched_(watched) {
    // The parser skips a byte order mark; the first token comes after it.
    if (bytes.starts_with(kByteOrderMark)) previousEnd_ = kByteOrderMark.size();
  }

  const char** Reached() { return &reached_; }

  bool null() { return Value(nullptr); }
  bool boolean(bool value) { return Value(value); }
  bool number_integer(number_integer_t value) { return Number(value); }
  bool number_unsigned(number_unsigned_t value) { return Number(value); }
  bool number_float(number_float_t value, const string_t&) { return Number(value); }
  bool string(string_t& value) { return Value(std::move(value)); }
  bool binary(binary_t&) { return Refuse(TokenStart(), "binary values are no JSON"); }
  bool start_object(std::size_t) { return Open(Json::object()); }
  bool start_array(std::size_t) { return Open(Json::array()); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }

  bool key(string_t& name) {
    const std::size_t start = TokenStart();
    previousEnd_ = Offset();
    if (!levels_.back().keys.insert(name).second) {
      return Refuse(start, "duplicate key " + Json(name).dump());
    }
    path_.back() = std::move(name);
    return true;
  }

  bool parse_error(std::size_t position, const std::string& lastToken, const nlohmann::detail::exception& error) {
    if (error.id == 406) {
      // A number beyond the double range: its position is the token's end.
      return Refuse(position - std::min(position, lastToken.size()), "number too large");
    }
    return Refuse(position == 0 ? 0 : position - 1, SyntaxReason(error.what()));
  }

  DocumentSyntax Finish() { return std::move(syntax_); }
  const std::optional<std::pair<std::size_t, std::string>>& Refusal() const { return refusal_; }

 private:
  struct Level {
    Json* value;
    std::unordered_set<std::string> keys;  // an object's keys so far
  };

  std::size_t Offset() const { return static_cast<std::size_t>(reached_ - bytes_.data()); }

  // Where the token of the present event starts: after the last one, past
  // blanks, commas and colons, which have no events of their own.
  std::size_t TokenStart() const {
    std::size_t at = previousEnd_;
    while (at < bytes_.size() && (Blank(bytes_[at]) || bytes_[at] == ',' || bytes_[at] == ':')) ++at;
    return at;
  }

  bool Refuse(std::size_t offset, std::string reason) {
    if (!refusal_) refusal_.emplace(offset, std::move(reason));
    return false;
  }

  // A number's token ends where the byte read after it to see its end was:
  // that byte has been read, unless the bytes ended with the number.
  template <class T>
  bool Number(T value) {
    const std::size_t start = TokenStart();
    std::size_t end = Offset();
    if (end > start && !(end == bytes_.size() && NumberByte(bytes_[end - 1]))) --end;
    return Place(Json(value), start, bytes_.substr(start, end - start), end);
  }

  bool Value(Json value) {
    const std::size_t start = TokenStart();
    return Place(std::move(value), start, {}, Offset());
  }

  bool Open(Json empty) {
    const std::size_t start = TokenStart();
    if (levels_.empty() && !empty.is_object()) return Refuse(start, "expected an object ({) at the start");
    if (static_cast<int>(levels_.size()) >= kMostDocumentNesting) {
      return Refuse(start, "nested more than " + std::to_string(kMostDocumentNesting) + " levels deep");
    }
    if (!Place(std::move(empty), start, {}, start + 1)) return false;
    Json* placed = levels_.empty() ? &syntax_.root : LastPlaced();
    levels_.push_back({placed, {}});
    path_.emplace_back();
    return true;
  }

  bool Close() {
    previousEnd_ = Offset();
    levels_.pop_back();
    path_.pop_back();
    return true;
  }

  Json* LastPlaced() {
    Json& container = *levels_.back().value;
    if (container.is_array()) return &container.back();
    return &static_cast<Json::object_t::Container&>(container.get_ref<Json::object_t&>()).back().second;
  }

  // Puts a value into its container. A duplicate key has been refused, so
  // the member is simply appended (the map's own insertion would look for
  // the key again each time).
  bool Place(Json value, std::size_t start, std::string_view token, std::size_t end) {
    previousEnd_ = end;
    if (levels_.empty()) {
      if (!value.is_object()) return Refuse(start, "expected an object ({) at the start");
      syntax_.root = std::move(value);
      return true;
    }
    if (watched_(path_)) syntax_.spots[path_] = {start, token};
    Json& container = *levels_.back().value;
    if (container.is_array()) {
      container.push_back(std::move(value));
    } else {
      AppendMember(container, path_.back(), std::move(value));
    }
    return true;
  }

  std::string_view bytes_;
  const char* reached_;
  bool (*watched_)(const DocumentPath&);
  std::size_t previousEnd_ = 0;
  std::vector<Level> levels_;
  DocumentPath path_;  // the keys down to the present value; "" for an array's items
  DocumentSyntax syntax_;
  std::optional<std::pair<std::size_t, std::string>> refusal_;
};

}  // namespace

void AppendMember(Json& object, const std::string& key, Json value) {
  static_cast<Json::object_t::Container&>(object.get_ref<Json::object_t&>()).emplace_back(key, std::move(value));
}

LineAndColumn LineAndColumnOf(std::string_view bytes, std::size_t offset) {
  LineAndColumn place;
  for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\n') {
      ++place.line;
      place.column = 1;
    } else if ((byte & 0xC0) != 0x80) {
      ++place.column;
    }
  }
  return place;
}

DocumentSyntax ParseDocumentSyntax(std::string_view bytes, bool (*watched)(const DocumentPath&)) {
  DocumentBuilder builder(bytes, watched);
  const ReadingIterator first(bytes.data(), builder.Reached());
  const ReadingIterator last(bytes.data() + bytes.size(), builder.Reached());
  if (!Json::sax_parse(first, last, &builder)) {
    // The builder stops the parser only with a reason; the parser stops
    // itself only through parse_error, which gives one too.
    const auto& [offset, reason] = *builder.Refusal();
    const LineAndColumn place = LineAndColumnOf(bytes, offset);
    throw DocumentRefused(place.line, place.column, reason);
  }
  return builder.Finish();
}

}  // namespace files
