#include "sentence_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "io_error.h"
#include "safe_file_writer.h"

namespace dru {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfData = '\x1a';
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kReadChunk = 1 << 20;

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

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

bool HasByteAbove7F(std::string_view bytes) noexcept {
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {  // eight bytes at a time
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    if ((word & kHighBits) != 0) return true;
  }
  for (; i < bytes.size(); ++i) {
    if (static_cast<unsigned char>(bytes[i]) >= 0x80) return true;
  }
  return false;
}

// UTF-16 and UTF-32 start with a byte-order mark of FF FE or FE FF.
void RefuseWideText(std::string_view data, const std::string& path) {
  const bool littleEndian = data.starts_with("\xFF\xFE");
  if (!littleEndian && !data.starts_with("\xFE\xFF")) return;
  const bool utf32 = littleEndian && data.size() >= 4 && data[2] == '\0' && data[3] == '\0';
  throw IoError::UnreadableText(path, utf32 ? "UTF-32" : "UTF-16");
}

// Where the lines of a file end, found chunk by chunk while the file is
// read, so that each byte is looked at while it is still in the cache.
class LineEndFinder {
 public:
  // Looks at the bytes [from, to) of data; false once 0x1A ended the data.
  bool Scan(const char* data, std::size_t from, std::size_t to) {
    if (const void* stop = std::memchr(data + from, kEndOfData, to - from)) {
      to = static_cast<std::size_t>(static_cast<const char*>(stop) - data);
      end_ = to;
    }
    anyHighByte_ = anyHighByte_ || HasByteAbove7F({data + from, to - from});
    Collect(data, from, to, kCarriageReturn, carriageReturns_);
    // LF ends lines only in a file without any CR, so LFs count only so far.
    if (carriageReturns_.empty()) {
      Collect(data, from, to, kLineFeed, lineFeeds_);
    } else {
      lineFeeds_.clear();
    }
    return end_ == std::string_view::npos;
  }

  std::size_t EndOfData(std::size_t size) const noexcept { return std::min(end_, size); }
  bool AnyHighByte() const noexcept { return anyHighByte_; }
  LineEnd Kind() const noexcept {
    return carriageReturns_.empty() && !lineFeeds_.empty() ? LineEnd::Lf : LineEnd::CrLf;
  }
  const std::vector<std::size_t>& Ends() const noexcept {
    return Kind() == LineEnd::Lf ? lineFeeds_ : carriageReturns_;
  }

 private:
  static void Collect(const char* data, std::size_t from, std::size_t to, char byte,
                      std::vector<std::size_t>& positions) {
    const char* p = data + from;
    const char* const stop = data + to;
    while (const auto* hit = static_cast<const char*>(std::memchr(p, byte, stop - p))) {
      positions.push_back(static_cast<std::size_t>(hit - data));
      p = hit + 1;
    }
  }

  std::vector<std::size_t> carriageReturns_;
  std::vector<std::size_t> lineFeeds_;
  std::size_t end_ = std::string_view::npos;
  bool anyHighByte_ = false;
};

}  // namespace

bool IsValidUtf8(std::string_view bytes) noexcept {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
    // Eight ASCII bytes at a time: most text is mostly ASCII.
    while (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, sizeof word);
      if ((word & kHighBits) != 0) break;
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
  // byte more than its size lets the last read see the end of the file.
  const auto fileSize = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
  RecordBlock block(fileSize + 1);
  LineEndFinder finder;
  std::size_t used = 0;
  for (;;) {
    if (used == block.Capacity()) block.Grow(block.Capacity() * 2);  // it grew meanwhile
    const std::size_t want = std::min(kReadChunk, block.Capacity() - used);
    const ssize_t got = read(file.Get(), block.Data() + used, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw IoError::FromErrno(errno);
    }
    if (got == 0) break;
    const bool more = finder.Scan(block.Data(), used, used + static_cast<std::size_t>(got));
    used += static_cast<std::size_t>(got);
    if (!more) break;  // what follows 0x1A is never needed
  }

  std::string_view data(block.Data(), finder.EndOfData(used));
  RefuseWideText(data, path);
  SentenceFile result;
  result.stamp = FileStamp::Of(info);
  FileFormat& format = result.format;
  if (data.starts_with(kUtf8ByteOrderMark)) {
    format.encoding = TextEncoding::Utf8;
    format.byteOrderMark = true;
  } else if (finder.AnyHighByte() && IsValidUtf8(data)) {
    format.encoding = TextEncoding::Utf8;
  }
  format.lineEnd = finder.Kind();

  const std::vector<std::size_t>& ends = finder.Ends();
  result.fileLines.Reserve(ends.size() + 1);
  result.unmarkedList.Reserve(ends.size() + 1);
  auto addLine = [&](std::size_t from, std::size_t to) {
    const std::string_view line = data.substr(from, to - from);
    const Record record = block.Share(line);
    result.fileLines.Add(record);
    if (line.empty()) return;
    ++result.records;
    if (IsMarked(line)) {
      ++result.marked;
    } else {
      result.unmarkedList.Add(record);
    }
  };
  // The last line needs no line end, and a line end at the very end adds
  // no empty line. In CR files an LF right after a CR belongs to it.
  std::size_t start = format.byteOrderMark ? kUtf8ByteOrderMark.size() : 0;
  for (const std::size_t end : ends) {
    addLine(start, end);
    start = end + 1;
    if (format.lineEnd == LineEnd::CrLf && start < data.size() && data[start] == kLineFeed) {
      ++start;
    }
  }
  if (start < data.size()) addLine(start, data.size());
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
