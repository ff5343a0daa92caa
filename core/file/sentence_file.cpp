#include "core/file/sentence_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "core/file/io_error.h"
#include "core/file/read_only_file.h"
#include "core/file/safe_file_writer.h"

namespace dru {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfData = '\x1a';
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kReadChunk = 1 << 20;

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

// Text in two or four bytes a character is told by its NUL bytes: Latin
// letters, digits, blanks and line ends have a high byte of 0 in UTF-16,
// next to the character's own byte (after it in little-endian order,
// before it in big-endian), and UTF-32 is mostly NULs. A byte-order mark
// alone decides nothing, since "ÿþ" may well begin a Windows-1252 line;
// with one, a few NULs in the right places are enough.
//
// The test counts bytes and neighbours, not positions, so that a file dru
// reads is still read after a save has changed its line ends.
bool IsTextByte(char byte) {
  return byte == '\t' || byte == '\n' || byte == '\r' || (byte >= 0x20 && byte < 0x7F);
}

std::optional<std::string_view> WideTextKind(std::string_view data, bool byteOrderMark) {
  std::size_t nulls = 0;
  std::size_t afterText = 0;   // little-endian: the character's byte, then 0
  std::size_t beforeText = 0;  // big-endian: 0, then the character's byte
  std::size_t inRuns = 0;      // next to another NUL, as in UTF-32
  for (const char* p = data.data(); const void* hit = std::memchr(p, '\0', data.end() - p);) {
    const char* nul = static_cast<const char*>(hit);
    const bool first = nul == data.data();
    const bool last = nul + 1 == data.end();
    ++nulls;
    afterText += first || IsTextByte(nul[-1]);
    beforeText += last || IsTextByte(nul[1]);
    inRuns += (!first && nul[-1] == '\0') || (!last && nul[1] == '\0');
    p = nul + 1;
  }
  if (nulls > 0 && nulls * 3 >= data.size() && inRuns * 4 >= nulls * 3) return "UTF-32";
  const bool enough = byteOrderMark ? nulls >= 1 : (nulls >= 2 && nulls * 32 >= data.size());
  const bool paired = std::max(afterText, beforeText) * 4 >= nulls * 3;
  if (enough && paired) return "UTF-16";
  return std::nullopt;
}

void RefuseWideText(std::string_view data, const std::string& path) {
  if (data.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
      data.starts_with(std::string_view("\0\0\xFE\xFF", 4))) {
    throw IoError::UnreadableText(path, "UTF-32");
  }
  const bool mark = data.starts_with("\xFF\xFE") || data.starts_with("\xFE\xFF");
  if (const auto kind = WideTextKind(data.substr(mark ? 2 : 0), mark)) {
    throw IoError::UnreadableText(path, std::string(*kind));
  }
}

// Offsets into a file, four bytes each while they fit: a million line ends
// of a 100 MB file take 4 MB, not 8, at the moment memory peaks.
class Positions {
 public:
  std::size_t size() const noexcept { return wide_.empty() ? narrow_.size() : wide_.size(); }
  std::size_t operator[](std::size_t i) const noexcept {
    return wide_.empty() ? narrow_[i] : wide_[i];
  }
  void push_back(std::size_t position) {
    if (wide_.empty() && position <= UINT32_MAX) {
      narrow_.push_back(static_cast<std::uint32_t>(position));
      return;
    }
    if (wide_.empty()) {
      wide_.assign(narrow_.begin(), narrow_.end());
      narrow_ = {};
    }
    wide_.push_back(position);
  }
  void reserve(std::size_t count) {
    if (wide_.empty()) narrow_.reserve(count);
  }

 private:
  std::vector<std::uint32_t> narrow_;
  std::vector<std::size_t> wide_;  // once one offset is past 4 GiB
};

// Where the lines of a file end, found chunk by chunk while the file is
// read, so that each byte is looked at while it is still in the cache:
// every CR, and every LF that does not follow a CR.
class LineEndFinder {
 public:
  // Looks at the bytes [from, to) of data, whose bytes before from were
  // looked at already; nothing after 0x1A counts.
  void Scan(const char* data, std::size_t from, std::size_t to) {
    if (end_ != std::string_view::npos) return;
    if (const void* stop = std::memchr(data + from, kEndOfData, to - from)) {
      to = static_cast<std::size_t>(static_cast<const char*>(stop) - data);
      end_ = to;
    }
    anyHighByte_ = anyHighByte_ || HasByteAbove7F({data + from, to - from});
    Collect(data, from, to, kCarriageReturn, carriageReturns_, [](const char*) { return true; });
    Collect(data, from, to, kLineFeed, loneLineFeeds_,
            [data](const char* hit) { return hit == data || hit[-1] != kCarriageReturn; });
  }

  // After the first bytes of a large file: room for as many line ends in
  // the whole of it, and a little more, so that the lists do not grow by
  // doubling, with old and new copies in memory at once.
  void Expect(std::size_t scanned, std::size_t total) {
    if (scanned == 0 || total <= scanned) return;
    const double scale = static_cast<double>(total) / static_cast<double>(scanned) * 1.05;
    carriageReturns_.reserve(
        static_cast<std::size_t>(static_cast<double>(carriageReturns_.size()) * scale) + 16);
    loneLineFeeds_.reserve(
        static_cast<std::size_t>(static_cast<double>(loneLineFeeds_.size()) * scale) + 16);
  }

