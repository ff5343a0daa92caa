#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/drill/sentence_order.h"
#include "core/recall/recall_cue.h"
#include "core/review/review_order.h"
#include "core/text/mistakes.h"
#include "core/text/text_encoding.h"

namespace dru {

// The switches of the Options menu.
struct DrillOptions {
  bool soundEffect = true;    // cues are played
  bool caseSensitive = true;  // typed text must match letter case too
  bool showMistakes = true;   // a wrong Enter shows what was wrong
  // How the next sentence is picked.
  SentenceOrder order = SentenceOrder::AtRandom;
  // The sentence shows how much of it the typed text matches.
  bool markWhileTyping = false;
  // After each Enter the right sentence is spoken aloud.
  bool speakAfterEnter = false;
  // How much of the sentence shows while it is typed from memory.
  RecallOption recall = RecallOption::ShowWholeSentence;
  friend bool operator==(const DrillOptions&, const DrillOptions&) = default;
};

enum class Option { SoundEffect, CaseSensitive, ShowMistakes, MarkWhileTyping, SpeakAfterEnter };

// How many records the information line counts.
struct RecordCounts {
  std::int64_t records = 0;
  std::int64_t marked = 0;
  friend bool operator==(const RecordCounts&, const RecordCounts&) = default;
};

// What the status line says: nothing, the result of the last Enter, or a
// word about the program itself ("History is off: …"); cleared by the next
// key and on Open and Close.
struct StatusReport {
  enum class Kind { Empty, Correct, Mistakes, Notice };
  Kind kind = Kind::Empty;
  std::string notice;
  // A wrong Enter: typed against expected as compared (the comparison's
  // characters lie in those two texts).
  std::string typed;
  std::string expected;
  Comparison comparison;
};

// Everything the window shows of the drill, as one value: the view draws
// each display from it. It keeps the typed text (which it tells the drill)
// and what it last drew, to draw only what changed; the views into the
// drill's text stay valid until the drill next changes.
struct DrillSnapshot {
  std::string_view target;  // the sentence to type, in encoding
  // While Recall is on: what shows of the sentence, and its part to type;
  // cueCount changes with each new cue or hint.
  const RecallCue* recall = nullptr;
  std::uint64_t cueCount = 0;
  TextEncoding encoding = TextEncoding::Windows1252;
  bool inputEnabled = true;
  // Keys per minute of the last Enter; none before the first one.
  std::optional<std::int64_t> currentSpeed;
  std::int64_t bestSpeed = 0;  // 0 until a correct answer
  // The information line's counts; none while no file is open.
  std::optional<RecordCounts> counts;
  // While no file is open yet: the name of the file start-up reads next.
  std::string_view reading;
  std::int32_t hours = 0;
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
  DrillOptions options;
  // While sentences come in review order; none otherwise.
  std::optional<ReviewCounts> reviewCounts;
  // Why review cannot be switched on ("History is off: ..."); "" when it can.
  std::string_view reviewUnavailable;
  std::string_view undoCommand;  // what Undo would take back; empty: nothing
  // What the speech service is to say aloud, in UTF-8, and how many times
  // something was to be said, so that the same words twice are said twice.
  std::string_view aloud;
  std::uint64_t aloudCount = 0;
  // Why speech cannot be used ("Speech is not available: ..."); "" when it can.
  std::string_view speechUnavailable;
  // What a screen reader says of the last step: the sentence, or a result
  // and the next sentence, in UTF-8 whatever the file's encoding (a file's
  // name in it is the file system's UTF-8); spokenCount changes with each.
  std::string_view spoken;
  std::uint64_t spokenCount = 0;
  // The status line; statusCount changes with each new one.
  const StatusReport* status = nullptr;
  std::uint64_t statusCount = 0;
  // The input box is emptied whenever this changes.
  std::uint64_t inputClearCount = 0;
};

// The texts of the displays: "000" until a speed is known, the information
// and time lines, and the Undo item's caption ("" while it is disabled).
std::string CurrentSpeedText(const DrillSnapshot& snapshot);
std::string BestSpeedText(const DrillSnapshot& snapshot);
std::string InfoText(const DrillSnapshot& snapshot);
std::string TimeText(const DrillSnapshot& snapshot);
std::string UndoText(const DrillSnapshot& snapshot);
// "3 due · 12 new", or "" while sentences come at random.
std::string ReviewText(const DrillSnapshot& snapshot);

}  // namespace dru
