// The dru program: the application, the main window with its start-up,
// the hidden about box and the event loop.
#include <QApplication>

#include "about_box.h"
#include "cue_player.h"
#include "form_dru_main.h"
#include "quit_signals.h"
#include "titles.h"
#include "x11_activator.h"

int main(int argc, char** argv) {
  dru::ui::CuePlayer::FilterAudioWarnings();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(dru::ui::kApplicationTitle));
  QApplication::setApplicationVersion(QStringLiteral("1.02"));

  dru::ui::TFormDruMain FormDruMain;
  dru::ui::X11Activator activator;
  if (!FormDruMain.FormCreate(activator)) return 0;  // another instance runs
  dru::ui::TAboutBox AboutBox(&FormDruMain);
  FormDruMain.SetAboutBox(&AboutBox);
  // A termination request closes the window, which saves as on Exit.
  dru::ui::QuitSignals quitSignals(&FormDruMain, [&FormDruMain] { FormDruMain.close(); });
  FormDruMain.show();
  return QApplication::exec();
}
