// Answers into the history, and the history's faults out of the drill's way.
#include "app/history_recorder.h"

#include "core/text/translation.h"
#include "history/history_backup.h"
#include "history/history_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <unordered_map>
#include <unordered_set>

namespace dru {

HistoryRecorder::HistoryRecorder(Drill& drill, const Commands& commands, const Clock& clock,
                                 std::string path)
    : drill_(drill), commands_(commands), clock_(clock), path_(std::move(path)) {}

HistoryRecorder::~HistoryRecorder() {
  if (backup_.joinable()) backup_.join();
}

void HistoryRecorder::BackUpInBackground() {
  // A run that kept no answer has nothing new to keep safe.
  if (off_ || !store_ || store_->ReadOnly() || backup_.joinable()) return;
  if (!answersKept_ && pending_.empty()) return;
  backup_ = std::thread([this, day = LocalDate(clock_.UtcMilliseconds())] {
    // The window has closed: answers that waited for another program's
    // lock may wait longer now.
    try {
      store_->WaitForOthers(kCloseLockWaitMs);
      WritePending();
    } catch (const std::exception& error) {
      std::fprintf(stderr, "dru: %zu answer(s) could not be kept: %s\n", pending_.size(),
                   error.what());
    }
    if (!answersKept_) return;
    try {
      BackUpHistory(path_, day);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "dru: %s\n", error.what());
    }
  });
}

void HistoryRecorder::SayWhatTheLastBackupFound() {
  const BackupNotice found = TakeBackupNotice(path_);
  auto listed = [](const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
      list += (list.empty() ? "" : ", ") + name;
    return list;
  };
  std::string notice;
  if (!found.damage.empty()) {
    notice = found.good.empty()
                 ? Args(Tr("History",
                           "The history is damaged (%1) and was not backed up; no backup is "
                           "whole."),
                        {found.damage})
                 : Args(Tr("History",
                           "The history is damaged (%1) and was not backed up; whole backups: "
                           "%2."),
                        {found.damage, listed(found.good)});
  }
  if (!found.ahead.empty()) {
    notice += (notice.empty() ? "" : " ") +
              Args(Tr("History", "Backups dated after today are kept but not counted: %1."),
                   {listed(found.ahead)});
  }
  if (!notice.empty()) drill_.ShowNotice(notice);
}

HistoryStore* HistoryRecorder::Store() {
  if (off_) return nullptr;
  if (!store_) {
    store_ = HistoryStore::Open(path_);
    store_->WaitForOthers(kKeyLockWaitMs);
    if (!store_->MovedAside().empty()) SayMovedAside(store_->MovedAside());
    if (store_->ReadOnly()) {
      TurnOff(Args(Tr("History", "%1 was written by a newer dru and is only read"), {path_}));
      return nullptr;
    }
  }
  return store_.get();
}

KeptAnswer HistoryRecorder::Record(const DrillAnswer& answer) {
  // Called while the drill finishes an Enter: what the history has to say
  // waits until that is over (SayWhatWaits).
  saying_ = Saying::Later;
  const KeptAnswer kept = Keep(answer);
  saying_ = Saying::Now;
  return kept;
}

KeptAnswer HistoryRecorder::Keep(const DrillAnswer& answer) {
  AnswerRecord record;
  record.timeMs = clock_.UtcMilliseconds();
  record.file = commands_.CurrentFile().path;
  record.sentence = answer.sentence;
  record.correct = answer.correct;
  record.typingMs = answer.typingMs;
  record.keys = answer.keys;
  record.mistakes = answer.mistakes;
  record.caseSensitive = answer.caseSensitive;
  record.cue = answer.cue;
  record.slip = answer.slip;
  if (off_) return {};
  pending_.push_back(std::move(record));
  for (bool retried = false;; retried = true) {
    try {
      if (Store() == nullptr) return {};
      if (session_ == 0 || pending_.back().file != sessionFile_) {
        EndSession();
        session_ = store_->StartSession(pending_.back().file, pending_.back().timeMs);
        sessionFile_ = pending_.back().file;
      }
      return KeptAnswer{true, WritePending()};
    } catch (const HistoryError& error) {
      // Another program holds the file for a moment: the answer waits in
      // memory and goes in with the next one, or at the close.
      if (error.GetKind() == HistoryError::Kind::Busy) return {true, std::nullopt};
      if (!retried && Recover(error)) continue;
      TurnOff(error.what());
    } catch (const std::exception& error) {
      TurnOff(error.what());
    }
    pending_.clear();
    return {};
  }
}

