// The history file: where it is made, what is not dru's, and the schema
// with its migrations.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "core/text/translation.h"
#include "history/history_file.h"
#include "history/sqlite_history_store.h"
#include "history/statement.h"

namespace dru {
namespace {

using sql::Exec;
using sql::Reason;
using sql::Statement;

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
    // The memory model's same-day rule changed (a Hard answer no longer
    // lowers stability): no table changes, the states are replayed.
    R"sql(
      SELECT 1;
    )sql",
    // Typing from memory: each answer's level of recall (0: the whole
    // sentence, as every earlier answer), whether Recall was on, and the
    // hints taken. The speeds table's band becomes level * 5 + band, so
    // that the earlier bands are the whole sentence's.
    R"sql(
      ALTER TABLE answers ADD COLUMN level INTEGER NOT NULL DEFAULT 0;
      ALTER TABLE answers ADD COLUMN recall INTEGER NOT NULL DEFAULT 0;
      ALTER TABLE answers ADD COLUMN hints INTEGER NOT NULL DEFAULT 0;
    )sql",
    // Each answer's grade, 1 (Again) to 4 (Easy), and each sentence's last,
    // worked out for the earlier answers by replaying them, since a slip is
    // no longer Again; whether a sentence was ever answered right, read
    // with its state.
    R"sql(
      ALTER TABLE answers ADD COLUMN grade INTEGER NOT NULL DEFAULT 0;
      ALTER TABLE sentences ADD COLUMN last_grade INTEGER NOT NULL DEFAULT 0;
      DROP INDEX sentences_reviews;
      CREATE INDEX sentences_reviews ON sentences (file, key, last_time, stability, correct);
    )sql",
    // The voice each file is read aloud in.
    R"sql(
      ALTER TABLE files ADD COLUMN voice_locale TEXT;
      ALTER TABLE files ADD COLUMN voice_name TEXT;
      ALTER TABLE files ADD COLUMN voice_rate REAL;
    )sql",
};
// The version whose memory model the stored states follow: a file before
// it has them worked out again from its answers.
constexpr int kReviewVersion = 6;
static_assert(std::size(kMigrations) == SqliteHistoryStore::kSchemaVersion);

sqlite3* OpenDatabase(const std::string& path, bool readOnly) {
  sqlite3* db = nullptr;
  const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  if (sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    const std::string reason = Reason(db);
    sqlite3_close(db);
    throw HistoryError(Args(Tr("History", "cannot open %1: %2"), {path, reason}));
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

std::int64_t PragmaValue(sqlite3* db, const char* sql) {
  Statement pragma(db, sql);
  return pragma.Step() ? pragma.Integer(0) : 0;
}

[[noreturn]] void ForeignDatabase(const std::string& path) {
  throw HistoryError(Args(Tr("History",
                             "%1 is another program's database; dru left it as it "
                             "is and keeps no history until it is moved away"),
                          {path}));
}

}  // namespace

void KeepJournalOnClose(sqlite3* db, bool keep) {
  int persist = keep ? 1 : 0;
  sqlite3_file_control(db, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
  sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, keep ? 1 : 0, nullptr);
}

std::unique_ptr<SqliteHistoryStore> SqliteHistoryStore::Open(const std::string& path) {
  // Whose the file is, before any connection could recover its journal.
  std::string movedAside;
  const HistoryFileKind kind = KindOfHistoryFile(path);
  if (kind == HistoryFileKind::Foreign) ForeignDatabase(path);
  if (kind == HistoryFileKind::Unmarked && !MadeByAnEarlierDru(path)) ForeignDatabase(path);
  // Kept for whoever wants to rescue it, with its journal, whose pages may
  // be all that is left; the drill starts a new history.
  if (kind == HistoryFileKind::NotSqlite) movedAside = MoveAside(path);
  MakePrivate(path);
  try {
    return OpenOurs(path, movedAside);
  } catch (const HistoryError& error) {
    if (error.GetKind() != HistoryError::Kind::Damaged || !movedAside.empty()) throw;
  }
  // Damaged past its header: found while reading what opening reads.
  movedAside = MoveAside(path);
  MakePrivate(path);
  return OpenOurs(path, movedAside);
}

std::unique_ptr<SqliteHistoryStore> SqliteHistoryStore::OpenOurs(const std::string& path,
                                                                 const std::string& movedAside) {
  sqlite3* db = OpenDatabase(path, false);
  // Until the file is known to be whole, closing it must not fold a journal
  // that may hold all that is left into it, nor remove it.
  dru::KeepJournalOnClose(db, true);
  std::unique_ptr<SqliteHistoryStore> store;
  try {
    const int version = UserVersion(db);
    if (version < 0) throw HistoryError(Reason(db), HistoryError::Kind::Damaged);
    if (version > kSchemaVersion) {
      sqlite3_close(db);
      db = nullptr;
      return std::unique_ptr<SqliteHistoryStore>(
          new SqliteHistoryStore(OpenDatabase(path, true), true, ""));
    }
    dru::KeepJournalOnClose(db, false);
    store.reset(new SqliteHistoryStore(db, false, movedAside));
    db = nullptr;  // the store's now
    Exec(store->db_,
         "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
    const bool marked = PragmaValue(store->db_, "PRAGMA application_id") == kApplicationId;
    if (version < kSchemaVersion || !marked) {
      store->InTransaction([&] {
        for (int step = version; step < kSchemaVersion; ++step)
          Exec(store->db_, kMigrations[step]);
        if (version > 0 && version < kReviewVersion) store->ReplayAnswers();
        Exec(store->db_, ("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
        Exec(store->db_, ("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
      });
    }
    store->LoadSpeeds();
  } catch (const HistoryError& error) {
    if (error.GetKind() == HistoryError::Kind::Damaged)
      dru::KeepJournalOnClose(db ? db : store->db_, true);
    if (db != nullptr) sqlite3_close(db);
    throw;
  }
  return store;
}

}  // namespace dru