  std::size_t EndOfData(std::size_t size) const noexcept { return std::min(end_, size); }
  bool AnyHighByte() const noexcept { return anyHighByte_; }
  // The kind most lines end with; CR LF where as many end with either.
  LineEnd MainKind() const noexcept {
    return loneLineFeeds_.size() > carriageReturns_.size() ? LineEnd::Lf : LineEnd::CrLf;
  }
  const Positions& CarriageReturns() const noexcept { return carriageReturns_; }
  const Positions& LoneLineFeeds() const noexcept { return loneLineFeeds_; }

 private:
  // Adds where byte occurs in [from, to) to positions, where keep agrees.
  template <typename Keep>
  static void Collect(const char* data, std::size_t from, std::size_t to, char byte,
                      Positions& positions, Keep keep) {
    const char* p = data + from;
    const char* const stop = data + to;
    while (const auto* hit = static_cast<const char*>(std::memchr(p, byte, stop - p))) {
      if (keep(hit)) positions.push_back(static_cast<std::size_t>(hit - data));
      p = hit + 1;
    }
  }

  Positions carriageReturns_;
  Positions loneLineFeeds_;
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
      if (!IsContinuationByte(static_cast<char>(p[i]))) return false;
    }
    p += length;
  }
  return true;
}

namespace {

// Reads the open file into block, finding its line ends on the way; the
// bytes read.
std::size_t ReadInto(int fd, RecordBlock& block, LineEndFinder& finder, std::size_t fileSize) {
  std::size_t used = 0;
  for (;;) {
    if (used == block.Capacity()) block.Grow(block.Capacity() * 2);  // it grew meanwhile
    const std::size_t want = std::min(kReadChunk, block.Capacity() - used);
    const ssize_t got = read(fd, block.Data() + used, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw IoError::FromErrno(errno);
    }
    if (got == 0) break;
    // After 0x1A the bytes are only kept, to be written back as they are.
    finder.Scan(block.Data(), used, used + static_cast<std::size_t>(got));
    if (used == 0) finder.Expect(static_cast<std::size_t>(got), fileSize);
    used += static_cast<std::size_t>(got);
  }
  return used;
}

// The lines of data, records shared from block, into result: the line ends
// in file order, merged from both lists. An LF right after a CR belongs to
// it. The last line needs no line end, and a line end at the very end adds
// no empty line.
void AddLines(std::string_view data, RecordBlock& block, const LineEndFinder& finder,
              SentenceFile& result) {
  FileFormat& format = result.format;
  const Positions& returns = finder.CarriageReturns();
  const Positions& feeds = finder.LoneLineFeeds();
  result.fileLines.Reserve(returns.size() + feeds.size() + 1);
  result.unmarkedList.Reserve(returns.size() + feeds.size() + 1);
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
  std::size_t start = format.byteOrderMark ? kUtf8ByteOrderMark.size() : 0;
  std::size_t r = 0;
  std::size_t f = 0;
  while (r < returns.size() || f < feeds.size()) {
    const bool lineFeed = r == returns.size() || (f < feeds.size() && feeds[f] < returns[r]);
    const std::size_t end = lineFeed ? feeds[f++] : returns[r++];
    if ((lineFeed ? LineEnd::Lf : LineEnd::CrLf) != format.lineEnd) {
      format.otherLineEnds.push_back(result.fileLines.Count());
    }
    addLine(start, end);
    start = end + 1;
    if (!lineFeed && start < data.size() && data[start] == kLineFeed) ++start;
  }
  if (start < data.size()) {
    addLine(start, data.size());
    format.lastLineEnded = false;
  }
}

}  // namespace

SentenceFile ReadSentenceFile(const std::string& path) {
  const ReadOnlyFile file(path);
  const struct stat& info = file.Info();

  // The whole file goes into one block that its records then share. One
  // byte more than its size lets the last read see the end of the file.
  const auto fileSize = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
  RecordBlock block(fileSize + 1);
  LineEndFinder finder;
  const std::size_t used = ReadInto(file.Descriptor(), block, finder, fileSize);

  const std::string_view whole(block.Data(), used);
  const std::string_view data = whole.substr(0, finder.EndOfData(used));
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
  format.lineEnd = finder.MainKind();
  if (data.size() < whole.size()) format.endOfData = block.Share(whole.substr(data.size()));
  AddLines(data, block, finder, result);
  return result;
}

FileStamp WriteSentenceFile(const std::string& path, const RecordList& lines,
                            const FileFormat& format) {
  const std::string_view mainEnd = format.lineEnd == LineEnd::Lf ? "\n" : "\r\n";
  const std::string_view otherEnd = format.lineEnd == LineEnd::Lf ? "\r\n" : "\n";
  const std::string_view mark = format.byteOrderMark ? kUtf8ByteOrderMark : "";
  const std::vector<std::size_t>& others = format.otherLineEnds;
  // Only a line that 0x1A followed directly stays without a line end; a
  // last line of the file gains one.
  const bool lastUnended = !format.lastLineEnded && !format.endOfData.Empty();
  auto endOf = [&](std::size_t line, std::size_t& other) -> std::string_view {
    if (lastUnended && line + 1 == lines.Count()) return {};
    if (other < others.size() && others[other] == line) {
      ++other;
      return otherEnd;
    }
    return mainEnd;
  };

  std::uint64_t size = mark.size() + format.endOfData.Size();
  std::size_t other = 0;
  for (std::size_t i = 0; i < lines.Count(); ++i)
    size += lines.At(i).Size() + endOf(i, other).size();
  SafeFileWriter writer(path, size);
  writer.Write(mark);
  other = 0;
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    writer.Write(lines.Get(i));
    writer.Write(endOf(i, other));
  }
  writer.Write(format.endOfData.View());
  return writer.Commit();
}

}  // namespace dru
