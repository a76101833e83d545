// The window tests need one application object for the whole run; they run
// on the offscreen platform, so nothing appears on a screen and nothing waits
// for a user.
#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says for every new window that it cannot pass size
// hints on, and for every window brought to the front that it cannot raise
// it; that says nothing about the program and would bury the results.
void FilterPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
  if (message.contains(QLatin1String("does not support raise()"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
  // Qt's own dialogs keep their state in QtProject.conf under the settings
  // folder; a test run must not leave that in the home of whoever runs it.
  QTemporaryDir settingsFolder;
  if (!settingsFolder.isValid()) {
    std::fprintf(stderr, "cannot create a temporary settings folder\n");
    return 1;
  }
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(FilterPlatformNotes);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
