// The history file: its schema, migrations and every statement on it.
#include "history_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unordered_map>

namespace dru {
namespace {

// The schema, one step per version: step i takes a file from version i to
// i + 1. A released step never changes; a new version adds a step.
constexpr const char* kMigrations[] = {
    R"sql(
      CREATE TABLE files (
        id INTEGER PRIMARY KEY,
        path BLOB NOT NULL UNIQUE);
      CREATE TABLE sentences (
        id INTEGER PRIMARY KEY,
        file INTEGER NOT NULL REFERENCES files(id),
        key INTEGER NOT NULL,
        text BLOB NOT NULL,
        UNIQUE (file, key));
      CREATE TABLE answers (
        time INTEGER NOT NULL,
        sentence INTEGER NOT NULL REFERENCES sentences(id),
        correct INTEGER NOT NULL,
        typing_ms INTEGER NOT NULL,
        keys INTEGER NOT NULL,
        mistakes INTEGER NOT NULL,
        case_sensitive INTEGER NOT NULL);
      CREATE INDEX answers_by_sentence ON answers (sentence, time);
      CREATE TABLE sessions (
        id INTEGER PRIMARY KEY,
        file INTEGER NOT NULL REFERENCES files(id),
        started INTEGER NOT NULL,
        ended INTEGER,
        drill_seconds INTEGER);
    )sql",
    // Totals kept as answers come, so that the Progress window reads them
    // without going through every answer; rebuilt here from the answers.
    R"sql(
      ALTER TABLE sentences ADD COLUMN typed INTEGER NOT NULL DEFAULT 0;
      ALTER TABLE sentences ADD COLUMN correct INTEGER NOT NULL DEFAULT 0;
      ALTER TABLE sentences ADD COLUMN best_speed REAL NOT NULL DEFAULT 0;
      ALTER TABLE sentences ADD COLUMN last_time INTEGER NOT NULL DEFAULT 0;
      UPDATE sentences SET
        typed = (SELECT count(*) FROM answers a WHERE a.sentence = sentences.id),
        correct = (SELECT coalesce(sum(a.correct), 0) FROM answers a
                   WHERE a.sentence = sentences.id),
        best_speed = (SELECT coalesce(max(a.keys * 60000.0 / a.typing_ms), 0) FROM answers a
                      WHERE a.sentence = sentences.id AND a.correct AND a.typing_ms > 0),
        last_time = (SELECT coalesce(max(a.time), 0) FROM answers a
                     WHERE a.sentence = sentences.id);
      CREATE TABLE days (
        file INTEGER NOT NULL REFERENCES files(id),
        day TEXT NOT NULL,
        answers INTEGER NOT NULL,
        correct INTEGER NOT NULL,
        typing_ms INTEGER NOT NULL,
        best_speed REAL NOT NULL,
        PRIMARY KEY (file, day)) WITHOUT ROWID;
      INSERT INTO days
        SELECT s.file, date(a.time / 1000, 'unixepoch', 'localtime'), count(*), sum(a.correct),
               sum(a.typing_ms),
               coalesce(max(CASE WHEN a.correct AND a.typing_ms > 0
                            THEN a.keys * 60000.0 / a.typing_ms END), 0)
        FROM answers a JOIN sentences s ON a.sentence = s.id
        GROUP BY s.file, date(a.time / 1000, 'unixepoch', 'localtime');
      CREATE INDEX answers_by_time ON answers (time);
    )sql",
    // The memory model's state of each sentence as of its last answer, and
    // the user's speeds by sentence length that grade the answers; both
    // rebuilt from the answers after this step.
    R"sql(
      ALTER TABLE sentences ADD COLUMN stability REAL NOT NULL DEFAULT 0;
      ALTER TABLE sentences ADD COLUMN difficulty REAL NOT NULL DEFAULT 0;
      CREATE TABLE speeds (
        band INTEGER NOT NULL,
        speed INTEGER NOT NULL,
        answers INTEGER NOT NULL,
        PRIMARY KEY (band, speed)) WITHOUT ROWID;
      CREATE INDEX sentences_reviews ON sentences (file, key, last_time, stability);
    )sql",
};
// The first version that keeps the memory model's state.
constexpr int kReviewVersion = 3;
static_assert(std::size(kMigrations) == HistoryStore::kSchemaVersion);

