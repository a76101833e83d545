#include "ui/platform/message_text.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace {

struct TitleCase {
  const char* name;
  QString path;
  QString title;
};

// The caption comes from the name the program was started with.
TEST(ApplicationTitle, FromTheExecutablePath) {
  const TitleCase cases[] = {
      {"plain name", QStringLiteral("cgcalc"), QStringLiteral("cgcalc")},
      {"with folder", QStringLiteral("/usr/local/bin/cgcalc"), QStringLiteral("cgcalc")},
      {"upper case", QStringLiteral("/opt/CGCALC"), QStringLiteral("Cgcalc")},
      {"mixed case, first kept", QStringLiteral("./cgCalc"), QStringLiteral("cgcalc")},
      {"cut at first full stop", QStringLiteral("/x/Project1.exe.old"), QStringLiteral("Project1")},
      {"backslash folders", QStringLiteral("C:\\Programme\\CgCalc.EXE"), QStringLiteral("Cgcalc")},
      {"folder with full stop", QStringLiteral("/home/a.b/Tool"), QStringLiteral("Tool")},
      {"starts with full stop", QStringLiteral("/x/.hidden"), QString()},
      {"empty", QString(), QString()},
      {"one letter", QStringLiteral("Q"), QStringLiteral("Q")},
      {"non-ASCII letters", QStringLiteral("/x/\u00c4RGER\u00d6"), QStringLiteral("\u00c4rger\u00f6")},
  };
  for (const TitleCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ui::ApplicationTitle(c.path), c.title);
  }
}

struct FullStopCase {
  const char* name;
  QString message;
  QString shown;
};

// A full stop follows unless the text is empty or ends in a character whose
// code is not above the full stop's.
TEST(MessageWithFullStop, AppendsWhenTheLastCharacterIsAboveTheFullStop) {
  const FullStopCase cases[] = {
      {"failure text", QStringLiteral("Invalid floating point operation"),
       QStringLiteral("Invalid floating point operation.")},
      {"ends in digit", QStringLiteral("I/O error 5"), QStringLiteral("I/O error 5.")},
      {"ends in slash (just above)", QStringLiteral("a/"), QStringLiteral("a/.")},
      {"ends in full stop", QStringLiteral("Done."), QStringLiteral("Done.")},
      {"ends in minus (just below)", QStringLiteral("a-"), QStringLiteral("a-")},
      {"ends in comma", QStringLiteral("a,"), QStringLiteral("a,")},
      {"ends in blank", QStringLiteral("a "), QStringLiteral("a ")},
      {"ends in bracket", QStringLiteral("(a)"), QStringLiteral("(a)")},
      {"ends in exclamation mark", QStringLiteral("a!"), QStringLiteral("a!")},
      {"ends in umlaut", QStringLiteral("Gr\u00f6\u00dfe"), QStringLiteral("Gr\u00f6\u00dfe.")},
      {"empty", QString(), QString()},
  };
  for (const FullStopCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ui::MessageWithFullStop(c.message), c.shown);
  }
}

// The questions and the file message take names and lines as they are,
// also where they hold what looks like a placeholder.
TEST(FileMessages, NameAndLineAreTakenAsTheyAre) {
  const QString odd = QStringLiteral("/tmp/100%1 %2.dat");
  EXPECT_EQ(ui::SaveChangesQuestion(odd), QStringLiteral("Save changes to /tmp/100%1 %2.dat?"));
  EXPECT_EQ(ui::UnlikeModelQuestion(odd, 3, QStringLiteral("%1 of %2")),
            QStringLiteral("/tmp/100%1 %2.dat does not look like a model file: line 3 reads \"%1 of %2\". "
                           "Load it anyway?"));
  EXPECT_EQ(ui::FileMessage(odd, QStringLiteral("File not found")),
            QStringLiteral("/tmp/100%1 %2.dat\nFile not found"));
}

}  // namespace
