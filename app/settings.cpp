// dru.ini: each key of the settings named once, for reading and writing.
#include "app/settings.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>

#include "app/ini_file.h"
#include "core/file/io_error.h"
#include "core/file/safe_file_writer.h"
#include "core/text/translation.h"

namespace dru {
namespace {

struct Key {
  const char* section;
  const char* name;
};

constexpr Key kLastOpenFile{"Files", "LastOpenFile"};
constexpr Key kMarksCopy{"Files", "MarksCopy"};
// 0 to 4, as Options › Recall lists them; written once it is not 0.
constexpr Key kRecall{"Options", "Recall"};
// 0 to 2, as Options › Order lists them; written once it is not 0. It
// takes the place of the flag an earlier dru kept for review order, which
// is read while it is missing.
constexpr Key kOrder{"Options", "Order"};
constexpr Key kReviewDue{"Options", "ReviewDue"};
// Any name that can be opened comes back whole, also past the 2047
// characters of other values.
constexpr std::size_t kMaxNameLength = PATH_MAX;

// The options in the order they are written. The newer ones are written
// once switched on, so that a settings file of someone who never uses
// them keeps its three keys.
struct OptionKey {
  Key key;
  bool DrillOptions::*value;
  bool writtenWhenOff = true;
};
constexpr OptionKey kOptionKeys[] = {
    {{"Options", "SoundEffect"}, &DrillOptions::soundEffect},
    {{"Options", "CaseSensitive"}, &DrillOptions::caseSensitive},
    {{"Options", "ShowMistakes"}, &DrillOptions::showMistakes},
    {{"Options", "MarkWhileTyping"}, &DrillOptions::markWhileTyping, false},
    {{"Options", "SpeakAfterEnter"}, &DrillOptions::speakAfterEnter, false},
};

// A choice stored as its place in a menu's list, 0 to count - 1; none when
// missing or anything else.
std::optional<int> ReadChoice(const IniFile& file, const Key& key, int count) {
  const std::optional<std::string> stored = file.Read(key.section, key.name);
  if (!stored) return std::nullopt;
  std::string_view text = *stored;
  text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
  text.remove_suffix(text.size() - std::min(text.find_last_not_of(" \t") + 1, text.size()));
  int value = -1;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || stop != text.data() + text.size() || value < 0 || value >= count) {
    return std::nullopt;
  }
  return value;
}

// Written once it is not the first, or once the key is there (or must
// replace an earlier one).
void WriteChoice(IniFile& file, const Key& key, int value, bool replacing = false) {
  if (value != 0 || replacing || file.Read(key.section, key.name)) {
    file.Write(key.section, key.name, std::string(1, static_cast<char>('0' + value)));
  }
}

}  // namespace

Settings Settings::Load(const std::string& path) {
  const IniFile file = IniFile::Load(path).value_or(IniFile());
  Settings settings;
  settings.lastOpenFile =
      file.Read(kLastOpenFile.section, kLastOpenFile.name, kMaxNameLength).value_or(kDefaultFile);
  settings.marksCopy =
      file.Read(kMarksCopy.section, kMarksCopy.name, kMaxNameLength).value_or(std::string());
  for (const OptionKey& option : kOptionKeys) {
    settings.options.*option.value =
        ReadFlag(file.Read(option.key.section, option.key.name), settings.options.*option.value);
  }
  // Anything but a number from 0 to 4 leaves the whole sentence shown.
  if (const std::optional<int> recall = ReadChoice(file, kRecall, kRecallOptions)) {
    settings.options.recall = static_cast<RecallOption>(*recall);
  }
  if (const std::optional<int> order = ReadChoice(file, kOrder, kSentenceOrders)) {
    settings.options.order = static_cast<SentenceOrder>(*order);
  } else if (!file.Read(kOrder.section, kOrder.name) &&
             ReadFlag(file.Read(kReviewDue.section, kReviewDue.name), false)) {
    settings.options.order = SentenceOrder::ReviewDue;
  }
  return settings;
}

void Settings::Save(const std::string& path) const {
  const std::string failure = Args(Tr("Settings", "Unable to write to %1"), {path});
  // A settings file that exists but cannot be read is not overwritten with
  // our keys alone. The writer refuses a link that someone else planted in
  // a shared folder, as it does for sentence files.
  std::optional<IniFile> file = IniFile::Load(path);
  if (!file) throw UserError(failure);
  // A name with a line break would add lines of its own to the file: it is
  // not stored, and the user is told once the rest is written.
  const bool storable =
      lastOpenFile.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
  if (storable) file->Write(kLastOpenFile.section, kLastOpenFile.name, ExactValue(lastOpenFile));
  // The copy is named from the sentence file's name: storable with it.
  if (storable && (!marksCopy.empty() || file->Read(kMarksCopy.section, kMarksCopy.name))) {
    file->Write(kMarksCopy.section, kMarksCopy.name, ExactValue(marksCopy));
  }
  for (const OptionKey& option : kOptionKeys) {
    const bool on = options.*option.value;
    if (!on && !option.writtenWhenOff && !file->Read(option.key.section, option.key.name)) {
      continue;
    }
    file->Write(option.key.section, option.key.name, on ? "1" : "0");
  }
  WriteChoice(*file, kRecall, static_cast<int>(options.recall));
  const bool earlierOrder = file->Read(kReviewDue.section, kReviewDue.name).has_value();
  WriteChoice(*file, kOrder, static_cast<int>(options.order), earlierOrder);
  file->Remove(kReviewDue.section, kReviewDue.name);
  try {
    WriteFileSafely(path, file->Text());
  } catch (const IoError&) {
    throw UserError(failure);
  }
  if (!storable) {
    throw UserError(Args(Tr("Settings",
                            "%1 cannot remember the name %2, which holds a line break; "
                            "rename the file to have it opened next time"),
                         {path, lastOpenFile}));
  }
}

}  // namespace dru
