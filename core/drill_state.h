#pragma once

#include <cstdint>
#include <string>

#include "file_stamp.h"
#include "record_list.h"
#include "sentence_file.h"

namespace dru {

// The file the drill starts with when the settings name none.
inline constexpr char kDefaultFile[] = "Default.dat";

// Everything the drill remembers. The current target has no field: it is
// the text of the target display, read back from the view when needed.
struct DrillState {
  bool Modified = false;      // the lists differ from the file on disk
  bool SoundEffect = true;    // cues are played
  bool CaseSensitive = true;  // typed text must match letter case too
  bool ShowMistakes = true;   // a wrong Enter shows what was wrong
  std::string CurrentFile = kDefaultFile;
  // CurrentFile on disk as last read or written, to notice other programs'
  // changes before a save overwrites them.
  FileStamp CurrentFileStamp;
  // How the open file was written: encoding, byte-order mark, line ends.
  FileFormat Format;
  RecordList UnmarkedList;  // the pool of candidate records
  RecordList FileLines;     // every line of the file, in file order
  std::string PreviousStr;
  std::int32_t Hours = 0;
  std::int32_t Minutes = 0;
  std::int32_t Seconds = 0;
  std::int32_t TypingSeconds = 0;
  std::int32_t RecordCount = 0;
  // The best speed since start-up, in keys per minute; the bar stops at
  // 600, this does not.
  std::int64_t BestSpeed = 0;
  std::string StartDir;
  bool NoPrevious = true;  // restoring the previous record is blocked
  bool NoFileOpen = true;
};

}  // namespace dru
