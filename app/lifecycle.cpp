#include "app/lifecycle.h"
#include "core/file/safe_file_writer.h"
#include "core/text/translation.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>
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

void Lifecycle::ReadSettings(const std::string& file) {
  commands_.SetStartDir(WorkingDirectory());
  settings_ = Settings::Load(SettingsPath());
  drill_.SetOptions(settings_.options);
  drill_.ResetForStartUp();
  settingsRead_ = true;
  // The first frame says what comes, never that no file is open when one
  // is about to be.
  // Names are resolved against the start-up folder, as SetCurrentFile does.
  auto exists = [this](const std::string& name) {
    return FileExists(name.empty() || name.front() == '/' ? name : commands_.StartDir() + name);
  };
  std::string next;
  for (const std::string& name : {file, settings_.lastOpenFile, std::string(kDefaultFile)}) {
    if (!name.empty() && exists(name)) {
      next = name;
      break;
    }
  }
  drill_.ShowReading(FileName(next));
}

std::string Lifecycle::StartUp(const std::string& file, const std::string& examplesFolder) {
  if (!std::exchange(settingsRead_, false)) ReadSettings(file);
  const Settings& settings = settings_;

  std::string failure;
  if (!file.empty()) {
    try {
      commands_.OpenNamed(file, false);
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
      try {
        commands_.LoadFileToList();
      } catch (...) {
        drill_.ShowReading({});  // nothing is read any more
        throw;
      }
      drill_.ShowNextSentence();
    }
  }
  if (!drill_.HasOpenFile()) drill_.ShowReading({});
  // What a killed save of the last run left is tidied away.
  if (drill_.HasOpenFile()) RemoveLeftoverTemporaryFiles(commands_.CurrentFile().path);
  RemoveLeftoverTemporaryFiles(SettingsPath());
  if (!settings.marksCopy.empty() && FileExists(settings.marksCopy)) {
    commands_.Notify(Args(Tr("Lifecycle",
                             "Another program had changed the sentence file when dru was "
                             "ended; your marks were saved in %1."),
                          {settings.marksCopy}));
  } else if (!drill_.HasOpenFile() && !examplesFolder.empty()) {
    commands_.Notify(
        Args(Tr("Lifecycle", "File › Open chooses a sentence file; examples are in %1."),
             {examplesFolder}));
  }
  drill_.Play(Cue::About);
  return failure;
}

bool Lifecycle::SaveBeforeClose(bool userCanAnswer) {
  if (drill_.Modified()) commands_.SaveCurrentFile(userCanAnswer);
  return !drill_.Modified();
}

void Lifecycle::WriteIniFile() {
  Settings{commands_.CurrentFile().name, drill_.ChosenOptions(), commands_.MarksCopy()}.Save(
      SettingsPath());
}

}  // namespace dru
