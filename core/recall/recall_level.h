#pragma once

#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

#include "core/text/translation.h"

namespace dru {

// Options › Recall: how much of a sentence is shown while it is typed.
// Stored as dru.ini's Recall, 0 to 5.
enum class RecallOption : std::uint8_t {
  ShowWholeSentence,  // the drill as it always was
  FadeAsYouLearn,     // each showing's level from the sentence's memory state
  HideEveryOtherWord,
  FirstLettersOnly,
  PromptOnly,
  ListenAndType,  // heard from the speech service, not shown
};
inline constexpr int kRecallOptions = 6;

// The level a sentence is shown at, easiest first. Stored with each answer.
// Listening is a level of its own, never a learning step.
enum class CueLevel : std::uint8_t {
  WholeSentence,
  EveryOtherWord,
  FirstLetters,
  PromptOnly,
  Listening,
};
inline constexpr int kCueLevels = 5;
// Fade as You Learn's steps: the levels up to the prompt only.
inline constexpr int kLearningSteps = 4;

// The stability, in days, from which Fade as You Learn shows a sentence at
// each level: under 1 day whole, from 1 every other word, from 7 first
// letters, from 30 the prompt only.
inline constexpr double kFadeFromDays[kLearningSteps] = {0, 1, 7, 30};

// Each option of Options › Recall, in one table: its dru.ini value (its
// place here), the level it shows (none: Fade as You Learn asks the
// memory model), the menu item's object name and label, and its name as a
// screen reader says it.
struct RecallOptionFacts {
  RecallOption option;
  std::optional<CueLevel> level;
  const char* objectName;
  const char* menuLabel;   // context "Menu"
  const char* spokenName;  // context "Drill"
};
inline constexpr RecallOptionFacts kRecallOptionTable[] = {
    {RecallOption::ShowWholeSentence, CueLevel::WholeSentence, "RecallWhole1",
     DRU_TR_NOOP("Menu", "Show &Whole Sentence"), DRU_TR_NOOP("Drill", "Show Whole Sentence")},
    {RecallOption::FadeAsYouLearn, std::nullopt, "RecallFade1",
     DRU_TR_NOOP("Menu", "&Fade as You Learn"), DRU_TR_NOOP("Drill", "Fade as You Learn")},
    {RecallOption::HideEveryOtherWord, CueLevel::EveryOtherWord, "RecallEveryOther1",
     DRU_TR_NOOP("Menu", "Hide &Every Other Word"), DRU_TR_NOOP("Drill", "Hide Every Other Word")},
    {RecallOption::FirstLettersOnly, CueLevel::FirstLetters, "RecallFirstLetters1",
     DRU_TR_NOOP("Menu", "First &Letters Only"), DRU_TR_NOOP("Drill", "First Letters Only")},
    {RecallOption::PromptOnly, CueLevel::PromptOnly, "RecallPromptOnly1",
     DRU_TR_NOOP("Menu", "&Prompt Only"), DRU_TR_NOOP("Drill", "Prompt Only")},
    {RecallOption::ListenAndType, CueLevel::Listening, "RecallListen1",
     DRU_TR_NOOP("Menu", "Listen and &Type"), DRU_TR_NOOP("Drill", "Listen and Type")},
};
static_assert(std::size(kRecallOptionTable) == kRecallOptions);
static_assert(
    [] {
      for (int i = 0; i < kRecallOptions; ++i) {
        if (static_cast<int>(kRecallOptionTable[i].option) != i) return false;
      }
      return true;
    }(),
    "each option stands at its own place, its dru.ini value");
inline const RecallOptionFacts& FactsOf(RecallOption option) noexcept {
  return kRecallOptionTable[static_cast<int>(option)];
}

// Fade as You Learn's first step of a day for a sentence: by its
// stability (none: never answered).
CueLevel FadeLevel(std::optional<double> stability) noexcept;

// How an answer went, for the learning steps.
enum class AnswerResult : std::uint8_t {
  Right,          // without a hint
  RightWithHint,  // the words hinted were not recalled
  Slip,           // wrong by a character or so: a typo, not forgetting
  Wrong,
};
AnswerResult ResultOf(bool correct, std::int64_t hints, bool slip) noexcept;

// Fade as You Learn's learning steps within a day, 0 (whole) to 3 (prompt
// only): an answer shown at step leaves its sentence one step harder when
// right without a hint, one easier when wrong, and where it stood after a
// hint or a slip. An answer heard counts as one at the prompt only.
CueLevel StepAfter(CueLevel step, AnswerResult result) noexcept;

// A sentence answered right from the prompt alone without a hint is
// learned for the day.
constexpr bool LearnedBy(CueLevel shown, AnswerResult result) noexcept {
  return shown == CueLevel::PromptOnly && result == AnswerResult::Right;
}

// What a screen reader hears when Fade as You Learn's step changes:
// "Every other word hidden.", "From memory.".
std::string_view StepLine(CueLevel step) noexcept;

// "whole sentence", "every other word", "first letters", "prompt only",
// "listening".
std::string_view LevelName(CueLevel level) noexcept;

}  // namespace dru
