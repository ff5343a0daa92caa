// Every statement on the history: answers in, totals and reviews out.
#include "history/sqlite_history_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unordered_map>

#include "core/file/sentence_file.h"
#include "core/review/answer_review.h"
#include "core/review/typing_speed.h"
#include "core/text/text_encoding.h"
#include "history/statement.h"
#include "history/stored_answer.h"

namespace dru {
namespace {

using sql::Exec;
using sql::Reason;
using sql::Statement;
using sql::StoredCue;
using sql::StoredLevel;
using sql::StoredResult;

// The characters of a kept sentence's part to type, the part before a TAB:
// UTF-8 when it is valid UTF-8, else one byte a character.
std::int64_t PartLength(std::string_view sentence) {
  sentence = sentence.substr(0, sentence.find('\t'));
  const TextEncoding encoding =
      IsValidUtf8(sentence) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
  return static_cast<std::int64_t>(CharacterCount(sentence, encoding));
}

}  // namespace

std::unique_ptr<HistoryStore> HistoryStore::Open(const std::string& path) {
  return SqliteHistoryStore::Open(path);
}

SqliteHistoryStore::SqliteHistoryStore(sqlite3* db, bool readOnly, std::string movedAside)
    : db_(db), readOnly_(readOnly), movedAside_(std::move(movedAside)) {}

SqliteHistoryStore::~SqliteHistoryStore() {
  sqlite3_close(db_);
}

void SqliteHistoryStore::PrepareToMoveAside() {
  dru::KeepJournalOnClose(db_, true);
}

void SqliteHistoryStore::WaitForOthers(int milliseconds) {
  sqlite3_busy_timeout(db_, milliseconds);
}

std::int64_t SqliteHistoryStore::FileId(const std::string& file) {
  Statement(db_, "INSERT OR IGNORE INTO files (path) VALUES (?1)").Bind(1, file).Step();
  Statement select(db_, "SELECT id FROM files WHERE path = ?1");
  select.Bind(1, file).Step();
  return select.Integer(0);
}

namespace {

// The start of a sentence the history keeps, cut between characters should
// the cut fall in a UTF-8 sequence.
std::string_view KeptText(const std::string& sentence) {
  std::string_view kept = std::string_view(sentence).substr(0, kKeptBytes);
  while (kept.size() < sentence.size() && !kept.empty() &&
         (static_cast<unsigned char>(sentence[kept.size()]) & 0xC0) == 0x80) {
    kept.remove_suffix(1);
  }
  return kept;
}

}  // namespace

// The statements that keep an answer, prepared once for many.
struct SqliteHistoryStore::AnswerStatements {
  explicit AnswerStatements(sqlite3* db)
      : addSentence(db, "INSERT OR IGNORE INTO sentences (file, key, text) VALUES (?1, ?2, ?3)"),
        findSentence(db,
                     "SELECT id, typed, last_time, stability, difficulty FROM sentences "
                     "WHERE file = ?1 AND key = ?2"),
        addAnswer(db,
                  "INSERT INTO answers (time, sentence, correct, typing_ms, keys, mistakes, "
                  "case_sensitive, level, recall, hints, grade) "
                  "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)"),
        addToSentence(db,
                      "UPDATE sentences SET typed = typed + 1, correct = correct + ?2, "
                      "best_speed = max(best_speed, ?3), last_time = max(last_time, ?4), "
                      "stability = ?5, difficulty = ?6, last_grade = ?7 WHERE id = ?1"),
        addSpeed(db,
                 "INSERT INTO speeds (band, speed, answers) VALUES (?1, ?2, 1) "
                 "ON CONFLICT (band, speed) DO UPDATE SET answers = answers + 1"),
        addToDay(db,
                 "INSERT INTO days (file, day, answers, correct, typing_ms, best_speed) "
                 "VALUES (?1, date(?2 / 1000, 'unixepoch', 'localtime'), 1, ?3, ?4, ?5) "
                 "ON CONFLICT (file, day) DO UPDATE SET answers = answers + 1, "
                 "correct = correct + excluded.correct, "
                 "typing_ms = typing_ms + excluded.typing_ms, "
                 "best_speed = max(best_speed, excluded.best_speed)") {}
  Statement addSentence;
  Statement findSentence;
  Statement addAnswer;
  Statement addToSentence;
  Statement addSpeed;
  Statement addToDay;
};

std::optional<KeyedReview> SqliteHistoryStore::RecordMany(std::span<const AnswerRecord> answers) {
  if (readOnly_) return std::nullopt;
  std::optional<KeyedReview> last;
  InTransaction([&] {
    AnswerStatements statements(db_);
    std::string lastFile;
    std::int64_t file = 0;
    for (const AnswerRecord& answer : answers) {
      if (file == 0 || answer.file != lastFile) {
        file = FileId(answer.file);
        lastFile = answer.file;
      }
      last = RecordOne(statements, file, answer);
    }
  });
  return last;
}

KeyedReview SqliteHistoryStore::RecordOne(AnswerStatements& statements, std::int64_t file,
                                          const AnswerRecord& answer) {
  const std::int64_t key = SentenceKey(answer.sentence);
  statements.addSentence.Bind(1, file).Bind(2, key).Bind(3, KeptText(answer.sentence)).Step();
  statements.addSentence.Reset();
  Statement& found = statements.findSentence;
  found.Bind(1, file).Bind(2, key).Step();
  const std::int64_t sentence = found.Integer(0);
  const SentenceMemory before{
      {found.Real(3), found.Real(4)}, found.Integer(2), found.Integer(1) > 0};
  found.Reset();
  const AnswerOutcome outcome = ReviewAnswer(
      model_, speeds_, before,
      {answer.timeMs, answer.correct, answer.keys, answer.typingMs, answer.cue, answer.slip});
  const auto grade = static_cast<std::int64_t>(outcome.grade);
  statements.addAnswer.Bind(1, answer.timeMs)
      .Bind(2, sentence)
      .Bind(3, answer.correct ? 1 : 0)
      .Bind(4, answer.typingMs)
      .Bind(5, answer.keys)
      .Bind(6, answer.mistakes)
      .Bind(7, answer.caseSensitive ? 1 : 0)
      .Bind(8, static_cast<std::int64_t>(answer.cue.level))
      .Bind(9, answer.cue.recall ? 1 : 0)
      .Bind(10, answer.cue.hints)
      .Bind(11, grade)
      .Step();
  statements.addAnswer.Reset();
  const MemoryState& after = outcome.after.state;
  statements.addToSentence.Bind(1, sentence)
      .Bind(2, answer.correct ? 1 : 0)
      .Bind(3, outcome.speed)
      .Bind(4, answer.timeMs)
      .Bind(5, after.stability)
      .Bind(6, after.difficulty)
      .Bind(7, grade)
      .Step();
  statements.addToSentence.Reset();
  if (outcome.bookSpeed) {
    speeds_.Add(answer.keys, *outcome.bookSpeed, answer.cue.level);
    statements.addSpeed.Bind(1, SpeedBook::Slot(answer.cue.level, answer.keys))
        .Bind(2, *outcome.bookSpeed)
        .Step();
    statements.addSpeed.Reset();
  }
  statements.addToDay.Bind(1, file)
      .Bind(2, answer.timeMs)
      .Bind(3, answer.correct ? 1 : 0)
      .Bind(4, answer.typingMs)
      .Bind(5, outcome.speed)
      .Step();
  statements.addToDay.Reset();
  return KeyedReview{key, {outcome.after.lastTimeMs, after.stability}};
}

void SqliteHistoryStore::InTransaction(const std::function<void()>& work) {
  const SpeedBook speedsBefore = speeds_;
  Exec(db_, "BEGIN IMMEDIATE");
  try {
    work();
    Exec(db_, "COMMIT");
  } catch (const HistoryError&) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    speeds_ = speedsBefore;
    throw;
  }
}