std::string Reason(sqlite3* db) {
  return db != nullptr ? sqlite3_errmsg(db) : "out of memory";
}

void Exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) throw HistoryError(Reason(db));
}

// One prepared statement, finalized when it goes.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) {
      throw HistoryError(Reason(db));
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, std::int64_t value) {
    sqlite3_bind_int64(statement_, index, value);
    return *this;
  }
  Statement& Bind(int index, int value) { return Bind(index, static_cast<std::int64_t>(value)); }
  Statement& Bind(int index, double value) {
    sqlite3_bind_double(statement_, index, value);
    return *this;
  }
  Statement& Bind(int index, std::string_view text) {
    sqlite3_bind_blob64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT);
    return *this;
  }
  // True while there is a row to read.
  bool Step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    throw HistoryError(Reason(db_));
  }
  std::int64_t Integer(int column) const { return sqlite3_column_int64(statement_, column); }
  // Ready to run again with new values.
  void Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  double Real(int column) const { return sqlite3_column_double(statement_, column); }
  bool IsNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
  std::string Text(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return bytes != nullptr ? std::string(bytes, sqlite3_column_bytes(statement_, column))
                            : std::string();
  }

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

// Makes each missing folder of path with mode 0700.
void MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
      throw HistoryError("cannot make " + folder + ": " + std::strerror(errno));
    }
  }
}

sqlite3* OpenDatabase(const std::string& path, bool readOnly) {
  sqlite3* db = nullptr;
  const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  if (sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    const std::string reason = Reason(db);
    sqlite3_close(db);
    throw HistoryError("cannot open " + path + ": " + reason);
  }
  sqlite3_busy_timeout(db, 1000);
  return db;
}

// The schema version, or -1 when the file is no SQLite database.
int UserVersion(sqlite3* db) {
  sqlite3_stmt* statement = nullptr;
  int result = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr);
  int version = -1;
  if (result == SQLITE_OK && (result = sqlite3_step(statement)) == SQLITE_ROW) {
    version = sqlite3_column_int(statement, 0);
  }
  sqlite3_finalize(statement);
  if (result == SQLITE_NOTADB || result == SQLITE_CORRUPT) return -1;
  if (version < 0) throw HistoryError(Reason(db));
  return version;
}

enum class Ownership {
  Ours,      // marked with dru's application id
  Unmarked,  // new and empty, or written by a dru before the mark
  Foreign,   // anything else
};

std::int64_t PragmaValue(sqlite3* db, const char* sql) {
  Statement pragma(db, sql);
  return pragma.Step() ? pragma.Integer(0) : 0;
}

Ownership OwnerOf(sqlite3* db) {
  const std::int64_t id = PragmaValue(db, "PRAGMA application_id");
  if (id == HistoryStore::kApplicationId) return Ownership::Ours;
  if (id != 0) return Ownership::Foreign;
  const std::int64_t objects = PragmaValue(db, "SELECT count(*) FROM sqlite_master");
  if (objects == 0 && PragmaValue(db, "PRAGMA user_version") == 0) return Ownership::Unmarked;
  // The tables every dru has made since the first.
  const std::int64_t ours =
      PragmaValue(db,
                  "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                  "('files', 'sentences', 'answers', 'sessions')");
  const bool earlierDru = ours == 4 && PragmaValue(db, "PRAGMA user_version") > 0;
  return earlierDru ? Ownership::Unmarked : Ownership::Foreign;
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char date[32];
  std::strftime(date, sizeof date, "%Y%m%d-%H%M%S", &utc);
  return date;
}

// Only the user reads the history: the file, and SQLite's journal files
// after it, are made 0600.
void CreatePrivately(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) throw HistoryError("cannot open " + path + ": " + std::strerror(errno));
  close(fd);
}

double SpeedOf(std::int64_t keys, std::int64_t typingMs) {
  return static_cast<double>(keys) * 60000.0 / static_cast<double>(typingMs);
}

// A right answer without a time to measure its speed by is Good.
Grade GradeAnswer(const SpeedBook& speeds, bool correct, std::int64_t keys, std::int64_t typingMs) {
  if (correct && typingMs <= 0) return Grade::Good;
  return speeds.GradeOf(correct, keys, correct ? SpeedOf(keys, typingMs) : 0.0);
}

