#pragma once

#include <string>

#include "app/commands.h"
#include "app/settings.h"
#include "core/drill/drill.h"

namespace dru {

// Start-up after the single-instance check, and the closing sequence: the
// settings file, the last sentence file and the first target.
class Lifecycle {
 public:
  Lifecycle(Drill& drill, Commands& commands) : drill_(drill), commands_(commands) {}

  // Reads the settings in the working directory and shows their options,
  // and the name of the file that StartUp will read, before the window is
  // first drawn. StartUp does it when it was not done.
  void ReadSettings(const std::string& file = {});
  // Opens file (a name from the command line), or else the last file, and
  // picks the first target.
  // A file named that cannot be opened is passed over: its error is
  // returned, and the last file opened instead. Any other load error ends
  // it early, as a thrown error. With no file at all, the status line
  // says where sentence files come from: examplesFolder.
  std::string StartUp(const std::string& file = {}, const std::string& examplesFolder = {});

  // The closing sequence, step by step. A failed or declined save keeps the
  // window open (false); a failed settings write is shown, and the program
  // ends anyway. userCanAnswer is false for a close that a signal or the
  // end of the session asked for.
  bool SaveBeforeClose(bool userCanAnswer);
  void WriteIniFile();
  void FreeLists() { drill_.FreeLists(); }

  std::string SettingsPath() const { return commands_.StartDir() + kSettingsFileName; }

 private:
  Drill& drill_;
  Commands& commands_;
  Settings settings_;
  bool settingsRead_ = false;
};

}  // namespace dru
