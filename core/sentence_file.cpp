#include "sentence_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "io_error.h"
#include "safe_file_writer.h"

namespace dru {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfData = '\x1a';
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int Get() const noexcept { return fd_; }

 private:
  int fd_;
};

bool HasByteAbove7F(std::string_view bytes) noexcept {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// UTF-16 and UTF-32 start with a byte-order mark of FF FE or FE FF.
void RefuseWideText(std::string_view data, const std::string& path) {
  const bool littleEndian = data.starts_with("\xFF\xFE");
  if (!littleEndian && !data.starts_with("\xFE\xFF")) return;
  const bool utf32 = littleEndian && data.size() >= 4 && data[2] == '\0' && data[3] == '\0';
  throw IoError::UnreadableText(path, utf32 ? "UTF-32" : "UTF-16");
}

FileFormat DetectFormat(std::string_view data) {
  FileFormat format;
  if (data.starts_with(kUtf8ByteOrderMark)) {
    format.encoding = TextEncoding::Utf8;
    format.byteOrderMark = true;
  } else if (HasByteAbove7F(data) && IsValidUtf8(data)) {
    format.encoding = TextEncoding::Utf8;
  }
  const bool anyCr = std::memchr(data.data(), kCarriageReturn, data.size()) != nullptr;
  const bool anyLf = std::memchr(data.data(), kLineFeed, data.size()) != nullptr;
  if (!anyCr && anyLf) format.lineEnd = LineEnd::Lf;
  return format;
}

// Calls onLine for each line of text. The last line needs no line end, and
// a line end at the very end adds no empty line.
template <typename OnLine>
void SplitLines(std::string_view text, LineEnd lineEnd, OnLine&& onLine) {
  const char separator = lineEnd == LineEnd::Lf ? kLineFeed : kCarriageReturn;
  while (!text.empty()) {
    const auto* end = static_cast<const char*>(std::memchr(text.data(), separator, text.size()));
    if (end == nullptr) {
      onLine(text);
      return;
    }
    const auto length = static_cast<std::size_t>(end - text.data());
    onLine(text.substr(0, length));
    text.remove_prefix(length + 1);
    // In CR files an LF right after the CR belongs to the line end.
    if (separator == kCarriageReturn && !text.empty() && text.front() == kLineFeed) {
      text.remove_prefix(1);
    }
  }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) noexcept {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
    // Eight ASCII bytes at a time: most text is mostly ASCII.
    while (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, sizeof word);
      if ((word & 0x8080808080808080ull) != 0) break;
      p += 8;
    }
    if (p == end) break;
    const unsigned char lead = *p;
    if (lead < 0x80) {
      ++p;
      continue;
    }
    int length;
    unsigned char low = 0x80;   // bounds of the second byte, which rule out
    unsigned char high = 0xBF;  // overlong forms, surrogates and > U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (end - p < length || p[1] < low || p[1] > high) return false;
    for (int i = 2; i < length; ++i) {
      if ((p[i] & 0xC0) != 0x80) return false;
    }
    p += length;
  }
  return true;
}

SentenceFile ReadSentenceFile(const std::string& path) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) throw IoError::FromErrno(errno);
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) throw IoError::FromErrno(errno);
  if (S_ISDIR(info.st_mode)) throw IoError::FromErrno(EISDIR);
  if (!S_ISREG(info.st_mode)) throw IoError::NotRegularFile(path);

  // The whole file goes into one block that its records then share. One
  // byte more than its size lets a single read see the end of the file.
  const auto fileSize = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
  RecordBlock block(fileSize + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == block.Capacity()) block.Grow(block.Capacity() * 2);  // it grew meanwhile
    const ssize_t got = read(file.Get(), block.Data() + used, block.Capacity() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw IoError::FromErrno(errno);
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }

  std::string_view data(block.Data(), used);
  data = data.substr(0, data.find(kEndOfData));  // 0x1A ends the data
  RefuseWideText(data, path);
  SentenceFile result;
  result.stamp = FileStamp::Of(info);
  result.format = DetectFormat(data);
  if (result.format.byteOrderMark) data.remove_prefix(kUtf8ByteOrderMark.size());

  SplitLines(data, result.format.lineEnd, [&](std::string_view line) {
    const Record record = block.Share(line);
    result.fileLines.Add(record);
    if (line.empty()) return;
    ++result.records;
    if (IsMarked(line)) {
      ++result.marked;
    } else {
      result.unmarkedList.Add(record);
    }
  });
  return result;
}

FileStamp WriteSentenceFile(const std::string& path, const RecordList& lines,
                            const FileFormat& format) {
  const std::string_view lineEnd = format.lineEnd == LineEnd::Lf ? "\n" : "\r\n";
  const std::string_view mark = format.byteOrderMark ? kUtf8ByteOrderMark : "";
  std::uint64_t size = mark.size();
  for (std::size_t i = 0; i < lines.Count(); ++i)
    size += lines.At(i).Size() + lineEnd.size();
  SafeFileWriter writer(path, size);
  writer.Write(mark);
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    writer.Write(lines.Get(i));
    writer.Write(lineEnd);
  }
  return writer.Commit();
}

}  // namespace dru