// A clock set back counts as no time passed.
double ElapsedDays(std::int64_t fromMs, std::int64_t toMs) {
  return static_cast<double>(std::max<std::int64_t>(toMs - fromMs, 0)) /
         review::kMillisecondsPerDay;
}

}  // namespace

std::unique_ptr<HistoryStore> HistoryStore::Open(const std::string& path) {
  MakeFolders(path);
  CreatePrivately(path);
  sqlite3* db = OpenDatabase(path, false);
  // A damaged file's journal may hold all that is left: SQLite must not
  // remove it on closing before it is moved aside with the file.
  int persistWal = 1;
  sqlite3_file_control(db, "main", SQLITE_FCNTL_PERSIST_WAL, &persistWal);
  std::string movedAside;
  int version = UserVersion(db);
  persistWal = 0;
  if (version >= 0) sqlite3_file_control(db, "main", SQLITE_FCNTL_PERSIST_WAL, &persistWal);
  if (version < 0) {
    // Kept for whoever wants to rescue it, with its journal, whose pages
    // may be all that is left; the drill starts a new history.
    sqlite3_close(db);
    movedAside = path + ".corrupt-" + Today();
    if (std::rename(path.c_str(), movedAside.c_str()) != 0) {
      throw HistoryError(path + " is damaged and cannot be moved aside: " + std::strerror(errno));
    }
    for (const char* journal : {"-wal", "-shm"})
      std::rename((path + journal).c_str(), (movedAside + journal).c_str());
    CreatePrivately(path);
    db = OpenDatabase(path, false);
    version = UserVersion(db);
    if (version < 0) {
      sqlite3_close(db);
      throw HistoryError(path + " cannot be started anew");
    }
  }
  // Another program's database at our path is not ours to change: not
  // even its journal mode.
  const Ownership owner = OwnerOf(db);
  if (owner == Ownership::Foreign) {
    sqlite3_close(db);
    throw HistoryError(path +
                       " is another program's database; dru left it as it is and keeps no "
                       "history until it is moved away");
  }
  if (version > kSchemaVersion) {
    sqlite3_close(db);
    return std::unique_ptr<HistoryStore>(new HistoryStore(OpenDatabase(path, true), true, ""));
  }
  auto store = std::unique_ptr<HistoryStore>(new HistoryStore(db, false, movedAside));
  Exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
  if (version < kSchemaVersion || owner != Ownership::Ours) {
    Exec(db, "BEGIN IMMEDIATE");
    try {
      for (int step = version; step < kSchemaVersion; ++step)
        Exec(db, kMigrations[step]);
      if (version > 0 && version < kReviewVersion) store->ReplayAnswers();
      Exec(db, ("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
      Exec(db, ("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
      Exec(db, "COMMIT");
    } catch (const HistoryError&) {
      sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }
  store->LoadSpeeds();
  return store;
}

HistoryStore::HistoryStore(sqlite3* db, bool readOnly, std::string movedAside)
    : db_(db), readOnly_(readOnly), movedAside_(std::move(movedAside)) {}

HistoryStore::~HistoryStore() {
  sqlite3_close(db_);
}

std::int64_t HistoryStore::FileId(const std::string& file) {
  Statement(db_, "INSERT OR IGNORE INTO files (path) VALUES (?1)").Bind(1, file).Step();
  Statement select(db_, "SELECT id FROM files WHERE path = ?1");
  select.Bind(1, file).Step();
  return select.Integer(0);
}

void HistoryStore::RecordMany(std::span<const AnswerRecord> answers) {
  if (readOnly_) return;
  InTransaction([&] {
    Statement addSentence(db_,
                          "INSERT OR IGNORE INTO sentences (file, key, text) VALUES (?1, ?2, ?3)");
    Statement findSentence(db_,
                           "SELECT id, typed, last_time, stability, difficulty FROM sentences "
                           "WHERE file = ?1 AND key = ?2");
    Statement addAnswer(db_,
                        "INSERT INTO answers (time, sentence, correct, typing_ms, keys, mistakes, "
                        "case_sensitive) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    Statement addToSentence(db_,
                            "UPDATE sentences SET typed = typed + 1, correct = correct + ?2, "
                            "best_speed = max(best_speed, ?3), last_time = max(last_time, ?4), "
                            "stability = ?5, difficulty = ?6 WHERE id = ?1");
    Statement addSpeed(db_,
                       "INSERT INTO speeds (band, speed, answers) VALUES (?1, ?2, 1) "
                       "ON CONFLICT (band, speed) DO UPDATE SET answers = answers + 1");
    Statement addToDay(db_,
                       "INSERT INTO days (file, day, answers, correct, typing_ms, best_speed) "
                       "VALUES (?1, date(?2 / 1000, 'unixepoch', 'localtime'), 1, ?3, ?4, ?5) "
                       "ON CONFLICT (file, day) DO UPDATE SET answers = answers + 1, "
                       "correct = correct + excluded.correct, "
                       "typing_ms = typing_ms + excluded.typing_ms, "
                       "best_speed = max(best_speed, excluded.best_speed)");
    std::string lastFile;
    std::int64_t file = 0;
    for (const AnswerRecord& answer : answers) {
      if (file == 0 || answer.file != lastFile) {
        file = FileId(answer.file);
        lastFile = answer.file;
      }
      const std::int64_t key = SentenceKey(answer.sentence);
      std::string_view kept = std::string_view(answer.sentence).substr(0, kKeptBytes);
      // Cut between characters, should the cut fall in a UTF-8 sequence.
      while (kept.size() < answer.sentence.size() && !kept.empty() &&
             (static_cast<unsigned char>(answer.sentence[kept.size()]) & 0xC0) == 0x80) {
        kept.remove_suffix(1);
      }
      addSentence.Bind(1, file).Bind(2, key).Bind(3, kept).Step();
      addSentence.Reset();
      findSentence.Bind(1, file).Bind(2, key).Step();
      const std::int64_t sentence = findSentence.Integer(0);
      const bool reviewed = findSentence.Integer(1) > 0;
      const std::int64_t lastTime = findSentence.Integer(2);
      const MemoryState before{findSentence.Real(3), findSentence.Real(4)};
      findSentence.Reset();
      addAnswer.Bind(1, answer.timeMs)
          .Bind(2, sentence)
          .Bind(3, answer.correct ? 1 : 0)
          .Bind(4, answer.typingMs)
          .Bind(5, answer.keys)
          .Bind(6, answer.mistakes)
          .Bind(7, answer.caseSensitive ? 1 : 0)
          .Step();
      addAnswer.Reset();
      const double speed =
          answer.correct && answer.typingMs > 0 ? SpeedOf(answer.keys, answer.typingMs) : 0.0;
      const Grade grade = GradeAnswer(speeds_, answer.correct, answer.keys, answer.typingMs);
      const MemoryState after =
          reviewed ? review::Next(before, ElapsedDays(lastTime, answer.timeMs), grade)
                   : review::First(grade);
      addToSentence.Bind(1, sentence)
          .Bind(2, answer.correct ? 1 : 0)
          .Bind(3, speed)
          .Bind(4, answer.timeMs)
          .Bind(5, after.stability)
          .Bind(6, after.difficulty)
          .Step();
      addToSentence.Reset();
      if (speed > 0) {
        speeds_.Add(answer.keys, speed);
        addSpeed.Bind(1, SpeedBook::Band(answer.keys))
            .Bind(2, static_cast<std::int64_t>(std::llround(speed)))
            .Step();
        addSpeed.Reset();
      }
      addToDay.Bind(1, file)
          .Bind(2, answer.timeMs)
          .Bind(3, answer.correct ? 1 : 0)
          .Bind(4, answer.typingMs)
          .Bind(5, speed)
          .Step();
      addToDay.Reset();
    }
  });
}

void HistoryStore::InTransaction(const std::function<void()>& work) {
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

void HistoryStore::LoadSpeeds() {
  speeds_ = SpeedBook();
  Statement select(db_, "SELECT band, speed, answers FROM speeds");
  while (select.Step()) {
    speeds_.Add(static_cast<int>(select.Integer(0)), select.Integer(1), select.Integer(2));
  }
}

void HistoryStore::WriteSpeeds() {
  Exec(db_, "DELETE FROM speeds");
  Statement add(db_, "INSERT INTO speeds (band, speed, answers) VALUES (?1, ?2, ?3)");
  for (int band = 0; band < SpeedBook::kBands; ++band) {
    for (const auto& [speed, answers] : speeds_.Speeds(band)) {
      add.Bind(1, band).Bind(2, speed).Bind(3, answers).Step();
      add.Reset();
    }
  }
}

void HistoryStore::ReplayAnswers() {
  speeds_ = SpeedBook();
  struct Replayed {
    MemoryState state;
    std::int64_t lastTime = 0;
  };
  std::unordered_map<std::int64_t, Replayed> sentences;
  Statement answers(db_,
                    "SELECT sentence, time, correct, typing_ms, keys FROM answers "
                    "ORDER BY time, rowid");
  while (answers.Step()) {
    const std::int64_t time = answers.Integer(1);
    const bool correct = answers.Integer(2) != 0;
    const std::int64_t typingMs = answers.Integer(3);
    const std::int64_t keys = answers.Integer(4);
    const Grade grade = GradeAnswer(speeds_, correct, keys, typingMs);
    auto [entry, first] = sentences.try_emplace(answers.Integer(0));
    Replayed& sentence = entry->second;
    sentence.state =
        first ? review::First(grade)
              : review::Next(sentence.state, ElapsedDays(sentence.lastTime, time), grade);
    sentence.lastTime = std::max(sentence.lastTime, time);
    if (correct && typingMs > 0) speeds_.Add(keys, SpeedOf(keys, typingMs));
  }
  Exec(db_, "UPDATE sentences SET stability = 0, difficulty = 0");
  Statement update(db_, "UPDATE sentences SET stability = ?2, difficulty = ?3 WHERE id = ?1");
  for (const auto& [id, sentence] : sentences) {
    update.Bind(1, id).Bind(2, sentence.state.stability).Bind(3, sentence.state.difficulty).Step();
    update.Reset();
  }
  WriteSpeeds();
}

void HistoryStore::RebuildReviews() {
  if (readOnly_) return;
  InTransaction([this] { ReplayAnswers(); });
}

void HistoryStore::Reviews(const std::string& file,
                           const std::function<void(const ReviewHistory&)>& each) const {
  // Every row has an answer; the index holds all that is read.
  Statement select(db_,
                   "SELECT key, last_time, stability FROM sentences INDEXED BY sentences_reviews "
                   "WHERE file = (SELECT id FROM files WHERE path = ?1) ORDER BY key");
  select.Bind(1, file);
  while (select.Step())
    each({select.Integer(0), select.Integer(1), select.Real(2)});
}

std::optional<ReviewHistory> HistoryStore::Review(const std::string& file, std::int64_t key) const {
  Statement select(db_,
                   "SELECT key, last_time, stability FROM sentences WHERE file = (SELECT id "
                   "FROM files WHERE path = ?1) AND key = ?2");
  select.Bind(1, file).Bind(2, key);
  if (!select.Step()) return std::nullopt;
  return ReviewHistory{select.Integer(0), select.Integer(1), select.Real(2)};
}

std::int64_t HistoryStore::StartSession(const std::string& file, std::int64_t timeMs) {
  if (readOnly_) return 0;
  Statement(db_, "INSERT INTO sessions (file, started) VALUES (?1, ?2)")
      .Bind(1, FileId(file))
      .Bind(2, timeMs)
      .Step();
  return sqlite3_last_insert_rowid(db_);
}

void HistoryStore::EndSession(std::int64_t session, std::int64_t timeMs,
                              std::int64_t drillSeconds) {
  if (readOnly_ || session == 0) return;
  Statement(db_, "UPDATE sessions SET ended = ?2, drill_seconds = ?3 WHERE id = ?1")
      .Bind(1, session)
      .Bind(2, timeMs)
      .Bind(3, drillSeconds)
      .Step();
}

std::vector<SentenceHistory> HistoryStore::Sentences(const std::string& file,
                                                     bool withTexts) const {
  Statement select(db_, withTexts
                            ? "SELECT key, text, typed, correct, last_time, "
                              "round(best_speed), stability FROM sentences WHERE file = (SELECT id "
                              "FROM files WHERE path = ?1) AND typed > 0 ORDER BY id"
                            : "SELECT key, NULL, typed, correct, last_time, "
                              "round(best_speed), stability FROM sentences WHERE file = (SELECT id "
                              "FROM files WHERE path = ?1) AND typed > 0");
  select.Bind(1, file);
  std::vector<SentenceHistory> sentences;
  while (select.Step()) {
    sentences.push_back({select.Integer(0), select.Text(1), select.Integer(2), select.Integer(3),
                         select.Integer(4), select.Integer(5), select.Real(6)});
  }
  return sentences;
}

std::string HistoryStore::SentenceText(const std::string& file, std::int64_t key) const {
  Statement select(db_,
                   "SELECT text FROM sentences WHERE file = (SELECT id FROM files WHERE path = ?1) "
                   "AND key = ?2");
  select.Bind(1, file).Bind(2, key);
  return select.Step() ? select.Text(0) : std::string();
}

std::vector<DayHistory> HistoryStore::Days(const std::string& file, std::int64_t sinceMs) const {
  Statement totals(db_,
                   "SELECT day, answers, correct, typing_ms, round(best_speed) FROM days "
                   "WHERE file = (SELECT id FROM files WHERE path = ?1) ORDER BY day");
  totals.Bind(1, file);
  std::vector<DayHistory> days;
  while (totals.Step()) {
    days.push_back({totals.Text(0), totals.Integer(1), totals.Integer(2), totals.Integer(3), 0,
                    totals.Integer(4)});
  }
  // The medians need every speed of a day: only for the days asked for.
  // Today's distance from UTC for every day: converting each answer's time
  // to local time on its own would cost more than all the rest.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // Answers come in time order; each day's speeds are sorted here.
  Statement speeds(db_,
                   "SELECT a.time, a.keys * 60000.0 / a.typing_ms FROM answers a "
                   "INDEXED BY answers_by_time JOIN sentences s ON a.sentence = s.id "
                   "WHERE s.file = (SELECT id FROM files WHERE path = ?1) AND a.time >= ?2 "
                   "AND a.correct AND a.typing_ms > 0 ORDER BY a.time");
  speeds.Bind(1, file).Bind(2, sinceMs);
  const std::int64_t offset = local.tm_gmtoff;
  std::vector<double> day;
  std::int64_t current = -1;  // days since 1970, local
  auto finish = [&] {
    if (day.empty()) return;
    std::sort(day.begin(), day.end());
    const std::size_t middle = day.size() / 2;
    const double median = day.size() % 2 == 1 ? day[middle] : (day[middle - 1] + day[middle]) / 2;
    const std::time_t noon = static_cast<std::time_t>(current * 86400 + 43200);
    std::tm date{};
    gmtime_r(&noon, &date);
    char name[16];
    std::strftime(name, sizeof name, "%Y-%m-%d", &date);
    for (DayHistory& total : days) {
      if (total.day == name) total.medianSpeed = std::llround(median);
    }
    day.clear();
  };
  while (speeds.Step()) {
    const std::int64_t seconds = speeds.Integer(0) / 1000 + offset;
    const std::int64_t index = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    if (index != current) {
      finish();
      current = index;
    }
    day.push_back(speeds.Real(1));
  }
  finish();
  return days;
}

void HistoryStore::Forget(const std::string& file) {
  if (readOnly_) return;
  InTransaction([&] {
    for (const char* sql :
         {"DELETE FROM answers WHERE sentence IN (SELECT s.id FROM sentences s JOIN files f "
          "ON s.file = f.id WHERE f.path = ?1)",
          "DELETE FROM sentences WHERE file IN (SELECT id FROM files WHERE path = ?1)",
          "DELETE FROM days WHERE file IN (SELECT id FROM files WHERE path = ?1)",
          "DELETE FROM sessions WHERE file IN (SELECT id FROM files WHERE path = ?1)"}) {
      Statement(db_, sql).Bind(1, file).Step();
    }
    // The speeds that grade answers are the user's over every file: counted
    // again without the forgotten ones.
    speeds_ = SpeedBook();
    Statement speeds(db_, "SELECT keys, typing_ms FROM answers WHERE correct AND typing_ms > 0");
    while (speeds.Step())
      speeds_.Add(speeds.Integer(0), SpeedOf(speeds.Integer(0), speeds.Integer(1)));
    WriteSpeeds();
  });
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
