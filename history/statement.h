#pragma once

// The few pieces of SQLite's C interface the history uses, each failure
// thrown as a HistoryError.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "history/history_error.h"

namespace dru::sql {

inline std::string Reason(sqlite3* db) {
  return db != nullptr ? sqlite3_errmsg(db) : "out of memory";
}

// The connection's last failure as a HistoryError of its kind.
[[noreturn]] inline void Fail(sqlite3* db) {
  const int code = db != nullptr ? sqlite3_errcode(db) & 0xFF : SQLITE_NOMEM;
  const HistoryError::Kind kind =
      code == SQLITE_CORRUPT || code == SQLITE_NOTADB ? HistoryError::Kind::Damaged
      : code == SQLITE_BUSY || code == SQLITE_LOCKED  ? HistoryError::Kind::Busy
                                                      : HistoryError::Kind::Other;
  throw HistoryError(Reason(db), kind);
}

inline void Exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db);
}

// One prepared statement, finalized when it goes.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) Fail(db);
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
    Fail(db_);
  }
  std::int64_t Integer(int column) const { return sqlite3_column_int64(statement_, column); }
  // Ready to run again with new values.
  void Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  double Real(int column) const { return sqlite3_column_double(statement_, column); }
  int Columns() const { return sqlite3_column_count(statement_); }
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

}  // namespace dru::sql
