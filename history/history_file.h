#pragma once

// The history's file on disk, before and around SQLite: whose it is, told
// from its header by a plain read; its folder and files kept private; a
// damaged one moved aside with its journal.
#include <string>

namespace dru {

enum class HistoryFileKind {
  Absent,     // missing or empty: ours to make
  NotSqlite,  // no SQLite database: a history damaged beyond its header
  Ours,       // marked with dru's application id
  Unmarked,   // an SQLite database without an application id
  Foreign,    // another program's application id
};

// What is at path, from its first 100 bytes alone: nothing SQLite does
// can recover (and so change) another program's database before it is
// known not to be one. Throws HistoryError when path cannot be read.
HistoryFileKind KindOfHistoryFile(const std::string& path);

// For an Unmarked file: true when its tables are those of an earlier dru.
// Read as an immutable file, so that no journal is rolled back or
// checkpointed.
bool MadeByAnEarlierDru(const std::string& path);

// path as an SQLite URI that opens it immutable: read only, without locks
// and without looking at or making a journal (SQLITE_OPEN_URI).
std::string ImmutableUri(const std::string& path);

// Makes the missing folders of path 0700, the history's own folder 0700,
// and the file and any journal files of SQLite beside it 0600, so that
// SQLite makes its journals 0600 too.
void MakePrivate(const std::string& path);

// Renames path and its -wal and -shm to PATH.corrupt-DATE (and -wal,
// -shm); returns the new name. Throws HistoryError when it cannot.
std::string MoveAside(const std::string& path);

}  // namespace dru
