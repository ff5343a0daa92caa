#include "core/import/line_builder.h"

#include <algorithm>
#include <cstring>

#include "core/file/sentence_file.h"
#include "core/text/text_encoding.h"

namespace dru {
namespace {

// Bytes that may start something the rule changes: ASCII controls and
// blanks, DEL, and the lead bytes of C1 controls, no-break spaces and the
// line and paragraph separators.
constexpr bool IsSpecial(unsigned char byte) noexcept {
  return byte <= 0x20 || byte == 0x7F || byte == 0xC2 || byte == 0xE2;
}

}  // namespace

LineBuilder::LineBuilder() : block_(std::make_unique<RecordBlock>(64)) {}
LineBuilder::~LineBuilder() = default;

void LineBuilder::Reserve(std::size_t bytes) {
  if (bytes + 1 > block_->Capacity()) block_->Grow(bytes + 1);
}

char* LineBuilder::Room(std::size_t bytes) {
  if (size_ + bytes > block_->Capacity())
    block_->Grow(std::max(block_->Capacity() * 2, size_ + bytes));
  return block_->Data() + size_;
}

void LineBuilder::Put(const char* bytes, std::size_t count) {
  std::memcpy(Room(count), bytes, count);
  size_ += count;
}

void LineBuilder::AddSpace() {
  // A space is written only before more text, so none ends a line.
  if (size_ > (promptStart_ == std::string::npos ? lineStart_ : promptStart_ + 1))
    pendingSpace_ = true;
}

void LineBuilder::Append(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  while (p < end) {
    // A run of text, single spaces between its words included.
    const auto* run = p;
    while (p < end && (!IsSpecial(*p) ||
                       (*p == ' ' && p > run && p[-1] != ' ' && p + 1 < end && !IsSpecial(p[1]))))
      ++p;
    if (p > run) {
      if (pendingSpace_) Put(" ", 1);
      pendingSpace_ = false;
      Put(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
    }
    if (p == end) break;
    const unsigned char byte = *p;
    const std::size_t left = static_cast<std::size_t>(end - p);
    if (byte == '\t') {
      ++tabsReplaced;
      AddSpace();
      ++p;
    } else if (byte == ' ' || byte == '\n' || byte == '\r' || byte == '\v' || byte == '\f') {
      AddSpace();
      ++p;
    } else if (byte < 0x20 || byte == 0x7F) {
      ++p;  // a control character
    } else if (byte == 0xC2 && left >= 2 && p[1] >= 0x80 && p[1] <= 0xA0) {
      if (p[1] == 0xA0) AddSpace();  // no-break space; else a C1 control
      p += 2;
    } else if (byte == 0xE2 && left >= 3 && p[1] == 0x80 &&
               (p[2] == 0xA8 || p[2] == 0xA9 || p[2] == 0xAF)) {
      AddSpace();  // line and paragraph separators, narrow no-break space
      p += 3;
    } else {
      if (pendingSpace_) Put(" ", 1);
      pendingSpace_ = false;
      Put(reinterpret_cast<const char*>(p), 1);
      ++p;
    }
  }
}

void LineBuilder::StartPrompt() {
  pendingSpace_ = false;
  promptStart_ = size_;
  Put("\t", 1);
}

bool LineBuilder::EndLine() {
  pendingSpace_ = false;
  char* const line = block_->Data() + lineStart_;
  const std::size_t textEnd = promptStart_ == std::string::npos ? size_ : promptStart_;
  std::string_view text(line, textEnd - lineStart_);
  if (IsMarked(text)) {
    const std::size_t keep = text.find_first_not_of("* ");
    const std::size_t cut = keep == std::string_view::npos ? text.size() : keep;
    std::memmove(line, line + cut, size_ - lineStart_ - cut);
    size_ -= cut;
    if (promptStart_ != std::string::npos) promptStart_ -= cut;
    text = std::string_view(line, text.size() - cut);
    ++marksRemoved;
  }
  // A TAB with no prompt after it would make an empty one.
  if (promptStart_ != std::string::npos && size_ == promptStart_ + 1) size_ = promptStart_;
  promptStart_ = std::string::npos;
  if (text.empty()) {
    size_ = lineStart_;
    return false;
  }
  if (text.size() > kLongLine && CharacterCount(text, TextEncoding::Utf8) > kLongLine) ++longLines;
  ends_.push_back(size_);
  lineStart_ = size_;
  return true;
}

void LineBuilder::Absorb(LineBuilder& other) {
  tabsReplaced += other.tabsReplaced;
  marksRemoved += other.marksRemoved;
  longLines += other.longLines;
  absorbed_.push_back(other.TakeLines());
}

RecordList LineBuilder::TakeLines() {
  std::size_t count = ends_.size();
  for (const RecordList& list : absorbed_)
    count += list.Count();
  RecordList lines;
  lines.Reserve(count);
  std::size_t start = 0;
  for (const std::size_t end : ends_) {
    lines.Add(block_->Share(std::string_view(block_->Data() + start, end - start)));
    start = end;
  }
  for (const RecordList& list : absorbed_) {
    for (std::size_t i = 0; i < list.Count(); ++i)
      lines.Add(list.At(i));
  }
  block_ = std::make_unique<RecordBlock>(64);
  ends_ = {};
  absorbed_ = {};
  size_ = lineStart_ = 0;
  return lines;
}

}  // namespace dru
