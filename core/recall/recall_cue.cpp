// The cue of a sentence typed from memory, built from its words.
#include "core/recall/recall_cue.h"

#include <algorithm>

#include "core/text/translation.h"

namespace dru {
namespace {

std::size_t CharacterSize(std::string_view text, std::size_t at, TextEncoding encoding) noexcept {
  std::size_t size = 1;
  if (encoding == TextEncoding::Utf8) {
    while (at + size < text.size() && IsContinuationByte(text[at + size]))
      ++size;
  }
  return size;
}

// The marks that set the direction of text (LRM, RLM, ALM, the embeddings,
// overrides and isolates and their ends): invisible, and kept in a cue
// where the word around them is hidden, so that an override ends where
// the sentence ends it.
bool IsDirectionMark(std::string_view c) noexcept {
  if (c == "\xD8\x9C") return true;  // U+061C
  if (c.size() != 3 || c[0] != '\xE2') return false;
  const auto third = static_cast<unsigned char>(c[2]);
  if (c[1] == '\x80') return third == 0x8E || third == 0x8F || (third >= 0xAA && third <= 0xAE);
  return c[1] == '\x81' && third >= 0xA6 && third <= 0xA9;
}

}  // namespace

PromptedLine SplitPrompt(std::string_view line) noexcept {
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return {line, {}};
  return {line.substr(0, tab), line.substr(tab + 1)};
}

RecallCue::RecallCue(std::string_view line, CueLevel level, TextEncoding encoding)
    : level_(level), encoding_(encoding) {
  const PromptedLine split = SplitPrompt(line);
  part_ = split.part;
  prompt_ = split.prompt;
  if (level_ != CueLevel::WholeSentence) words_ = FindWords(part_, encoding_);
  hinted_.assign(words_.size(), false);
}

bool RecallCue::Visible(std::size_t word) const noexcept {
  if (hinted_[word]) return true;
  switch (level_) {
    case CueLevel::WholeSentence:
      return true;
    case CueLevel::EveryOtherWord:
      return word % 2 == 0;
    case CueLevel::FirstLetters:
      return false;
    case CueLevel::PromptOnly:
      return prompt_.empty() && word < 2;
    case CueLevel::Listening:
      return false;
  }
  return true;
}

std::string RecallCue::Walk(std::size_t matched, std::size_t maxBytes, bool spoken) const {
  const std::string_view part = part_;
  const std::size_t typed = std::min(ByteOffset(part, matched, encoding_), part.size());
  // What is said is UTF-8, for the words said in the reader's language.
  std::string out;
  const auto add = [&](std::string_view piece) {
    if (spoken && encoding_ == TextEncoding::Windows1252) {
      for (const char byte : piece)
        AppendAsUtf8(out, byte);
    } else {
      out += piece;
    }
  };
  add(part.substr(0, std::min(typed, maxBytes)));
  // The first word not wholly typed right yet.
  auto word = std::upper_bound(words_.begin(), words_.end(), typed,
                               [](std::size_t at, const WordSpan& span) { return at < span.end; });
  const std::string_view ellipsis =
      encoding_ == TextEncoding::Utf8 || spoken ? "\xE2\x80\xA6" : "\x85";
  const std::string blank = spoken ? Tr("Recall", "blank") : std::string();
  // Nothing shows from the first hidden word on.
  const bool cutAtHidden = level_ == CueLevel::PromptOnly || level_ == CueLevel::Listening;
  for (std::size_t at = typed; at < part.size() && out.size() < maxBytes;) {
    const std::size_t size = CharacterSize(part, at, encoding_);
    const bool inWord = word != words_.end() && at >= word->begin;
    const bool mark = encoding_ == TextEncoding::Utf8 && IsDirectionMark(part.substr(at, size));
    if (!inWord || Visible(static_cast<std::size_t>(word - words_.begin()))) {
      add(part.substr(at, size));
    } else if (mark && !cutAtHidden) {
      if (!spoken) out += part.substr(at, size);
    } else if (cutAtHidden) {
      out += ellipsis;
      return out;
    } else if (spoken) {
      // A word read out as the screen shows it: its first letter, or
      // "blank" for a hidden one.
      if (level_ == CueLevel::FirstLetters && at < word->firstEnd) {
        add(part.substr(at, size));
      } else if (at == word->begin || at == typed) {
        out += blank;
      }
    } else if (level_ == CueLevel::EveryOtherWord) {
      out += '_';
    } else if (at < word->firstEnd) {
      out += part.substr(at, size);  // first letters, each a whole grapheme
    }
    at += size;
    if (inWord && at >= word->end) ++word;
  }
  return out;
}

std::string RecallCue::Shown(std::size_t matched, std::size_t maxBytes) const {
  return Walk(matched, maxBytes, false);
}

std::string RecallCue::Spoken(std::size_t matched, std::size_t maxBytes) const {
  return Walk(matched, maxBytes, true);
}

std::string RecallCue::Hint(std::size_t matched) {
  const std::size_t typed = ByteOffset(part_, matched, encoding_);
  for (std::size_t word = 0; word < words_.size(); ++word) {
    if (words_[word].end <= typed || Visible(word)) continue;
    hinted_[word] = true;
    ++hints_;
    return part_.substr(words_[word].begin, words_[word].end - words_[word].begin);
  }
  return {};
}

}  // namespace dru
