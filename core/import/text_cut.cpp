#include "core/import/text_cut.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "core/import/sentence_breaks.h"

namespace dru {
namespace {

constexpr std::size_t kSmallestPart = 4 << 20;

// Adds how far a part has come to the whole text's count.
class PartProgress {
 public:
  explicit PartProgress(ImportProgress& progress) : progress_(progress) {}
  void At(std::size_t at) {
    progress_.done.fetch_add(at - reported_, std::memory_order_relaxed);
    reported_ = at;
  }
  bool Cancelled() const { return progress_.cancelled.load(std::memory_order_relaxed); }

 private:
  ImportProgress& progress_;
  std::size_t reported_ = 0;
};

void CutLines(std::string_view text, LineBuilder& lines, PartProgress& progress) {
  for (std::size_t at = 0; at < text.size() && !progress.Cancelled();) {
    const std::string_view line = NextLine(text, at);
    const std::size_t tab = line.find('\t');
    lines.Append(line.substr(0, tab));
    if (tab != std::string_view::npos) {
      lines.StartPrompt();
      lines.Append(line.substr(tab + 1));
    }
    lines.EndLine();
    progress.At(at);
  }
}

void CutSentences(std::string_view text, const std::string& language, LineBuilder& lines,
                  PartProgress& progress) {
  SentenceBreaks breaks(language);
  std::string paragraph;
  const auto addSentence = [&](std::string_view sentence) {
    lines.Append(sentence);
    lines.EndLine();
    return !progress.Cancelled();
  };
  for (std::size_t at = 0; at < text.size() && !progress.Cancelled();) {
    paragraph.clear();
    while (at < text.size()) {
      const std::string_view line = NextLine(text, at);
      if (IsBlank(line)) break;
      if (!paragraph.empty()) paragraph += ' ';
      paragraph += line;
    }
    if (!paragraph.empty()) breaks.Cut(paragraph, addSentence);
    progress.At(at);
  }
}

// Where a part that should end near at may end: after the next blank
// line (by sentence) or line end; the text's size when there is none.
std::size_t PartEnd(std::string_view text, std::size_t at, CutMode cut) {
  NextLine(text, at);  // the rest of the line at is in
  if (cut == CutMode::Lines) return at;
  while (at < text.size() && !IsBlank(NextLine(text, at))) {
  }
  return at;
}

}  // namespace

std::string_view NextLine(std::string_view text, std::size_t& at) {
  const char* const begin = text.data() + at;
  const std::size_t left = text.size() - at;
  const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', left));
  const std::size_t upToFeed = feed == nullptr ? left : static_cast<std::size_t>(feed - begin);
  const auto* ret = static_cast<const char*>(std::memchr(begin, '\r', upToFeed));
  const std::size_t length = ret == nullptr ? upToFeed : static_cast<std::size_t>(ret - begin);
  at += length;
  if (at < text.size())
    at += (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
  return std::string_view(begin, length);
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\f\v") == std::string_view::npos;
}

void CutText(std::string_view text, const ImportRequest& request, LineBuilder& lines,
             ImportProgress& progress) {
  const auto cut = [&](std::string_view part, LineBuilder& into) {
    PartProgress partProgress(progress);
    if (request.cut == CutMode::Lines) {
      CutLines(part, into, partProgress);
    } else {
      CutSentences(part, request.language, into, partProgress);
    }
  };
  const std::size_t processors = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t count = std::min<std::size_t>({processors, 8, text.size() / kSmallestPart});
  std::vector<std::string_view> parts;
  for (std::size_t start = 0, i = 1; start < text.size(); ++i) {
    const std::size_t end =
        i >= count ? text.size() : PartEnd(text, text.size() / count * i, request.cut);
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = std::max(start, end);
  }
  if (parts.size() <= 1) {
    lines.Reserve(text.size());
    cut(text, lines);
    return;
  }
  std::vector<std::unique_ptr<LineBuilder>> builders;
  std::vector<std::jthread> workers;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    builders.push_back(std::make_unique<LineBuilder>());
    builders.back()->Reserve(parts[i].size());
    workers.emplace_back([&cut, part = parts[i], &into = *builders.back()] { cut(part, into); });
  }
  lines.Reserve(parts[0].size());
  cut(parts[0], lines);
  workers.clear();  // joined
  for (const auto& builder : builders)
    lines.Absorb(*builder);
}

}  // namespace dru
