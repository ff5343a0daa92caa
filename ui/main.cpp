// The dru program: the application, the main window with its start-up and
// the event loop.
#include <QApplication>
#include <csignal>

#include "cue_player.h"
#include "main_window.h"
#include "quit_signals.h"
#include "titles.h"
#include "version.h"
#include "x11_activator.h"

int main(int argc, char** argv) {
  // Past a file-size limit a write then fails with "Disk full." instead of
  // killing the program with the session's marks.
  std::signal(SIGXFSZ, SIG_IGN);
  dru::ui::CuePlayer::FilterAudioWarnings();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(dru::ui::kApplicationTitle));
  QApplication::setApplicationVersion(QString::fromLatin1(dru::kVersion));

  dru::ui::MainWindow window;
  // In place before start-up can show its first box. A termination request
  // closes the window, which saves as on Exit.
  dru::ui::QuitSignals quitSignals(&window, [&window] { window.CloseOnSignal(); });
  dru::ui::X11Activator activator;
  if (!window.StartUp(activator)) return 0;  // another instance runs
  if (window.ClosingOnSignal()) {            // asked to end during start-up
    window.close();
    return 0;
  }
  window.show();
  return QApplication::exec();
}
