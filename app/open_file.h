#pragma once

#include <string>

#include "core/file/file_stamp.h"
#include "core/file/sentence_file.h"

namespace dru {

// The file the drill starts with when the settings name none.
inline constexpr char kDefaultFile[] = "Default.dat";

// The last part of path, the file's own name: what the user is shown of it.
inline std::string FileName(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

// The sentence file that Save writes and the settings remember.
struct OpenFile {
  // `CurrentFile`: exactly as the user, the settings or the fallback gave
  // it, a relative name included.
  std::string name = kDefaultFile;
  // Where it is: a relative name means the start-up folder, not the
  // working directory of the moment.
  std::string path = kDefaultFile;
  // The file on disk as last read or written, to notice other programs'
  // changes before a save overwrites them.
  FileStamp stamp;
  // How it was written: encoding, byte-order mark, line ends.
  FileFormat format;
};

}  // namespace dru
