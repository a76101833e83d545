// cgcalc: the main window and its About window, until the main window closes.
// cgcalc FILE starts the same way and then loads FILE as File / Load does.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include "files/save_cleanup.h"
#include "ui/platform/appearance.h"
#include "ui/platform/message_text.h"
#include "ui/platform/qt_dialogs.h"
#include "ui/program_windows.h"

namespace {

constexpr char kUsage[] =
    "Usage: cgcalc [FILE]\n"
    "Static stability and centre-of-gravity range of model aircraft.\n"
    "\n"
    "  FILE       a model file (.dat) to load once the window is open\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

// What the command line asks for.
struct Request {
  bool help = false;
  bool version = false;
  const char* file = nullptr;
  const char* error = nullptr;  // the argument that makes no sense
};

Request ReadArguments(int argc, char* argv[]) {
  Request request;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (options && argument == "--") {
      options = false;
    } else if (options && (argument == "--help" || argument == "-h")) {
      request.help = true;
    } else if (options && argument == "--version") {
      request.version = true;
    } else if ((options && argument.size() > 1 && argument.front() == '-') || request.file) {
      request.error = argv[i];
      return request;
    } else {
      request.file = argv[i];
    }
  }
  return request;
}

bool Empty(const char* variable) {
  const char* value = std::getenv(variable);
  return !value || !*value;
}

// Qt would abort with a message about platform plugins; this says what is
// missing instead.
bool DisplayAvailable() { return !(Empty("DISPLAY") && Empty("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")); }

// While Qt connects to the display, its notes are held back: when the
// display does not answer, Qt ends the program with advice about
// reinstalling it, which is wrong; the user learns instead which display
// could not be opened. Once connected, the notes held back are printed as
// Qt would have.
QByteArray heldBackNotes;
void HoldBackUntilConnected(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    const char* display = !Empty("WAYLAND_DISPLAY") && Empty("DISPLAY") ? std::getenv("WAYLAND_DISPLAY")
                                                                          : std::getenv("DISPLAY");
    std::fprintf(stderr, "cgcalc: cannot open the display %s\n", display ? display : "");
    std::_Exit(1);
  }
  heldBackNotes += message.toLocal8Bit() + '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
  const Request request = ReadArguments(argc, argv);
  if (request.error) {
    std::fprintf(stderr, "cgcalc: unexpected argument '%s'\n%s", request.error, kUsage);
    return 2;
  }
  if (request.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (request.version) {
    std::puts("cgcalc " CGCALC_VERSION);
    return 0;
  }
  if (!DisplayAvailable()) {
    std::fputs("cgcalc: no display found (DISPLAY and WAYLAND_DISPLAY are empty)\n", stderr);
    return 1;
  }
  // Before Qt starts its threads: an interrupted save leaves no new file behind.
  files::RemoveSaveTemporaryOnSignals();
  // Qt gets no arguments of the user: only the program's own name is passed on.
  int qtArgumentCount = argc > 0 ? 1 : 0;
  const QString programPath = argc > 0 && argv[0] ? QString::fromLocal8Bit(argv[0]) : QString();
  const QtMessageHandler qtHandler = qInstallMessageHandler(HoldBackUntilConnected);
  QApplication application(qtArgumentCount, argv);
  qInstallMessageHandler(qtHandler);
  std::fputs(heldBackNotes.constData(), stderr);
  // The program's dialogs and menus in the windows' typeface too: one look,
  // and no second font loaded at every start for what may never open.
  QApplication::setFont(ui::WindowFont());
  ui::QtDialogs dialogs;
  ui::ProgramWindows windows(dialogs, ui::ApplicationTitle(programPath));
  dialogs.SetOwner(&windows.Main());
  // The whole path: the window names the file by it, and Save writes there
  // whatever the current folder is then.
  if (request.file) windows.Main().LoadAtStart(QFileInfo(QFile::decodeName(request.file)).absoluteFilePath());
  windows.Show();
  return application.exec();
}