std::optional<KeyedReview> HistoryRecorder::WritePending() {
  if (pending_.empty() || !store_) return std::nullopt;
  const std::optional<KeyedReview> review = store_->RecordMany(pending_);
  pending_.clear();
  answersKept_ = true;
  return review;
}

void HistoryRecorder::SayMovedAside(const std::string& aside) {
  const std::string notice = Args(
      Tr("History", "The history was damaged; it was moved aside as %1 and a new one started."),
      {aside});
  Say([this, notice] { drill_.ShowNotice(notice); });
}

bool HistoryRecorder::Recover(const HistoryError& error) {
  if (error.GetKind() != HistoryError::Kind::Damaged || !store_) return false;
  // Found damaged in use: moved aside with its journal, whole, and a new
  // history started, as opening does with a file damaged where it reads.
  store_->PrepareToMoveAside();
  store_.reset();
  session_ = 0;
  try {
    SayMovedAside(MoveAside(path_));
  } catch (const HistoryError& failure) {
    TurnOff(failure.what());
    return false;
  }
  return true;
}

bool HistoryRecorder::LoadReviews() {
  try {
    HistoryStore* store = Store();
    if (store == nullptr) return false;
    // Read on another thread while the drill keys its lines; the store is
    // used by that thread alone until it is done.
    const std::int64_t now = clock_.UtcMilliseconds();
    const DaySpan today{LocalMidnight(now), LocalMidnight(now, 1)};
    drill_.SetReviews([store, file = commands_.CurrentFile().path, today] {
      SentenceReviews reviews;
      store->Reviews(
          file, [&](const KeyedReview& review) { reviews.push_back(review); }, today);
      return reviews;
    });
    return true;
  } catch (const std::exception& error) {
    TurnOff(error.what());
    return false;
  }
}

ProgressReport HistoryRecorder::Report(bool everyDay) {
  // Called in the middle of opening a file or judging an answer: a fault
  // of the history turns it off, and whatever called goes on.
  for (bool retried = false;; retried = true) {
    try {
      return ReadReport(everyDay);
    } catch (const HistoryError& error) {
      if (!retried && Recover(error)) continue;
      TurnOff(error.what());
    } catch (const std::exception& error) {
      TurnOff(error.what());
    }
    store_.reset();
    break;
  }
  ProgressReport report;
  report.unavailable = OffText();
  return report;
}

std::string HistoryRecorder::OffText() const {
  return offReason_.empty() ? Tr("History", "History is off.")
                            : Args(Tr("History", "History is off: %1."), {offReason_});
}

ProgressReport HistoryRecorder::ReadReport(bool everyDay) {
  ProgressReport report;
  HistoryStore* store = Store();
  if (store == nullptr) {
    report.unavailable = OffText();
    // A history only read still has what it knew.
    if (!store_) return report;
    store = store_.get();
  }
  const std::string& file = commands_.CurrentFile().path;
  ListRows(*store, file, report);
  // Hardest first: the least share right (never typed last), then the most
  // typed.
  std::stable_sort(report.rows.begin(), report.rows.end(), [](const auto& a, const auto& b) {
    if ((a.typed == 0) != (b.typed == 0)) return b.typed == 0;
    if (a.typed != 0 && a.correct * b.typed != b.correct * a.typed) {
      return a.correct * b.typed < b.correct * a.typed;
    }
    return a.typed > b.typed;
  });
  // The medians are worked out from a day before the first recent date on:
  // enough for every recent day, whatever the time zone.
  const std::int64_t now = clock_.UtcMilliseconds();
  report.firstRecentDay = everyDay ? std::string() : LocalDate(now, kRecentDays - 1);
  report.days = store->Days(
      file,
      everyDay ? 0 : now - static_cast<std::int64_t>((kRecentDays + 1) * kMillisecondsPerDay));
  // The learning steps only while Recall is on: they read every answer.
  if (report.byHeart) store->CountSteps(file, report.days);
  const std::string today = LocalDate(clock_.UtcMilliseconds());
  for (const DayHistory& day : report.days) {
    report.bestSpeed = std::max(report.bestSpeed, day.bestSpeed);
    if (day.day == today) report.today = day;
  }
  report.today.day = today;
  return report;
}

