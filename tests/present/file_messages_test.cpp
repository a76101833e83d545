#include "present/file_messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace present {
namespace {

// The German words of the codes users met as bare numbers; the English ones
// are files' own (files::FileErrorText), which the texts take from there.
TEST(FileMessages, GermanChosenByCode) {
  const struct {
    int code;
    const char* german;
  } rows[] = {
      {2, "Datei nicht gefunden"},
      {5, "Zugriff auf die Datei verweigert"},
      {112, "Kein Platz mehr auf dem Datentr\u00e4ger"},
      {1117, "Das Ger\u00e4t konnte die Daten nicht lesen oder schreiben"},
      {10027, "Die Datei ist zu gro\u00df, um sie sicher neu zu schreiben"},
      {10006, "Niemand nimmt die Daten an (eine Pipe, die keiner liest, oder ein fehlendes Ger\u00e4t)"},
      {10000 + ESRCH, "Das System meldet: No such process"},
      {1, "Unbekannter Dateifehler"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(FileErrorText(row.code, Language::German), row.german);
  }
  EXPECT_EQ(RefusalText(files::Refusal::Folder, "model.dat", Language::German),
            "model.dat ist ein Ordner, keine Modelldatei");
}

// Whatever errno a file operation meets, the message is words in every
// language, never a bare number nor the unknown file error; in English
// the very words of files.
TEST(FileMessages, EveryErrnoInWordsInEveryLanguage) {
  for (int value = 1; value < 134; ++value) {
    if (::strerrordesc_np(value) == nullptr) continue;  // no errno of this system
    for (const files::FileOperation operation :
         {files::FileOperation::Open, files::FileOperation::Write, files::FileOperation::Create}) {
      const int code = files::FileErrorCode(value, operation);
      for (const LanguageEntry& language : kLanguages) {
        SCOPED_TRACE(std::to_string(code) + " " + std::string(language.code));
        const std::string text = FileErrorText(code, language.language);
        EXPECT_EQ(text.find(std::to_string(code)), std::string::npos) << text;
        EXPECT_NE(text, In(&Texts::fileErrorUnknown, language.language));
      }
      EXPECT_EQ(FileErrorText(code, Language::English), files::FileErrorText(code));
    }
  }
}

}  // namespace
}  // namespace present
