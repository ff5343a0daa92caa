#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "file_stamp.h"
#include "record_list.h"
#include "text_encoding.h"

namespace dru {

// A sentence file is plain text, one record per non-empty line; a record
// whose first character is the mark is learned. This module turns the
// bytes of a file into lines and back, and knows nothing of the drill.

inline constexpr char kMark = '*';

inline bool IsMarked(std::string_view line) noexcept {
  return !line.empty() && line.front() == kMark;
}

enum class LineEnd {
  CrLf,  // CR or CR LF ends a line, a bare LF is text; written as CR LF
  Lf,    // LF ends a line (the file holds no CR at all); written as LF
};

// What a save must reproduce of the file that was read, decided once per
// load from the bytes before the first 0x1A:
// - a UTF-8 byte-order mark, or valid UTF-8 with a byte of 0x80 or above,
//   is UTF-8; anything else is Windows-1252 (ASCII reads the same either
//   way);
// - LF line ends where the data holds at least one LF and no CR at all.
struct FileFormat {
  TextEncoding encoding = TextEncoding::Windows1252;
  bool byteOrderMark = false;  // UTF-8 only; not part of the first record
  LineEnd lineEnd = LineEnd::CrLf;

  friend bool operator==(const FileFormat&, const FileFormat&) = default;
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
// without waiting on it, and so is UTF-16 or UTF-32 text. Throws IoError,
// and then nothing was read.
SentenceFile ReadSentenceFile(const std::string& path);

// Replaces the file at path with lines in format: the byte-order mark if
// the file had one, then each line followed by its line end. A failure
// leaves the file as it was. Throws IoError; returns the stamp of the
// file written.
FileStamp WriteSentenceFile(const std::string& path, const RecordList& lines,
                            const FileFormat& format);

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool IsValidUtf8(std::string_view bytes) noexcept;

}  // namespace dru
