#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

#include "core/drill/drill_snapshot.h"
#include "core/file/record_list.h"
#include "core/text/text_encoding.h"

namespace dru {

// Everything the drill remembers, held by Drill alone and changed only
// through its operations. The displays are drawn from it, so it also holds
// what they show: the target, the speeds and the counts of the
// information line, set where the drill shows them.
struct DrillState {
  bool Modified = false;                              // the lists differ from the file on disk
  DrillOptions Options;                               // the Options menu's check marks
  TextEncoding Encoding = TextEncoding::Windows1252;  // of the open file's bytes
  RecordList UnmarkedList;                            // the pool of candidate records
  RecordList FileLines;                               // every line of the file, in file order
  std::string Target;                                 // the sentence on display
  std::optional<RecallCue> Recall;                    // while Recall is on
  std::uint64_t CueCount = 0;
  // Sentences answered wrong in this run and not right since: Fade as You
  // Learn shows them a level easier.
  std::unordered_set<std::int64_t> AnsweredWrong;
  std::string PreviousStr;
  std::int32_t Hours = 0;
  std::int32_t Minutes = 0;
  std::int32_t Seconds = 0;
  std::int32_t TypingSeconds = 0;
  // When the first key of the typed text was pressed, on the steady clock
  // in milliseconds; -1 before it.
  std::int64_t FirstKeyTime = -1;
  std::int32_t RecordCount = 0;
  std::optional<std::int64_t> CurrentSpeed;  // none until the first speed is shown
  // The best speed since start-up, in keys per minute; its bar stands full
  // from 600, this goes on.
  std::int64_t BestSpeed = 0;
  std::optional<RecordCounts> ShownCounts;        // the information line; none: no file
  std::optional<ReviewCounts> ShownReviewCounts;  // while sentences come in review order
  std::string ReviewUnavailable;                  // why review is off; "": it can be on
  std::string Reading;        // the file start-up is about to read; "" otherwise
  bool ReviewWanted = false;  // the user's choice, kept while there is no history
  bool InputEnabled = true;
  // What a screen reader says of the last step, and how many steps have
  // been said, so that the same words twice are said twice.
  std::string Spoken;
  std::uint64_t SpokenCount = 0;
  // The text in the input box, in Encoding, as the box last told it, and
  // how many times the drill has emptied the box.
  std::string Typed;
  std::uint64_t InputClears = 0;
  StatusReport Status;
  std::uint64_t StatusCount = 0;
  bool NoPrevious = true;  // restoring the previous record is blocked
  bool NoFileOpen = true;
};

}  // namespace dru
