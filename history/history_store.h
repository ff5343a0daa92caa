#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/review/answer_grade.h"
#include "core/review/memory_model.h"
#include "core/text/sentence_key.h"

struct sqlite3;

namespace dru {

// Why the history cannot be kept, in words for the status line, and what
// kind of failure it is: a damaged file is moved aside and a new one
// started, a file locked by another program is tried again later.
class HistoryError : public std::runtime_error {
 public:
  enum class Kind { Other, Damaged, Busy };
  explicit HistoryError(const std::string& what, Kind kind = Kind::Other)
      : std::runtime_error(what), kind_(kind) {}
  Kind GetKind() const noexcept { return kind_; }

 private:
  Kind kind_;
};

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
  AnswerCue cue;  // typed from memory: its level, Recall on, hints
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
};

// The memory model's view of one sentence of a file, as of its last answer.
struct ReviewHistory {
  std::int64_t key = 0;         // SentenceKey of the whole sentence
  std::int64_t lastTimeMs = 0;  // its last answer, UTC
  double stability = 0;         // days, see MemoryState
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
};

// The answers of every drill, in one SQLite file per user (WAL journal,
// synchronous NORMAL, so that a killed dru loses no committed answer). The
// schema's version is the file's user_version; an older file is migrated,
// a newer one only read. The file is marked as dru's by its application_id:
// a schema is made only in an empty file, and another program's database
// is never opened (opening it throws). A file that is no SQLite database,
// or is damaged where opening reads, is moved aside with its journal as
// PATH.corrupt-DATE and a new one started. Errors throw HistoryError.
class HistoryStore {
 public:
  static constexpr int kSchemaVersion = 5;
  static constexpr std::int64_t kApplicationId = 0x64727548;  // "druH"

  static std::unique_ptr<HistoryStore> Open(const std::string& path);
  // The file turned out damaged while in use: closing it neither folds
  // its journal into it nor removes the journal, so that both can be moved
  // aside whole (Open does, the next time).
  void KeepJournalOnClose();
  // How long a write waits for another program's lock before it fails
  // with a Busy error.
  void WaitForLocks(int milliseconds);
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  // True when a newer dru wrote the file: nothing is written to it.
  bool ReadOnly() const noexcept { return readOnly_; }
  // Where a damaged file was moved to, or "" when none was.
  const std::string& MovedAside() const noexcept { return movedAside_; }

  // Keeps answer; returns its sentence's memory state after it (nothing
  // for a history only read).
  std::optional<ReviewHistory> Record(const AnswerRecord& answer) {
    return RecordMany({&answer, 1});
  }
  // Keeps all or none of answers, in one transaction; returns the state of
  // the last one's sentence.
  std::optional<ReviewHistory> RecordMany(std::span<const AnswerRecord> answers);
  // A run of the drill on a file: its start, and its end with the drill's
  // clock in seconds.
  std::int64_t StartSession(const std::string& file, std::int64_t timeMs);
  void EndSession(std::int64_t session, std::int64_t timeMs, std::int64_t drillSeconds);

  // Each sentence of file with answers, in the order first answered; or,
  // without their texts, in any order and sooner.
  std::vector<SentenceHistory> Sentences(const std::string& file, bool withTexts = true) const;
  std::string SentenceText(const std::string& file, std::int64_t key) const;
  // Each day with answers on file, oldest first; the median speeds only
  // of the days since sinceMs (before, they are 0).
  std::vector<DayHistory> Days(const std::string& file, std::int64_t sinceMs) const;
  // Removes every answer and session of file.
  void Forget(const std::string& file);

  // The memory model's state of each answered sentence of file, handed
  // to each in the order of their keys; of one of them.
  void Reviews(const std::string& file,
               const std::function<void(const ReviewHistory&)>& each) const;
  std::optional<ReviewHistory> Review(const std::string& file, std::int64_t key) const;
  // Works out every sentence's state and the speeds that grade answers
  // again, from the answers alone.
  void RebuildReviews();

 private:
  HistoryStore(sqlite3* db, bool readOnly, std::string movedAside);
  // Opens a file that is ours, or new; a damaged one throws Damaged.
  static std::unique_ptr<HistoryStore> OpenOurs(const std::string& path,
                                                const std::string& movedAside);
  std::int64_t FileId(const std::string& file);
  // Runs work in one write transaction: all of it, or, when it throws,
  // none of it, the speeds in memory too.
  void InTransaction(const std::function<void()>& work);
  void LoadSpeeds();
  void WriteSpeeds();
  // Replays every answer in time order, inside the caller's transaction.
  void ReplayAnswers();

  sqlite3* db_;
  const MemoryModel& model_ = TheMemoryModel();
  bool readOnly_;
  std::string movedAside_;
  SpeedBook speeds_;
};

// The history keeps only the start of a huge sentence.
inline constexpr std::size_t kKeptBytes = 4096;

// Keeps (or no longer keeps) a connection's journal whole when it closes.
void KeepJournalOnClose(sqlite3* db, bool keep);

// $XDG_DATA_HOME/dru/history.sqlite3, or ~/.local/share/dru/history.sqlite3.
std::string DefaultHistoryPath();

}  // namespace dru
