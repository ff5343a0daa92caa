#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/review/answer_grade.h"
#include "core/review/memory_model.h"
#include "core/review/review_order.h"  // KeyedReview: a sentence's state as of its last answer
#include "core/text/sentence_key.h"
#include "history/history_error.h"

namespace dru {

// One judged Enter, as the history keeps it. The typed text is never kept.
struct AnswerRecord {
  std::int64_t timeMs = 0;  // UTC, milliseconds since 1970
  std::string file;         // the sentence file's resolved path
  std::string sentence;     // the sentence as shown, without a mark
  bool correct = false;
  std::int64_t typingMs = 0;  // from the first key to Enter
  std::int64_t keys = 0;      // characters typed
  std::int64_t mistakes = 0;  // from the mistakes comparison
  bool caseSensitive = true;
  AnswerCue cue;      // typed from memory: its level, Recall on, hints
  bool slip = false;  // wrong by a typo (IsSlip)
};

// What the history knows of one sentence of a file.
struct SentenceHistory {
  std::int64_t key = 0;  // SentenceKey of the whole sentence
  std::string sentence;  // its first kKeptBytes bytes
  std::int64_t typed = 0;
  std::int64_t correct = 0;
  std::int64_t lastTimeMs = 0;
  // Keys per minute of the fastest correct answer, from its exact time;
  // 0 before the first.
  std::int64_t bestSpeed = 0;
  double stability = 0;  // days, see MemoryState
  // The grade of its last answer, 1 (Again) to 4 (Easy).
  Grade lastGrade = Grade::Again;
};

// One day of a file's answers, the day in local time ("2026-12-08").
struct DayHistory {
  std::string day;
  std::int64_t answers = 0;
  std::int64_t correct = 0;
  std::int64_t typingMs = 0;  // from first keys to Enters, all answers
  // Keys per minute of the correct answers, from their exact times.
  std::int64_t medianSpeed = 0;
  std::int64_t bestSpeed = 0;
  // The sentences at each learning step at the day's end, each at the step
  // its last answer left it, and those learned that day (LearnedBy).
  std::array<std::int64_t, kLearningSteps> atStep{};
  std::int64_t learned = 0;
};

// The voice a sentence file is read aloud in: the speech service's
// language (a locale name, "de_DE") and voice, as it names them, and a
// rate from -1 (slowest) to 1.
struct VoiceChoice {
  std::string locale;
  std::string voice;  // "": the language's first
  double rate = 0;
  friend bool operator==(const VoiceChoice&, const VoiceChoice&) = default;
};

// A local day, [fromMs, toMs) in UTC.
struct DaySpan {
  std::int64_t fromMs = 0;
  std::int64_t toMs = 0;
};

// The history of answers as the app uses it: answers in, what the history
// knows of a file's sentences and days out. Errors throw HistoryError. Its
// one kind keeps it in SQLite (sqlite_history_store.h); Open opens that.
class HistoryStore {
 public:
  // The history at path, made when there is none.
  static std::unique_ptr<HistoryStore> Open(const std::string& path);
  virtual ~HistoryStore() = default;

  // True when a newer dru wrote the history: nothing is written to it.
  virtual bool ReadOnly() const noexcept = 0;
  // Where a damaged history was moved to on opening, or "" when none was.
  virtual const std::string& MovedAside() const noexcept = 0;
  // The history turned out damaged while in use: closing it leaves it and
  // its journal whole, to be moved aside.
  virtual void PrepareToMoveAside() = 0;
  // How long a write waits for another program that holds the history
  // before it fails with a Busy error.
  virtual void WaitForOthers(int milliseconds) = 0;

  // Keeps answer; returns its sentence's memory state after it (nothing
  // for a history only read).
  std::optional<KeyedReview> Record(const AnswerRecord& answer) { return RecordMany({&answer, 1}); }
  // Keeps all or none of answers; returns the state of the last one's
  // sentence.
  virtual std::optional<KeyedReview> RecordMany(std::span<const AnswerRecord> answers) = 0;
  // A run of the drill on a file: its start, and its end with the drill's
  // clock in seconds.
  virtual std::int64_t StartSession(const std::string& file, std::int64_t timeMs) = 0;
  virtual void EndSession(std::int64_t session, std::int64_t timeMs, std::int64_t drillSeconds) = 0;

  // Each sentence of file with answers, in the order first answered; or,
  // without their texts, in any order and sooner.
  virtual std::vector<SentenceHistory> Sentences(const std::string& file,
                                                 bool withTexts = true) const = 0;
  virtual std::string SentenceText(const std::string& file, std::int64_t key) const = 0;
  // Each day with answers on file, oldest first; the median speeds only
  // of the days since sinceMs (before, they are 0).
  virtual std::vector<DayHistory> Days(const std::string& file, std::int64_t sinceMs) const = 0;
  // Counts the learning steps of file's sentences at the end of each of
  // days (atStep, learned), from every answer of the file in time order.
  virtual void CountSteps(const std::string& file, std::vector<DayHistory>& days) const = 0;
  // Removes every answer and session of file.
  virtual void Forget(const std::string& file) = 0;
  // The voice chosen for file, kept with its path; none when none was.
  virtual std::optional<VoiceChoice> Voice(const std::string& file) const = 0;
  virtual void SetVoice(const std::string& file, const VoiceChoice& voice) = 0;

  // The memory model's state of each answered sentence of file, handed
  // to each in the order of their keys, with its learning step after the
  // answers of today, if any; of one of them.
  virtual void Reviews(const std::string& file, const std::function<void(const KeyedReview&)>& each,
                       DaySpan today = {}) const = 0;
  virtual std::optional<KeyedReview> Review(const std::string& file, std::int64_t key) const = 0;
};

// The history keeps only the start of a huge sentence.
inline constexpr std::size_t kKeptBytes = 4096;

// $XDG_DATA_HOME/dru/history.sqlite3, or ~/.local/share/dru/history.sqlite3.
std::string DefaultHistoryPath();

}  // namespace dru