void SqliteHistoryStore::LoadSpeeds() {
  speeds_ = SpeedBook();
  Statement select(db_, "SELECT band, speed, answers FROM speeds");
  while (select.Step()) {
    speeds_.Add(static_cast<int>(select.Integer(0)), select.Integer(1), select.Integer(2));
  }
}

void SqliteHistoryStore::WriteSpeeds() {
  Exec(db_, "DELETE FROM speeds");
  Statement add(db_, "INSERT INTO speeds (band, speed, answers) VALUES (?1, ?2, ?3)");
  for (int slot = 0; slot < SpeedBook::kSlots; ++slot) {
    for (const auto& [speed, answers] : speeds_.Speeds(slot)) {
      add.Bind(1, slot).Bind(2, speed).Bind(3, answers).Step();
      add.Reset();
    }
  }
}

void SqliteHistoryStore::ReplayAnswers() {
  tally_.reset();  // the grades it counted by may change
  speeds_ = SpeedBook();
  struct Replayed {
    SentenceMemory memory;
    Grade lastGrade = Grade::Again;
  };
  std::unordered_map<std::int64_t, Replayed> sentences;
  // The length a slip is measured by, of each sentence's text: for the
  // answers from before grades were kept, which alone need it.
  std::unordered_map<std::int64_t, std::int64_t> lengths;
  Statement answers(db_,
                    "SELECT sentence, time, correct, typing_ms, keys, level, recall, hints, grade, "
                    "mistakes, rowid FROM answers ORDER BY time, rowid");
  Statement text(db_, "SELECT text FROM sentences WHERE id = ?1");
  Statement keepGrade(db_, "UPDATE answers SET grade = ?2 WHERE rowid = ?1");
  while (answers.Step()) {
    const std::int64_t id = answers.Integer(0);
    AnswerFacts answer{answers.Integer(1), answers.Integer(2) != 0, answers.Integer(4),
                       answers.Integer(3), StoredCue(answers, 5)};
    const std::int64_t stored = answers.Integer(8);
    if (!answer.correct && stored != 0) {
      answer.slip = stored == static_cast<std::int64_t>(Grade::Hard);
    } else if (!answer.correct) {
      auto length = lengths.find(id);
      if (length == lengths.end()) {
        text.Bind(1, id);
        length = lengths.emplace(id, text.Step() ? PartLength(text.Text(0)) : 0).first;
        text.Reset();
      }
      answer.slip = IsSlip(answers.Integer(9), length->second);
    }
    Replayed& sentence = sentences[id];
    const AnswerOutcome outcome = ReviewAnswer(model_, speeds_, sentence.memory, answer);
    sentence.memory = outcome.after;
    sentence.lastGrade = outcome.grade;
    if (outcome.bookSpeed) speeds_.Add(answer.keys, *outcome.bookSpeed, answer.cue.level);
    if (stored != static_cast<std::int64_t>(outcome.grade)) {
      keepGrade.Bind(1, answers.Integer(10)).Bind(2, static_cast<std::int64_t>(outcome.grade));
      keepGrade.Step();
      keepGrade.Reset();
    }
  }
  Exec(db_, "UPDATE sentences SET stability = 0, difficulty = 0, last_grade = 0");
  Statement update(db_,
                   "UPDATE sentences SET stability = ?2, difficulty = ?3, last_grade = ?4 "
                   "WHERE id = ?1");
  for (const auto& [id, sentence] : sentences) {
    const MemoryState& state = sentence.memory.state;
    update.Bind(1, id)
        .Bind(2, state.stability)
        .Bind(3, state.difficulty)
        .Bind(4, static_cast<std::int64_t>(sentence.lastGrade))
        .Step();
    update.Reset();
  }
  WriteSpeeds();
}

