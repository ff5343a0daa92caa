// Reading a file to bring in, and naming the file it becomes.
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/file/io_error.h"
#include "core/file/read_only_file.h"
#include "core/import/text_import.h"
#include "core/text/text_encoding.h"
#include "core/text/translation.h"

namespace dru {

std::string ReadImportSource(const std::string& path) {
  // Read-only: the source is never changed.
  const ReadOnlyFile file(path);
  const int fd = file.Descriptor();
  const struct stat& info = file.Info();
  const auto tooLarge = [] {
    return UserError(Args(Tr("Import", "This file is too large to bring in: the limit is %1 MB."),
                          {std::to_string(kImportLimitBytes >> 20)}));
  };
  if (static_cast<std::uint64_t>(info.st_size) > kImportLimitBytes) throw tooLarge();
  std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) {
      // It grew since it was measured.
      if (bytes.size() > kImportLimitBytes) throw tooLarge();
      bytes.resize(bytes.size() * 2);
    }
    const ssize_t got = read(fd, bytes.data() + used, bytes.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw IoError::FromErrno(errno);
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  bytes.resize(used);
  return bytes;
}

std::string SuggestedFileName(std::string_view firstLine) {
  firstLine = firstLine.substr(0, firstLine.find('\t'));
  constexpr std::size_t kWords = 5;
  constexpr std::size_t kLongest = 40;  // bytes
  // Only what a name holds on any file system: no slash, no quotes, no
  // wild cards, no control characters.
  const auto kept = [](char c) {
    return static_cast<unsigned char>(c) >= 0x80 ||
           (c > ' ' && std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos);
  };
  std::string name;
  std::size_t words = 0;
  for (std::size_t at = 0; words < kWords && at < firstLine.size();) {
    const std::size_t start = firstLine.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(firstLine.find(' ', start), firstLine.size());
    std::string word;
    for (const char c : firstLine.substr(start, end - start)) {
      if (kept(c)) word += c;
    }
    at = end;
    if (word.empty()) continue;
    if (!name.empty()) name += ' ';
    name += word;
    ++words;
  }
  if (name.size() > kLongest) {
    std::size_t cut = kLongest;
    while (cut > 0 && IsContinuationByte(name[cut]))
      --cut;
    name.resize(cut);
  }
  // No dot to begin it (a hidden file) or to end it before ".txt".
  while (!name.empty() && (name.back() == '.' || name.back() == ' ' || name.back() == ','))
    name.pop_back();
  while (!name.empty() && name.front() == '.')
    name.erase(0, 1);
  return (name.empty() ? std::string("Text") : name) + ".txt";
}

}  // namespace dru
