#pragma once

#include <memory>
#include <string>

#include "core/review/answer_grade.h"
#include "core/review/memory_model.h"
#include "history/history_store.h"
#include "history/step_tally.h"

struct sqlite3;

namespace dru {

// The answers of every drill, in one SQLite file per user (WAL journal,
// synchronous NORMAL, so that a killed dru loses no committed answer). The
// schema's version is the file's user_version; an older file is migrated,
// a newer one only read. The file is marked as dru's by its application_id:
// a schema is made only in an empty file, and another program's database
// is never opened (opening it throws). A file that is no SQLite database,
// or is damaged where opening reads, is moved aside with its journal as
// PATH.corrupt-DATE and a new one started.
class SqliteHistoryStore final : public HistoryStore {
 public:
  static constexpr int kSchemaVersion = 7;
  static constexpr std::int64_t kApplicationId = 0x64727548;  // "druH"

  static std::unique_ptr<SqliteHistoryStore> Open(const std::string& path);
  ~SqliteHistoryStore() override;
  SqliteHistoryStore(const SqliteHistoryStore&) = delete;
  SqliteHistoryStore& operator=(const SqliteHistoryStore&) = delete;

  bool ReadOnly() const noexcept override { return readOnly_; }
  const std::string& MovedAside() const noexcept override { return movedAside_; }
  // Closing then neither folds the WAL into the file nor removes it.
  void PrepareToMoveAside() override;
  void WaitForOthers(int milliseconds) override;  // SQLite's busy timeout

  // In one transaction.
  std::optional<KeyedReview> RecordMany(std::span<const AnswerRecord> answers) override;
  std::int64_t StartSession(const std::string& file, std::int64_t timeMs) override;
  void EndSession(std::int64_t session, std::int64_t timeMs, std::int64_t drillSeconds) override;
  std::vector<SentenceHistory> Sentences(const std::string& file,
                                         bool withTexts = true) const override;
  std::string SentenceText(const std::string& file, std::int64_t key) const override;
  std::vector<DayHistory> Days(const std::string& file, std::int64_t sinceMs) const override;
  void CountSteps(const std::string& file, std::vector<DayHistory>& days) const override;
  void Forget(const std::string& file) override;
  std::optional<VoiceChoice> Voice(const std::string& file) const override;
  void SetVoice(const std::string& file, const VoiceChoice& voice) override;
  void Reviews(const std::string& file, const std::function<void(const KeyedReview&)>& each,
               DaySpan today = {}) const override;
  std::optional<KeyedReview> Review(const std::string& file, std::int64_t key) const override;
  // Works out every sentence's state and the speeds that grade answers
  // again from the answers alone, as opening a history from before the
  // memory model does (there, inside its migration).
  void RebuildReviews();

 private:
  SqliteHistoryStore(sqlite3* db, bool readOnly, std::string movedAside);
  // Opens a file that is ours, or new; a damaged one throws Damaged.
  static std::unique_ptr<SqliteHistoryStore> OpenOurs(const std::string& path,
                                                      const std::string& movedAside);
  std::int64_t FileId(const std::string& file);
  struct AnswerStatements;
  // Keeps one answer of file with the statements prepared; its sentence's
  // state after it.
  KeyedReview RecordOne(AnswerStatements& statements, std::int64_t file,
                        const AnswerRecord& answer);
  // Runs work in one write transaction: all of it, or, when it throws,
  // none of it, the speeds in memory too.
  void InTransaction(const std::function<void()>& work);
  void LoadSpeeds();
  void WriteSpeeds();
  // Replays every answer in time order, inside the caller's transaction:
  // the sentences' states, the speeds and each answer's grade.
  void ReplayAnswers();

  sqlite3* db_;
  const MemoryModel& model_ = TheMemoryModel();
  bool readOnly_;
  std::string movedAside_;
  SpeedBook speeds_;
  // The learning steps counted so far, of the file asked for last.
  mutable std::unique_ptr<StepTally> tally_;
};

// Keeps (or no longer keeps) a connection's journal whole when it closes.
void KeepJournalOnClose(sqlite3* db, bool keep);

}  // namespace dru
