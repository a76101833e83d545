#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "present/language.h"

namespace {

using present::Texts;

struct NamedText {
  std::string_view name;
  present::Caption text;
};

constexpr NamedText kTexts[] = {
#define CGCALC_NAMED_TEXT(name) {#name, &Texts::name},
    CGCALC_TEXTS(CGCALC_NAMED_TEXT)
#undef CGCALC_NAMED_TEXT
};

std::size_t Occurrences(std::string_view text, std::string_view mark) {
  std::size_t count = 0;
  for (std::size_t at = text.find(mark); at != std::string_view::npos; at = text.find(mark, at + mark.size())) ++count;
  return count;
}

std::string FileText(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The compiler sees that every language gives every text; here none is
// empty, and each keeps the English text's placeholders, since a
// translation that loses a "{}" drops a figure from the sentence.
TEST(Texts, EveryLanguageGivesEveryTextWithItsPlaceholders) {
  for (const present::LanguageEntry& language : present::kLanguages) {
    for (const NamedText& text : kTexts) {
      SCOPED_TRACE(std::string(language.code) + " " + std::string(text.name));
      const std::string_view words = present::In(text.text, language.language);
      const std::string_view english = present::In(text.text, present::Language::English);
      EXPECT_FALSE(words.empty());
      for (const std::string_view mark : {"{}", "%1"}) EXPECT_EQ(Occurrences(words, mark), Occurrences(english, mark));
    }
  }
}

// The files beside the program that a language needs as well: the desktop
// entry's name and comment (English stands untagged), and the manual page's
// list of --language codes.
TEST(Texts, DesktopEntryAndManualPageKnowEveryLanguage) {
  const std::string entry = FileText(CGCALC_DESKTOP_ENTRY);
  const std::string page = FileText(CGCALC_MAN_PAGE);
  ASSERT_FALSE(entry.empty());
  ASSERT_FALSE(page.empty());
  for (const present::LanguageEntry& language : present::kLanguages) {
    const std::string code(language.code);
    SCOPED_TRACE(code);
    EXPECT_NE(page.find("\\fB" + code + "\\fR"), std::string::npos);
    if (language.language == present::Language::English) continue;
    for (const std::string key : {"GenericName", "Comment"})
      EXPECT_NE(entry.find("\n" + key + "[" + code + "]="), std::string::npos) << key;
  }
}

}  // namespace
