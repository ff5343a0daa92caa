#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/file_stamp.h"
#include "core/file/record_list.h"
#include "core/text/text_encoding.h"

namespace dru {

// A sentence file is plain text, one record per non-empty line; a record
// whose first character is the mark is learned. This module turns the
// bytes of a file into lines and back, and knows nothing of the drill.

inline constexpr char kMark = '*';

inline bool IsMarked(std::string_view line) noexcept {
  return !line.empty() && line.front() == kMark;
}

// A record still to be learned: a non-empty line without the mark.
inline bool IsPooled(std::string_view line) noexcept {
  return !line.empty() && !IsMarked(line);
}

enum class LineEnd {
  CrLf,  // written as CR LF; a lone CR is read as this kind too
  Lf,    // written as LF
};

// What a save must reproduce of the file that was read, decided once per
// load:
// - a UTF-8 byte-order mark, or valid UTF-8 with a byte of 0x80 or above
//   before the first 0x1A, is UTF-8; anything else is Windows-1252 (ASCII
//   reads the same either way);
// - CR LF, a lone CR and a lone LF each end a line; each line is written
//   back with the kind it had, and the kind most lines had is the file's
//   main one, which a last line without a line end gains;
// - 0x1A ends the data, and it and every byte after it are written back
//   unchanged after the lines.
struct FileFormat {
  TextEncoding encoding = TextEncoding::Windows1252;
  bool byteOrderMark = false;  // UTF-8 only; not part of the first record
  LineEnd lineEnd = LineEnd::CrLf;
  // The lines, in order, that end with the other kind than lineEnd.
  std::vector<std::size_t> otherLineEnds;
  // 0x1A and what follows it; empty when the file holds no 0x1A.
  Record endOfData;
  // Before endOfData, the last line may have had no line end of its own.
  bool lastLineEnded = true;
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
// the file had one, each line followed by its line end, then what followed
// 0x1A. A failure leaves the file as it was. Throws IoError; returns the
// stamp of the file written.
FileStamp WriteSentenceFile(const std::string& path, const RecordList& lines,
                            const FileFormat& format);

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool IsValidUtf8(std::string_view bytes) noexcept;

}  // namespace dru
