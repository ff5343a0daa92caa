#include "core/import/line_builder.h"

#include <algorithm>
#include <cstring>

#include "core/file/record.h"
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

void LineBuilder::AddSpace() {
  // A space is written only before more text, so none ends a line.
  if (buffer_.size() > (promptStart_ == std::string::npos ? lineStart_ : promptStart_ + 1))
    pendingSpace_ = true;
}

void LineBuilder::Append(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  while (p < end) {
    const auto* run = p;
    while (p < end && !IsSpecial(*p))
      ++p;
    if (p > run) {
      if (pendingSpace_) buffer_ += ' ';
      pendingSpace_ = false;
      buffer_.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
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
      if (pendingSpace_) buffer_ += ' ';
      pendingSpace_ = false;
      buffer_ += static_cast<char>(byte);
      ++p;
    }
  }
}

void LineBuilder::StartPrompt() {
  pendingSpace_ = false;
  promptStart_ = buffer_.size();
  buffer_ += '\t';
}

bool LineBuilder::EndLine() {
  pendingSpace_ = false;
  const std::size_t textEnd = promptStart_ == std::string::npos ? buffer_.size() : promptStart_;
  std::string_view text(buffer_.data() + lineStart_, textEnd - lineStart_);
  if (IsMarked(text)) {
    const std::size_t keep = text.find_first_not_of("* ");
    const std::size_t cut = keep == std::string_view::npos ? text.size() : keep;
    buffer_.erase(lineStart_, cut);
    if (promptStart_ != std::string::npos) promptStart_ -= cut;
    text = text.substr(0, text.size() - cut);
    ++marksRemoved;
  }
  const bool hasPrompt = promptStart_ != std::string::npos && buffer_.size() > promptStart_ + 1;
  if (promptStart_ != std::string::npos && !hasPrompt) buffer_.resize(promptStart_);
  promptStart_ = std::string::npos;
  if (text.empty()) {
    buffer_.resize(lineStart_);
    return false;
  }
  if (text.size() > kLongLine && CharacterCount(text, TextEncoding::Utf8) > kLongLine) ++longLines;
  ends_.push_back(buffer_.size());
  lineStart_ = buffer_.size();
  return true;
}

std::string_view LineBuilder::Line(std::size_t i) const noexcept {
  const std::size_t start = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(buffer_).substr(start, ends_[i] - start);
}

RecordList LineBuilder::TakeLines() {
  buffer_.resize(lineStart_);
  RecordBlock block(std::max<std::size_t>(buffer_.size(), 1));
  std::memcpy(block.Data(), buffer_.data(), buffer_.size());
  RecordList lines;
  lines.Reserve(ends_.size());
  std::size_t start = 0;
  for (const std::size_t end : ends_) {
    lines.Add(block.Share(std::string_view(block.Data() + start, end - start)));
    start = end;
  }
  buffer_ = {};
  ends_ = {};
  lineStart_ = 0;
  return lines;
}

}  // namespace dru
