#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "file_stamp.h"
#include "record_list.h"

namespace dru {

// A sentence file is plain text, one record per non-empty line; a record
// whose first character is the mark is learned. This module turns the
// bytes of a file into lines and back, and knows nothing of the drill.

inline constexpr char kMark = '*';

inline bool IsMarked(std::string_view line) noexcept {
  return !line.empty() && line.front() == kMark;
}

enum class TextEncoding { Windows1252 };

// What a save must reproduce of the file that was read.
struct FileFormat {
  TextEncoding encoding = TextEncoding::Windows1252;
};

// Everything read from one sentence file.
struct SentenceFile {
  RecordList fileLines;     // every line in file order, empty and marked ones too
  RecordList unmarkedList;  // the records without a mark, sharing fileLines' storage
  std::int64_t records = 0;
  std::int64_t marked = 0;
  FileFormat format;
  FileStamp stamp;  // the file as it was read
};

// Reads the whole regular file at path; a FIFO or a device is refused
// without waiting on it. Throws IoError, and then nothing was read.
SentenceFile ReadSentenceFile(const std::string& path);

// Replaces the file at path with lines, each followed by CR LF, so that a
// failure leaves the file as it was. Throws IoError; returns the stamp of
// the file written.
FileStamp WriteSentenceFile(const std::string& path, const RecordList& lines,
                            const FileFormat& format);

}  // namespace dru
