#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dru {

// Options › Recall: how much of a sentence is shown while it is typed.
// Stored as dru.ini's Recall, 0 to 4.
enum class RecallOption : std::uint8_t {
  ShowWholeSentence,  // the drill as it always was
  FadeAsYouLearn,     // each showing's level from the sentence's memory state
  HideEveryOtherWord,
  FirstLettersOnly,
  PromptOnly,
};
inline constexpr int kRecallOptions = 5;

// The level a sentence is shown at, easiest first. Stored with each answer.
enum class CueLevel : std::uint8_t { WholeSentence, EveryOtherWord, FirstLetters, PromptOnly };
inline constexpr int kCueLevels = 4;

// The stability, in days, from which Fade as You Learn shows a sentence at
// each level: under 1 day whole, from 1 every other word, from 7 first
// letters, from 30 the prompt only.
inline constexpr double kFadeFromDays[kCueLevels] = {0, 1, 7, 30};

// Fade as You Learn's level for a sentence: by its stability (none: never
// answered), one level easier while it waits to be answered right again.
CueLevel FadeLevel(std::optional<double> stability, bool answeredWrong) noexcept;

// The level an option shows a sentence at; Fade as You Learn asks the
// memory model (see FadeLevel).
CueLevel LevelFor(RecallOption option, std::optional<double> stability,
                  bool answeredWrong) noexcept;

// "whole sentence", "every other word", "first letters", "prompt only".
std::string_view LevelName(CueLevel level) noexcept;

}  // namespace dru
