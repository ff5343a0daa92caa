#pragma once

// Reading an answer's columns as the store keeps them, for each statement
// that reads answers.
#include <algorithm>
#include <cstdint>

#include "core/recall/recall_level.h"
#include "core/review/answer_grade.h"
#include "history/statement.h"

namespace dru::sql {

// How an answer went, from its columns correct, hints and grade at from,
// from + 1 and from + 2: a wrong answer graded Hard was a slip.
inline AnswerResult StoredResult(Statement& row, int from) {
  const bool correct = row.Integer(from) != 0;
  const bool slip = !correct && row.Integer(from + 2) == static_cast<std::int64_t>(Grade::Hard);
  return ResultOf(correct, row.Integer(from + 1), slip);
}

// A stored level; one out of range reads as the whole sentence.
inline CueLevel StoredLevel(Statement& row, int column) {
  const std::int64_t level = row.Integer(column);
  return level > 0 && level < kCueLevels ? static_cast<CueLevel>(level) : CueLevel::WholeSentence;
}

// An answer's level, Recall and hints from columns from, from + 1 and
// from + 2 (only the level when there are no more); a level out of range
// reads as the whole sentence.
inline AnswerCue StoredCue(Statement& row, int from) {
  AnswerCue cue;
  cue.level = StoredLevel(row, from);
  if (row.Columns() > from + 1) {
    cue.recall = row.Integer(from + 1) != 0;
    cue.hints = std::max<std::int64_t>(row.Integer(from + 2), 0);
  }
  return cue;
}

}  // namespace dru::sql
