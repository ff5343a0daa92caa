#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/commands.h"
#include "core/drill/drill.h"
#include "history/history_store.h"

namespace dru {

// One sentence as the Progress window lists it.
struct ProgressRow {
  std::string sentence;  // without its mark
  bool inFile = true;    // false: only the history has it
  bool marked = false;
  std::int64_t typed = 0;
  std::int64_t correct = 0;
  std::int64_t bestSpeed = 0;
  std::int64_t lastTimeMs = 0;     // 0: never typed
  std::optional<Grade> lastGrade;  // of its last answer; none: never typed
  // The memory model's view, for sentences typed: the probability of
  // recalling it now, when that falls to 90%, and whether it stays
  // remembered for over kKnownDays.
  double retrievability = 0;
  std::int64_t nextReviewMs = 0;
  bool known = false;
  // Answered wrong in this run, it waits in review order for its retry.
  bool retry = false;
  // While Recall is on: the level it shows at next.
  std::optional<CueLevel> level;
};
inline constexpr double kKnownDays = 90;
// The chart's days unless every day is asked for: today and the 29 before.
inline constexpr int kRecentDays = 30;

// What the history knows of the open file.
struct ProgressReport {
  std::string unavailable;        // why there is no history; "" when there is
  std::vector<ProgressRow> rows;  // hardest first: least share right, then most typed
  std::vector<DayHistory> days;   // every day with answers, oldest first
  // The first of the kRecentDays local dates, "" when every day was asked.
  std::string firstRecentDay;
  DayHistory today;
  std::int64_t bestSpeed = 0;  // of all time, on this file
  // While Recall is on: the sentences of the file known by heart, those
  // remembered long enough to be shown at the prompt only.
  std::optional<std::int64_t> byHeart;
};

// What keeping an answer came to.
struct KeptAnswer {
  bool kept = false;
  std::optional<KeyedReview> state;
};

// Keeps judged Enters in the history, with the open file and the time.
// The store is opened at the first answer, not at start-up. A fault never
// stops the drill: the history is off from then on, and the status line
// says why, once.
class HistoryRecorder : public ReviewSource {
 public:
  HistoryRecorder(Drill& drill, const Commands& commands, const Clock& clock, std::string path);
  ~HistoryRecorder() override;

  bool LoadReviews() override;
  // Where the history is kept.
  const std::string& Path() const noexcept { return path_; }
  // A fault has turned the history off for this run.
  bool IsOff() const noexcept { return off_; }

  // The end of the drill on the open file: its session is closed with the
  // drill's clock.
  void EndSession() noexcept;
  // The end of the program: when the history was used, it is backed up
  // (once a day at most) on another thread, which the destructor waits
  // for, so that the window closes at once.
  void BackUpInBackground();

  // At start-up: says once what the last backup found wrong, a damaged
  // history or backups dated ahead, on the status line.
  void SayWhatTheLastBackupFound();

  // The open file's history; the median speeds of the last 30 days, or of
  // every day. Never throws: a history that fails is turned off, and the
  // report says so.
  ProgressReport Report(bool everyDay = false);
  // Removes the open file's history; a failure turns the history off.
  void Forget();
  // The voice chosen for file, kept in the history; none when none was or
  // there is no history. Keeping it is false without a history.
  std::optional<VoiceChoice> Voice(const std::string& file);
  bool KeepVoice(const std::string& file, const VoiceChoice& voice);
  // Keeps answer with the open file and the time: whether it was kept (or
  // waits for another program's lock), and its sentence's state after it.
  // Nothing when the history is off; a fault turns it off, and what the
  // history then has to say waits for SayWhatWaits, since the drill is in
  // the middle of an Enter.
  KeptAnswer Record(const DrillAnswer& answer);
  void SayWhatWaits();

 private:
  // How long an answer waits for another program's lock on the history:
  // a moment while keys come, longer once the window has closed.
  static constexpr int kKeyLockWaitMs = 50;
  static constexpr int kCloseLockWaitMs = 10000;

  // The store, opened at its first use; nothing while the history is off.
  HistoryStore* Store();
  // Writes the answers that wait, all or none; the state of the last one's
  // sentence.
  std::optional<KeyedReview> WritePending();
  // A store found damaged in use is moved aside and a new one started;
  // false when error is of another kind, or that failed.
  bool Recover(const HistoryError& error);
  void SayMovedAside(const std::string& aside);
  KeptAnswer Keep(const DrillAnswer& answer);
  // Says something on the drill's status line now, or once the Enter
  // under way is over.
  void Say(std::function<void()> saying);
  void TurnOff(const std::string& reason);
  // "History is off: REASON."
  std::string OffText() const;
  ProgressReport ReadReport(bool everyDay);
  void ListRows(const HistoryStore& store, const std::string& file, ProgressReport& report) const;
  // The memory model's figures of a typed row.
  void Foresee(ProgressRow& row, double stability) const;

  Drill& drill_;
  const Commands& commands_;
  const Clock& clock_;
  std::string path_;
  std::unique_ptr<HistoryStore> store_;
  bool off_ = false;
  std::string offReason_;
  std::int64_t session_ = 0;
  std::string sessionFile_;
  std::thread backup_;
  // Answers not yet written: another program held the file.
  std::vector<AnswerRecord> pending_;
  bool answersKept_ = false;  // this run wrote answers: worth a backup
  enum class Saying { Now, Later };
  Saying saying_ = Saying::Now;
  std::vector<std::function<void()>> waiting_;
};

}  // namespace dru