void SqliteHistoryStore::RebuildReviews() {
  if (readOnly_) return;
  InTransaction([this] { ReplayAnswers(); });
}

void SqliteHistoryStore::Reviews(const std::string& file,
                                 const std::function<void(const KeyedReview&)>& each,
                                 DaySpan today) const {
  // Today's answers, in time order: each sentence's step after the last.
  std::unordered_map<std::int64_t, CueLevel> steps;
  Statement answers(db_,
                    "SELECT s.key, a.level, a.correct, a.hints, a.grade FROM answers a "
                    "INDEXED BY answers_by_time JOIN sentences s ON a.sentence = s.id "
                    "WHERE s.file = (SELECT id FROM files WHERE path = ?1) AND a.time >= ?2 "
                    "AND a.time < ?3 ORDER BY a.time, a.rowid");
  answers.Bind(1, file).Bind(2, today.fromMs).Bind(3, today.toMs);
  while (answers.Step())
    steps[answers.Integer(0)] = StepAfter(StoredLevel(answers, 1), StoredResult(answers, 2));
  // Every row has an answer; the index holds all that is read.
  Statement select(
      db_,
      "SELECT key, last_time, stability, correct > 0 FROM sentences "
      "INDEXED BY sentences_reviews WHERE file = (SELECT id FROM files WHERE path = ?1) "
      "ORDER BY key");
  select.Bind(1, file);
  while (select.Step()) {
    KeyedReview review{select.Integer(0), {select.Integer(1), select.Real(2)}};
    review.review.answeredRight = select.Integer(3) != 0;
    if (const auto step = steps.find(review.key); step != steps.end()) {
      review.review.stepToday = step->second;
    }
    each(review);
  }
}

