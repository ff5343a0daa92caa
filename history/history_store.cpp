// The history file: its schema, migrations and every statement on it.
#include "history_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

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
};
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

}  // namespace

std::unique_ptr<HistoryStore> HistoryStore::Open(const std::string& path) {
  MakeFolders(path);
  CreatePrivately(path);
  sqlite3* db = OpenDatabase(path, false);
  std::string movedAside;
  int version = UserVersion(db);
  if (version < 0) {
    // Kept for whoever wants to rescue it; the drill starts a new history.
    sqlite3_close(db);
    movedAside = path + ".corrupt-" + Today();
    if (std::rename(path.c_str(), movedAside.c_str()) != 0) {
      throw HistoryError(path + " is damaged and cannot be moved aside: " + std::strerror(errno));
    }
    std::remove((path + "-wal").c_str());
    std::remove((path + "-shm").c_str());
    CreatePrivately(path);
    db = OpenDatabase(path, false);
    version = UserVersion(db);
    if (version < 0) {
      sqlite3_close(db);
      throw HistoryError(path + " cannot be started anew");
    }
  }
  if (version > kSchemaVersion) {
    sqlite3_close(db);
    return std::unique_ptr<HistoryStore>(new HistoryStore(OpenDatabase(path, true), true, ""));
  }
  auto store = std::unique_ptr<HistoryStore>(new HistoryStore(db, false, movedAside));
  Exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
  if (version < kSchemaVersion) {
    Exec(db, "BEGIN IMMEDIATE");
    try {
      for (int step = version; step < kSchemaVersion; ++step)
        Exec(db, kMigrations[step]);
      Exec(db, ("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
      Exec(db, "COMMIT");
    } catch (const HistoryError&) {
      sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }
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
  Exec(db_, "BEGIN IMMEDIATE");
  try {
    Statement addSentence(db_,
                          "INSERT OR IGNORE INTO sentences (file, key, text) VALUES (?1, ?2, ?3)");
    Statement findSentence(db_, "SELECT id FROM sentences WHERE file = ?1 AND key = ?2");
    Statement addAnswer(db_,
                        "INSERT INTO answers (time, sentence, correct, typing_ms, keys, mistakes, "
                        "case_sensitive) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
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
    }
    Exec(db_, "COMMIT");
  } catch (const HistoryError&) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
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

std::vector<SentenceHistory> HistoryStore::Sentences(const std::string& file) const {
  Statement select(db_,
                   "SELECT s.key, s.text, count(*), sum(a.correct), max(a.time), "
                   "coalesce(round(max(CASE WHEN a.correct AND a.typing_ms > 0 "
                   "THEN a.keys * 60000.0 / a.typing_ms END)), 0) FROM answers a "
                   "JOIN sentences s ON a.sentence = s.id JOIN files f ON s.file = f.id "
                   "WHERE f.path = ?1 GROUP BY s.id ORDER BY s.id");
  select.Bind(1, file);
  std::vector<SentenceHistory> sentences;
  while (select.Step()) {
    sentences.push_back({select.Integer(0), select.Text(1), select.Integer(2), select.Integer(3),
                         select.Integer(4), select.Integer(5)});
  }
  return sentences;
}

std::vector<DayHistory> HistoryStore::Days(const std::string& file, std::int64_t sinceMs) const {
  // Speeds come sorted within each day, so that the median is the middle one.
  Statement select(db_,
                   "SELECT date(a.time / 1000, 'unixepoch', 'localtime') AS day, a.correct, "
                   "a.typing_ms, "
                   "CASE WHEN a.correct AND a.typing_ms > 0 THEN a.keys * 60000.0 / a.typing_ms "
                   "END AS speed FROM answers a JOIN sentences s ON a.sentence = s.id "
                   "JOIN files f ON s.file = f.id WHERE f.path = ?1 AND a.time >= ?2 "
                   "ORDER BY day, speed");
  select.Bind(1, file).Bind(2, sinceMs);
  std::vector<DayHistory> days;
  std::vector<double> speeds;
  auto finish = [&] {
    if (days.empty() || speeds.empty()) return;
    const std::size_t middle = speeds.size() / 2;
    const double median =
        speeds.size() % 2 == 1 ? speeds[middle] : (speeds[middle - 1] + speeds[middle]) / 2;
    days.back().medianSpeed = std::llround(median);
    days.back().bestSpeed = std::llround(speeds.back());
    speeds.clear();
  };
  while (select.Step()) {
    std::string day = select.Text(0);
    if (days.empty() || days.back().day != day) {
      finish();
      days.push_back({std::move(day)});
    }
    ++days.back().answers;
    days.back().typingMs += select.Integer(2);
    if (select.Integer(1) != 0) {
      ++days.back().correct;
      if (!select.IsNull(3)) speeds.push_back(select.Real(3));
    }
  }
  finish();
  return days;
}

void HistoryStore::Forget(const std::string& file) {
  if (readOnly_) return;
  Exec(db_, "BEGIN IMMEDIATE");
  try {
    for (const char* sql :
         {"DELETE FROM answers WHERE sentence IN (SELECT s.id FROM sentences s JOIN files f "
          "ON s.file = f.id WHERE f.path = ?1)",
          "DELETE FROM sentences WHERE file IN (SELECT id FROM files WHERE path = ?1)",
          "DELETE FROM sessions WHERE file IN (SELECT id FROM files WHERE path = ?1)"}) {
      Statement(db_, sql).Bind(1, file).Step();
    }
    Exec(db_, "COMMIT");
  } catch (const HistoryError&) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

std::int64_t SentenceKey(std::string_view text) noexcept {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return static_cast<std::int64_t>(hash);
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
