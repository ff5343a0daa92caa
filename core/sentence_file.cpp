#include "sentence_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "io_error.h"
#include "safe_file_writer.h"

namespace dru {
namespace {

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

SentenceFile ReadSentenceFile(const std::string& path) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) throw IoError::FromErrno(errno);
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) throw IoError::FromErrno(errno);
  if (S_ISDIR(info.st_mode)) throw IoError::FromErrno(EISDIR);
  if (!S_ISREG(info.st_mode)) throw IoError::NotRegularFile(path);

  SentenceFile result;
  result.stamp = FileStamp::Of(info);
  // A small file needs no large buffers.
  const auto fileSize = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
  const std::size_t chunkSize = std::min(kReadChunk, fileSize + 1);
  RecordArena arena(fileSize);
  auto onLine = [&](std::string_view line) {
    const Record record = arena.Make(line);
    result.fileLines.Add(record);
    if (line.empty()) return;
    ++result.records;
    if (IsMarked(line)) {
      ++result.marked;
    } else {
      result.unmarkedList.Add(record);
    }
  };

  LineSplitter splitter;
  const auto chunk = std::make_unique_for_overwrite<char[]>(chunkSize);
  for (;;) {
    const ssize_t got = read(file.Get(), chunk.get(), chunkSize);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw IoError::FromErrno(errno);
    }
    if (got == 0 || !splitter.Feed(chunk.get(), static_cast<std::size_t>(got), onLine)) break;
  }
  splitter.Finish(onLine);
  return result;
}

FileStamp WriteSentenceFile(const std::string& path, const RecordList& lines, const FileFormat&) {
  constexpr std::string_view kLineEnd = "\r\n";
  std::uint64_t size = 0;
  for (std::size_t i = 0; i < lines.Count(); ++i)
    size += lines.At(i).Size() + kLineEnd.size();
  SafeFileWriter writer(path, size);
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    writer.Write(lines.Get(i));
    writer.Write(kLineEnd);
  }
  return writer.Commit();
}

}  // namespace dru
