// The dru program: the application, the main window with its start-up and
// the event loop.
#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "core/version.h"
#include "ui/platform/cue_player.h"
#include "ui/platform/quit_signals.h"
#include "ui/platform/translation.h"
#include "ui/platform/x11_activator.h"
#include "ui/window/main_window.h"
#include "ui/window/titles.h"

namespace {

constexpr char kUsage[] =
    DRU_TR_NOOP("Usage",
                "Usage: dru [FILE]\n"
                "       dru --help | --version\n"
                "Learn sentences by typing them.\n"
                "\n"
                "dru opens FILE, or else the sentence file remembered in dru.ini in the\n"
                "folder it is started from, or Default.dat there; File, Open chooses\n"
                "another. When dru already runs, FILE is opened in the running dru, which\n"
                "comes to the front, and this start ends. See dru(1).\n"
                "\n"
                "  --help     print this help and exit\n"
                "  --version  print the version and exit\n");

// --help and --version answer on standard output before anything else
// happens: no window, no lock, no settings.
bool AnswerQuestion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      const dru::ui::Translations translations;
      std::fputs(dru::Tr("Usage", kUsage).c_str(), stdout);
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("dru %s\n", dru::kVersion);
      return true;
    }
  }
  return false;
}

// The file named on the command line, made absolute against the current
// folder; "" when none is. Qt has taken its own options out of argv by
// then; other options are ignored, and "--" ends them.
std::string FileArgument(int argc, char** argv) {
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (options && argument == "--") {
      options = false;
    } else if (!argument.empty() && (!options || argument.front() != '-')) {
      std::error_code error;
      const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
      return error ? argument : absolute.string();
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerQuestion(argc, argv)) return 0;
  // Past a file-size limit a write then fails with "Disk full." instead of
  // killing the program with the session's marks.
  std::signal(SIGXFSZ, SIG_IGN);
  dru::ui::CuePlayer::FilterAudioWarnings();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(dru::ui::kApplicationTitle));
  QApplication::setApplicationVersion(QString::fromLatin1(dru::kVersion));
  const dru::ui::Translations translations;

  dru::ui::MainWindow window;
  // In place before start-up can show its first box. A termination request
  // closes the window, which saves as on Exit.
  dru::ui::QuitSignals quitSignals(&window, [&window] { window.CloseOnSignal(); });
  dru::ui::X11Activator activator;
  // Another one runs: this start ends, handed over or not.
  if (const std::optional<int> ended = window.StartUp(activator, FileArgument(argc, argv))) {
    return *ended;
  }
  if (window.ClosingOnSignal()) {  // asked to end during start-up
    window.close();
    return 0;
  }
  window.show();
  return QApplication::exec();
}
