// The dru program: the application, the main window, the hidden about box
// and the event loop.
#include <QApplication>

#include "about_box.h"
#include "cue_player.h"
#include "form_dru_main.h"
#include "titles.h"

int main(int argc, char** argv) {
  dru::ui::CuePlayer::FilterAudioWarnings();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(dru::ui::kApplicationTitle));
  QApplication::setApplicationVersion(QStringLiteral("1.02"));

  dru::ui::TFormDruMain FormDruMain;
  dru::ui::TAboutBox AboutBox(&FormDruMain);
  FormDruMain.SetAboutBox(&AboutBox);
  FormDruMain.show();
  return application.exec();
}
