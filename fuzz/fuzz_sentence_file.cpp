// Any bytes load as a sentence file without harm (or are refused as UTF-16
// or UTF-32 text), and a loaded file saves and loads back to the same lines
// in the same encoding with the same line ends and what followed 0x1A.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/file/io_error.h"
#include "tests/support/fake_view.h"

namespace {

std::string MemoryFile(const char* name, const uint8_t* data, size_t size) {
  const int fd = memfd_create(name, 0);
  if (fd < 0) std::abort();
  if (size > 0 && write(fd, data, size) != static_cast<ssize_t>(size)) std::abort();
  return "/proc/self/fd/" + std::to_string(fd);
}

void CloseMemoryFile(const std::string& path) {
  close(std::stoi(path.substr(14)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = MemoryFile("input", data, size);
  dru::SentenceFile file;
  try {
    file = dru::ReadSentenceFile(input);
  } catch (const dru::IoError&) {
    CloseMemoryFile(input);
    return 0;  // UTF-16 or UTF-32 text, refused
  }
  const auto lines = dru::testing::Entries(file.fileLines);

  // Saving goes through a temporary file in a real folder.
  // tmpfs makes the flush to disk of every save cheap.
  char folder[] = "/dev/shm/dru-fuzz-XXXXXX";
  if (mkdtemp(folder) == nullptr) std::abort();
  const std::string saved = std::string(folder) + "/saved.dat";
  // The same lines, records, encoding and line ends come back.
  dru::WriteSentenceFile(saved, file.fileLines, file.format);
  const dru::SentenceFile reread = dru::ReadSentenceFile(saved);
  const dru::FileFormat& a = reread.format;
  const dru::FileFormat& b = file.format;
  // A last line without a line end gains one, unless 0x1A follows it.
  const bool sameLastEnd = b.endOfData.Empty() || a.lastLineEnded == b.lastLineEnded;
  if (dru::testing::Entries(reread.fileLines) != lines || a.encoding != b.encoding ||
      a.byteOrderMark != b.byteOrderMark || a.lineEnd != b.lineEnd ||
      a.otherLineEnds != b.otherLineEnds || a.endOfData.View() != b.endOfData.View() ||
      !sameLastEnd || reread.records != file.records || reread.marked != file.marked) {
    std::abort();
  }

  // Marks on whatever was read.
  dru::testing::FakeView view;
  dru::testing::FixedClock clock;
  dru::Drill drill(view, clock);
  drill.InstallFile(file);
  clock.SetSeed(static_cast<unsigned>(size * 7919u % 86400000u));
  const std::string target = drill.GetRandomStr(drill.UnmarkedList());
  drill.MarkRecord(target);
  drill.ClearAllMarks();
  unlink(saved.c_str());
  rmdir(folder);
  CloseMemoryFile(input);
  return 0;
}
