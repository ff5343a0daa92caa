#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/recall/recall_cue.h"
#include "core/recall/recall_level.h"

namespace dru {

// What typing from memory keeps for a run: the cue of the sentence on
// display, with its hints, and the sentences answered wrong since, which
// Fade as You Learn shows a level easier until they are answered right.
class RecallSession {
 public:
  // The cue of sentence at the level option gives it (Fade as You Learn:
  // from its stability; none: never answered); no cue at Show Whole
  // Sentence.
  void Show(std::string_view sentence, std::int64_t key, RecallOption option,
            std::optional<double> stability, TextEncoding encoding);
  // No cue: Recall is off, or no file is open.
  void Hide();
  const RecallCue* Cue() const noexcept { return cue_ ? &*cue_ : nullptr; }
  // Changes with each new cue and each hint, for whoever draws the cue.
  std::uint64_t CueCount() const noexcept { return cueCount_; }
  // Shows the first hidden word after the first matched characters of
  // the part typed, and returns it; "" when none is hidden.
  std::string Hint(std::size_t matched);
  // An answer to the sentence with key, typed from memory.
  void Answered(std::int64_t key, bool correct);
  // The level option shows the sentence with key at next.
  CueLevel LevelOf(RecallOption option, std::int64_t key, std::optional<double> stability) const;

 private:
  std::optional<RecallCue> cue_;
  std::uint64_t cueCount_ = 0;
  std::unordered_set<std::int64_t> answeredWrong_;
};

}  // namespace dru
