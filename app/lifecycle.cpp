#include "app/lifecycle.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace dru {
namespace {

std::string WorkingDirectory() {
  std::vector<char> buffer(PATH_MAX);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

}  // namespace

std::string Lifecycle::StartUp(const std::string& file, const std::string& examplesFolder) {
  commands_.SetStartDir(WorkingDirectory());
  const Settings settings = Settings::Load(SettingsPath());
  drill_.SetOptions(settings.options);
  drill_.ResetForStartUp();

  std::string failure;
  if (!file.empty()) {
    try {
      commands_.OpenNamed(file);
    } catch (const std::exception& error) {
      failure = error.what();
    }
  }
  if (!drill_.HasOpenFile()) {
    // Kept exactly as read; a relative name means the start-up folder for
    // every later load and save.
    commands_.SetCurrentFile(settings.lastOpenFile);
    if (!FileExists(commands_.CurrentFile().path)) {
      commands_.SetCurrentFile(kDefaultFile);
      commands_.SetSaveDialogName(kDefaultFile);
    }
    if (FileExists(commands_.CurrentFile().path)) {
      commands_.LoadFileToList();
      drill_.ShowNextSentence();
    }
  }
  if (!drill_.HasOpenFile() && !examplesFolder.empty()) {
    commands_.Notify("File \u203A Open chooses a sentence file; examples are in " + examplesFolder +
                     ".");
  }
  drill_.Play(Cue::About);
  return failure;
}

bool Lifecycle::SaveBeforeClose(bool userCanAnswer) {
  if (drill_.Modified()) commands_.SaveCurrentFile(userCanAnswer);
  return !drill_.Modified();
}

void Lifecycle::WriteIniFile() {
  Settings{commands_.CurrentFile().name, drill_.ChosenOptions()}.Save(SettingsPath());
}

}  // namespace dru