std::optional<KeyedReview> SqliteHistoryStore::Review(const std::string& file,
                                                      std::int64_t key) const {
  Statement select(db_,
                   "SELECT key, last_time, stability FROM sentences WHERE file = (SELECT id "
                   "FROM files WHERE path = ?1) AND key = ?2");
  select.Bind(1, file).Bind(2, key);
  if (!select.Step()) return std::nullopt;
  return KeyedReview{select.Integer(0), {select.Integer(1), select.Real(2)}};
}

std::int64_t SqliteHistoryStore::StartSession(const std::string& file, std::int64_t timeMs) {
  if (readOnly_) return 0;
  Statement(db_, "INSERT INTO sessions (file, started) VALUES (?1, ?2)")
      .Bind(1, FileId(file))
      .Bind(2, timeMs)
      .Step();
  return sqlite3_last_insert_rowid(db_);
}

void SqliteHistoryStore::EndSession(std::int64_t session, std::int64_t timeMs,
                                    std::int64_t drillSeconds) {
  if (readOnly_ || session == 0) return;
  Statement(db_, "UPDATE sessions SET ended = ?2, drill_seconds = ?3 WHERE id = ?1")
      .Bind(1, session)
      .Bind(2, timeMs)
      .Bind(3, drillSeconds)
      .Step();
}

std::vector<SentenceHistory> SqliteHistoryStore::Sentences(const std::string& file,
                                                           bool withTexts) const {
  Statement select(
      db_, withTexts ? "SELECT key, text, typed, correct, last_time, "
                       "round(best_speed), stability, last_grade FROM sentences WHERE file = "
                       "(SELECT id FROM files WHERE path = ?1) AND typed > 0 ORDER BY id"
                     : "SELECT key, NULL, typed, correct, last_time, "
                       "round(best_speed), stability, last_grade FROM sentences WHERE file = "
                       "(SELECT id FROM files WHERE path = ?1) AND typed > 0");
  select.Bind(1, file);
  std::vector<SentenceHistory> sentences;
  while (select.Step()) {
    const std::int64_t grade = std::clamp<std::int64_t>(select.Integer(7), 1, 4);
    sentences.push_back({select.Integer(0), select.Text(1), select.Integer(2), select.Integer(3),
                         select.Integer(4), select.Integer(5), select.Real(6),
                         static_cast<Grade>(grade)});
  }
  return sentences;
}

std::string SqliteHistoryStore::SentenceText(const std::string& file, std::int64_t key) const {
  Statement select(db_,
                   "SELECT text FROM sentences WHERE file = (SELECT id FROM files WHERE path = ?1) "
                   "AND key = ?2");
  select.Bind(1, file).Bind(2, key);
  return select.Step() ? select.Text(0) : std::string();
}

std::string DefaultHistoryPath() {
  const char* data = std::getenv("XDG_DATA_HOME");
  std::string folder;
  if (data != nullptr && data[0] == '/') {
    folder = data;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home != nullptr ? home : "") + "/.local/share";
  }
  return folder + "/dru/history.sqlite3";
}

}  // namespace dru
