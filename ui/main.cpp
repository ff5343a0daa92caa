// The dru program: the application, the main window with its start-up and
// the event loop.
#include <QApplication>

#include "cue_player.h"
#include "main_window.h"
#include "quit_signals.h"
#include "titles.h"
#include "version.h"
#include "x11_activator.h"

int main(int argc, char** argv) {
  dru::ui::CuePlayer::FilterAudioWarnings();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(dru::ui::kApplicationTitle));
  QApplication::setApplicationVersion(QString::fromLatin1(dru::kVersion));

  dru::ui::MainWindow window;
  dru::ui::X11Activator activator;
  if (!window.StartUp(activator)) return 0;  // another instance runs
  // A termination request closes the window, which saves as on Exit.
  dru::ui::QuitSignals quitSignals(&window, [&window] { window.close(); });
  window.show();
  return QApplication::exec();
}
