#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/recall/recall_cue.h"
#include "core/recall/recall_level.h"

namespace dru {

// What typing from memory keeps: the cue of the sentence on display, with
// its hints; each sentence's learning step for today; and the sentences
// ever answered right, which the fixed levels hide words of.
class RecallSession {
 public:
  // The cue of sentence at the level option gives it (see LevelOf); no
  // cue at Show Whole Sentence.
  void Show(std::string_view sentence, std::int64_t key, RecallOption option,
            std::optional<double> stability, std::int64_t today, TextEncoding encoding);
  // No cue: Recall is off, or no file is open.
  void Hide();
  const RecallCue* Cue() const noexcept { return cue_ ? &*cue_ : nullptr; }
  // Changes with each new cue and each hint, for whoever draws the cue.
  std::uint64_t CueCount() const noexcept { return cueCount_; }
  // Shows the first hidden word after the first matched characters of
  // the part typed, and returns it; "" when none is hidden.
  std::string Hint(std::size_t matched);

  // What the history knows of a sentence: its step after today's answers
  // (none: not answered today), and whether it was ever answered right.
  // today is the local midnight the steps belong to.
  void Remember(std::int64_t key, std::optional<CueLevel> step, bool answeredRight,
                std::int64_t today);
  // An answer to the sentence with key, shown at level.
  void Answered(std::int64_t key, CueLevel shown, AnswerResult result, std::int64_t today);
  // The level option shows the sentence with key at next: Fade as You
  // Learn at today's step, or the step its stability gives; a fixed level
  // shows the whole sentence until it was answered right once.
  CueLevel LevelOf(RecallOption option, std::int64_t key, std::optional<double> stability,
                   std::int64_t today) const;

 private:
  // A new day starts every sentence again from its stability.
  void StartDay(std::int64_t today);

  std::optional<RecallCue> cue_;
  std::uint64_t cueCount_ = 0;
  std::int64_t today_ = 0;
  std::unordered_map<std::int64_t, CueLevel> steps_;
  std::unordered_set<std::int64_t> answeredRight_;
};

}  // namespace dru
