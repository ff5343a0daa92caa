#include "lifecycle.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string_view>
#include <vector>

#include "ini_file.h"
#include "io_error.h"
#include "safe_file_writer.h"

namespace dru {
namespace {

// Any name that can be opened comes back whole, also past the 2047
// characters of other values.
constexpr std::size_t kMaxNameLength = PATH_MAX;

std::string WorkingDirectory() {
  std::vector<char> buffer(PATH_MAX);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

}  // namespace

void Lifecycle::StartUp() {
  state_.StartDir = WorkingDirectory();
  if (state_.StartDir.empty() || state_.StartDir.back() != '/') state_.StartDir += '/';

  const IniFile settings = IniFile::Load(SettingsPath()).value_or(IniFile());
  state_.SoundEffect = ReadFlag(settings.Read("Options", "SoundEffect"), true);
  view_.SetSoundEffectChecked(state_.SoundEffect);
  state_.CaseSensitive = ReadFlag(settings.Read("Options", "CaseSensitive"), true);
  view_.SetCaseSensitiveChecked(state_.CaseSensitive);
  state_.ShowMistakes = ReadFlag(settings.Read("Options", "ShowMistakes"), true);
  view_.SetShowMistakesChecked(state_.ShowMistakes);

  drill_.ResetForStartUp();

  // Kept exactly as read; a relative name means the start-up folder for
  // every later load and save, wherever the file dialogs have moved.
  state_.CurrentFile =
      settings.Read("Files", "LastOpenFile", kMaxNameLength).value_or(kDefaultFile);
  if (!FileExists(commands_.CurrentPath())) {
    state_.CurrentFile = kDefaultFile;
    view_.SetSaveDialogFileName(kDefaultFile);
  }
  if (FileExists(commands_.CurrentPath())) {
    commands_.LoadFileToList(commands_.CurrentPath());
    view_.SetTargetText(drill_.GetRandomStr(state_.UnmarkedList));
  }
  view_.ClearInput();
  drill_.Play(Cue::About);
}

bool Lifecycle::SaveBeforeClose(bool userCanAnswer) {
  if (state_.Modified) commands_.SaveCurrentFile(userCanAnswer);
  return !state_.Modified;
}

void Lifecycle::WriteIniFile() {
  const std::string path = SettingsPath();
  const std::string failure = "Unable to write to " + path;
  // A settings file that exists but cannot be read is not overwritten with
  // our three keys alone. The writer refuses a link that someone else
  // planted in a shared folder, as it does for sentence files.
  std::optional<IniFile> settings = IniFile::Load(path);
  if (!settings) throw UserError(failure);
  // A name with a line break would add lines of its own to the file: it is
  // not stored, and the user is told once the rest is written.
  const bool storable =
      state_.CurrentFile.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
  if (storable) settings->Write("Files", "LastOpenFile", ExactValue(state_.CurrentFile));
  settings->Write("Options", "SoundEffect", state_.SoundEffect ? "1" : "0");
  settings->Write("Options", "CaseSensitive", state_.CaseSensitive ? "1" : "0");
  settings->Write("Options", "ShowMistakes", state_.ShowMistakes ? "1" : "0");
  try {
    WriteFileSafely(path, settings->Text());
  } catch (const IoError&) {
    throw UserError(failure);
  }
  if (!storable) {
    throw UserError(path + " cannot remember the name " + state_.CurrentFile +
                    ", which holds a line break; rename the file to have it opened next time");
  }
}

void Lifecycle::FreeLists() {
  drill_.FreeLists();
}

}  // namespace dru
