#pragma once

#include <string>

#include "app/open_file.h"
#include "core/drill/drill_snapshot.h"

namespace dru {

inline constexpr char kSettingsFileName[] = "dru.ini";

// What dru remembers between runs, as kept in dru.ini.
struct Settings {
  std::string lastOpenFile = kDefaultFile;  // [Files] LastOpenFile
  DrillOptions options;                     // [Options], as 1 or 0
  // [Files] MarksCopy: where a close that nobody could answer put the
  // marks, because another program had changed the file; said once at the
  // next start. Written while set, and emptied after.
  std::string marksCopy;

  // A missing, unreadable or malformed file gives the defaults.
  static Settings Load(const std::string& path);
  // Writes these values into the file at path, keeping every other line.
  // Throws UserError when it cannot, or after writing the rest when the
  // file name holds a line break and cannot be kept.
  void Save(const std::string& path) const;
};

}  // namespace dru