// Every record of the file, each text once, with what the history knows;
// then the sentences that only the history has.
void HistoryRecorder::ListRows(const HistoryStore& store, const std::string& file,
                               ProgressReport& report) const {
  std::vector<SentenceHistory> sentences = store.Sentences(file, false);
  std::unordered_map<std::int64_t, SentenceHistory*> known;
  known.reserve(sentences.size());
  for (SentenceHistory& sentence : sentences)
    known.emplace(sentence.key, &sentence);
  const RecordList& lines = drill_.FileLines();
  std::unordered_set<std::int64_t> listed;
  listed.reserve(lines.Count());
  report.rows.reserve(lines.Count());
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    std::string_view line = lines.Get(i);
    if (line.empty()) continue;
    const bool marked = IsMarked(line);
    if (marked) line.remove_prefix(1);
    const std::int64_t key = SentenceKey(line);
    if (!listed.insert(key).second) continue;
    ProgressRow row;
    row.sentence = line;
    row.marked = marked;
    std::optional<double> stability;
    if (auto found = known.find(key); found != known.end()) {
      row.typed = found->second->typed;
      row.correct = found->second->correct;
      row.bestSpeed = found->second->bestSpeed;
      row.lastTimeMs = found->second->lastTimeMs;
      row.lastGrade = found->second->lastGrade;
      stability = found->second->stability;
      Foresee(row, *stability);
      row.retry = drill_.AwaitsRetry(line);
      known.erase(found);
    }
    row.level = drill_.NextLevel(line, stability);
    if (row.level) {
      // Known by heart: remembered long enough for the prompt alone.
      if (!report.byHeart) report.byHeart = 0;
      if (FadeLevel(stability) == CueLevel::PromptOnly) ++*report.byHeart;
    }
    report.rows.push_back(std::move(row));
  }
  for (const auto& [key, sentence] : known) {
    ProgressRow& gone = report.rows.emplace_back();
    gone.sentence = store.SentenceText(file, key);
    gone.inFile = false;
    gone.typed = sentence->typed;
    gone.correct = sentence->correct;
    gone.bestSpeed = sentence->bestSpeed;
    gone.lastTimeMs = sentence->lastTimeMs;
    gone.lastGrade = sentence->lastGrade;
    Foresee(gone, sentence->stability);
  }
}

void HistoryRecorder::Forget() {
  try {
    if (HistoryStore* store = Store()) store->Forget(commands_.CurrentFile().path);
  } catch (const std::exception& error) {
    TurnOff(error.what());
    store_.reset();
  }
}

std::optional<VoiceChoice> HistoryRecorder::Voice(const std::string& file) {
  try {
    if (HistoryStore* store = Store()) return store->Voice(file);
  } catch (const std::exception& error) {
    TurnOff(error.what());
    store_.reset();
  }
  return std::nullopt;
}

bool HistoryRecorder::KeepVoice(const std::string& file, const VoiceChoice& voice) {
  try {
    if (HistoryStore* store = Store()) {
      store->SetVoice(file, voice);
      return true;
    }
  } catch (const std::exception& error) {
    TurnOff(error.what());
    store_.reset();
  }
  return false;
}

void HistoryRecorder::Foresee(ProgressRow& row, double stability) const {
  const MemoryModel& model = TheMemoryModel();
  row.retrievability =
      model.Retrievability(stability, ElapsedDays(row.lastTimeMs, clock_.UtcMilliseconds()));
  row.nextReviewMs =
      row.lastTimeMs + std::llround(model.DueAfterDays(stability) * kMillisecondsPerDay);
  row.known = stability > kKnownDays;
}

void HistoryRecorder::TurnOff(const std::string& reason) {
  if (off_) return;  // said once
  off_ = true;
  offReason_ = reason;
  const std::string notice = OffText();
  Say([this, notice] { drill_.HistoryTurnedOff(notice); });
}

void HistoryRecorder::Say(std::function<void()> saying) {
  if (saying_ == Saying::Later) {
    waiting_.push_back(std::move(saying));
  } else {
    saying();
  }
}

void HistoryRecorder::SayWhatWaits() {
  for (const auto& saying : std::exchange(waiting_, {}))
    saying();
}

void HistoryRecorder::EndSession() noexcept {
  if (!store_ || session_ == 0) return;
  try {
    const DrillSnapshot clock = drill_.Snapshot();
    store_->EndSession(session_, clock_.UtcMilliseconds(),
                       clock.hours * 3600LL + clock.minutes * 60LL + clock.seconds);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "dru: the history's session was not closed: %s\n", error.what());
  }
  session_ = 0;
}

}  // namespace dru
