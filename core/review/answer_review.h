#pragma once

#include <cstdint>
#include <optional>

#include "core/review/answer_grade.h"
#include "core/review/memory_model.h"

namespace dru {

// What the memory model knows of a sentence before an answer.
struct SentenceMemory {
  MemoryState state;
  std::int64_t lastTimeMs = 0;  // its last answer, UTC
  bool answered = false;        // false: this is its first answer
};

// One judged Enter, as grading reads it.
struct AnswerFacts {
  std::int64_t timeMs = 0;  // UTC
  bool correct = false;
  std::int64_t keys = 0;      // characters typed
  std::int64_t typingMs = 0;  // from the first key to Enter
  AnswerCue cue;
  bool slip = false;  // wrong by a typo (IsSlip): Hard, not Again
};

// What an answer does to its sentence and to the speed book.
struct AnswerOutcome {
  Grade grade = Grade::Again;
  SentenceMemory after;
  // Keys per minute of a correct answer, 0 for a wrong one.
  std::int64_t speed = 0;
  // The speed the book takes, at the answer's level and length: that of a
  // correct answer whose speed is above 0.
  std::optional<std::int64_t> bookSpeed;
};

// The one place an answer becomes a grade and a sentence's new state:
// graded against the speed book before the answer, by model. The answers
// kept live and the answers worked out again from the history both come
// through here, so that both give the same states and the same book.
AnswerOutcome ReviewAnswer(const MemoryModel& model, const SpeedBook& speeds,
                           const SentenceMemory& before, const AnswerFacts& answer);

}  // namespace dru
