#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/drill/drill_snapshot.h"
#include "core/drill/mark_list.h"
#include "core/file/record_list.h"
#include "core/recall/recall_session.h"
#include "core/text/text_encoding.h"

namespace dru {

// Everything the drill remembers, held by Drill alone and changed only
// through its operations. The displays are drawn from it, so it also holds
// what they show: the target, the speeds and the counts of the
// information line, set where the drill shows them.
struct DrillState {
  bool modified = false;                              // the lists differ from the file on disk
  DrillOptions options;                               // the Options menu's check marks
  TextEncoding encoding = TextEncoding::Windows1252;  // of the open file's bytes
  MarkList marks;        // the file's lines in file order, the pool of unmarked records, and undo
  std::string target;    // the sentence on display
  RecallSession recall;  // the cue, while Recall is on, and the wrong answers
  std::string previous;
  std::int32_t hours = 0;
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
  std::int32_t typingSeconds = 0;
  // When the first key of the typed text was pressed, on the steady clock
  // in milliseconds; -1 before it.
  std::int64_t firstKeyTime = -1;
  std::optional<std::int64_t> currentSpeed;  // none until the first speed is shown
  // The best speed since start-up, in keys per minute; its bar stands full
  // from 600, this goes on.
  std::int64_t bestSpeed = 0;
  std::optional<RecordCounts> shownCounts;        // the information line; none: no file
  std::optional<ReviewCounts> shownReviewCounts;  // while sentences come in review order
  std::string reviewUnavailable;                  // why review is off; "": it can be on
  std::string reading;  // the file start-up is about to read; "" otherwise
  // The user's choice of order, kept while there is no history.
  SentenceOrder orderWanted = SentenceOrder::AtRandom;
  // In text order: the line of the sentence on display, and of the one
  // before it; none before the first.
  std::optional<std::size_t> textLine;
  std::optional<std::size_t> previousTextLine;
  // Fade as You Learn's step last shown, said when it changes.
  std::optional<CueLevel> shownStep;
  std::string stepLine;  // "Every other word hidden. " when it changed; "" otherwise
  bool stepsForThisRunSaid = false;
  bool inputEnabled = true;
  // What a screen reader says of the last step, and how many steps have
  // been said, so that the same words twice are said twice.
  std::string spoken;
  std::uint64_t spokenCount = 0;
  // What is to be said aloud by the speech service, and how many times.
  std::string aloud;
  std::uint64_t aloudCount = 0;
  bool aloudPending = false;      // said in this operation, not yet shown
  std::string speechUnavailable;  // why there is no speech; "" while there may be
  // The text in the input box, in encoding, as the box last told it, and
  // how many times the drill has emptied the box.
  std::string typed;
  std::uint64_t inputClears = 0;
  StatusReport status;
  std::uint64_t statusCount = 0;
  bool previousAllowed = false;  // the sentence shown before may be brought back
  bool fileOpen = false;
};

}  // namespace dru
