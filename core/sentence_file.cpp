// Reading and writing sentence files, and the marks in them.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "drill.h"
#include "io_error.h"
#include "safe_file_writer.h"

namespace dru {
namespace {

constexpr char kMark = '*';
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfData = '\x1a';
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

// Splits the bytes of a sentence file into lines: CR ends a line, an LF
// right after it belongs to the line end, 0x1A ends the data.
class LineSplitter {
 public:
  template <typename OnLine>
  // Feeds one chunk; returns false once the end-of-data byte was seen.
  bool Feed(const char* data, std::size_t size, OnLine&& onLine) {
    if (const void* sub = std::memchr(data, kEndOfData, size)) {
      size = static_cast<std::size_t>(static_cast<const char*>(sub) - data);
      ended_ = true;
    }
    const char* const end = data + size;
    while (data < end) {
      if (skipLineFeed_) {
        skipLineFeed_ = false;
        if (*data == kLineFeed) {
          ++data;
          continue;
        }
      }
      const auto* cr = static_cast<const char*>(std::memchr(data, kCarriageReturn, end - data));
      if (cr == nullptr) {
        partial_.append(data, end);
        break;
      }
      if (partial_.empty()) {
        onLine(std::string_view(data, cr - data));
      } else {
        partial_.append(data, cr);
        onLine(std::string_view(partial_));
        partial_.clear();
      }
      data = cr + 1;
      skipLineFeed_ = true;
    }
    return !ended_;
  }

  // The last line needs no line end; a line end at the very end adds nothing.
  template <typename OnLine>
  void Finish(OnLine&& onLine) {
    if (!partial_.empty()) onLine(std::string_view(partial_));
    partial_.clear();
  }

 private:
  std::string partial_;
  bool skipLineFeed_ = false;
  bool ended_ = false;
};

}  // namespace

std::string InfoLine(std::int64_t records, std::int64_t marked) {
  return "There are " + std::to_string(records) + " records in the file, " +
         std::to_string(marked) + " marked ready ...";
}

void Drill::LoadFileToList(const std::string& path) {
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) throw IoError::FromErrno(errno);
  // A folder opens like a file but cannot be read; refuse it before the
  // lists are touched.
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) throw IoError::FromErrno(errno);
  if (S_ISDIR(info.st_mode)) throw IoError::FromErrno(EISDIR);

  state_.UnmarkedList.Clear();
  state_.FileLines.Clear();
  std::int64_t records = 0;
  std::int64_t marked = 0;
  // A small file needs no large buffers.
  const auto fileSize = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
  const std::size_t chunkSize = std::min(kReadChunk, fileSize + 1);
  RecordArena arena(fileSize);
  auto onLine = [&](std::string_view line) {
    const Record record = arena.Make(line);
    state_.FileLines.Add(record);
    if (line.empty()) return;
    ++records;
    if (line.front() == kMark) {
      ++marked;
    } else {
      state_.UnmarkedList.Add(record);
    }
  };

  LineSplitter splitter;
  const auto chunk = std::make_unique_for_overwrite<char[]>(chunkSize);
  for (;;) {
    const ssize_t got = read(file.Get(), chunk.get(), chunkSize);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw IoError::FromErrno(errno);  // the lines read so far stay
    }
    if (got == 0 || !splitter.Feed(chunk.get(), static_cast<std::size_t>(got), onLine)) break;
  }
  splitter.Finish(onLine);

  if (records == 0 && view_.ShowMessage(MessageKind::Information, kEmptyFileText) == Answer::Ok) {
    view_.RunCloseCommand();
    return;
  }
  state_.RecordCount = static_cast<std::int32_t>(records);
  view_.SetInfoText(InfoLine(records, marked));
  state_.Modified = false;
  state_.NoFileOpen = false;
}

void Drill::SaveListToFile(const std::string& path) const {
  SafeFileWriter writer(path);
  const RecordList& lines = state_.FileLines;
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    writer.Write(lines.Get(i));
    writer.Write("\r\n");
  }
  writer.Commit();
}

void Drill::ClearAllMarks() {
  RecordList& lines = state_.FileLines;
  state_.UnmarkedList.Clear();
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    const std::string_view line = lines.Get(i);
    if (!line.empty() && line.front() == kMark) lines.Put(i, line.substr(1));
    if (!lines.At(i).Empty()) state_.UnmarkedList.Add(lines.At(i));
  }
  const auto records = static_cast<std::int64_t>(state_.UnmarkedList.Count());
  view_.SetInfoText(InfoLine(records, 0));
  state_.RecordCount = static_cast<std::int32_t>(records);
  state_.Modified = true;
}

void Drill::MarkRecord(std::string_view target) {
  const std::ptrdiff_t line = state_.FileLines.IndexOf(target);
  const std::ptrdiff_t pooled = state_.UnmarkedList.IndexOf(target);
  if (pooled < 0 || line < 0) return;
  const auto index = static_cast<std::size_t>(line);
  std::string markedLine;
  markedLine.reserve(state_.FileLines.At(index).Size() + 1);
  markedLine += kMark;
  markedLine += state_.FileLines.Get(index);
  state_.FileLines.Put(index, markedLine);
  state_.UnmarkedList.Delete(static_cast<std::size_t>(pooled));
}

}  // namespace dru
