// Daily copies of the history, through SQLite's online backup.
#include "history/history_backup.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "history/history_store.h"

namespace dru {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBackup = ".backup-";
constexpr std::string_view kUnfinished = ".partial";

// "2026-12-08": four digits, a dash, two, a dash, two.
bool IsDate(std::string_view text) {
  if (text.size() != 10) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

[[noreturn]] void Fail(const std::string& what, const std::string& reason) {
  throw HistoryError("the history's backup " + what + ": " + reason);
}

void SyncFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 || fsync(fd) != 0) {
    const int error = errno;
    if (fd >= 0) close(fd);
    Fail(path + " could not be flushed", std::strerror(error));
  }
  close(fd);
}

// Copies the database at from to the new file to, all pages in one step:
// a consistent copy even while dru writes to it.
void CopyDatabase(const std::string& from, const std::string& to) {
  sqlite3* source = nullptr;
  sqlite3* target = nullptr;
  std::string failure;
  if (sqlite3_open_v2(from.c_str(), &source, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    failure = sqlite3_errmsg(source);
  } else if (sqlite3_open_v2(to.c_str(), &target, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    failure = sqlite3_errmsg(target);
  } else {
    sqlite3_busy_timeout(source, 1000);
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (backup == nullptr) {
      failure = sqlite3_errmsg(target);
    } else {
      const int stepped = sqlite3_backup_step(backup, -1);
      sqlite3_backup_finish(backup);
      if (stepped != SQLITE_DONE) failure = sqlite3_errstr(stepped);
    }
  }
  sqlite3_close(source);
  sqlite3_close(target);
  if (!failure.empty()) Fail(to + " could not be written", failure);
}

}  // namespace

std::vector<std::string> HistoryBackups(const std::string& path) {
  const fs::path history(path);
  const std::string prefix = history.filename().string() + std::string(kBackup);
  std::vector<std::string> backups;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(history.parent_path(), error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + 10 && name.compare(0, prefix.size(), prefix) == 0 &&
        IsDate(std::string_view(name).substr(prefix.size()))) {
      backups.push_back(entry.path().string());
    }
  }
  std::sort(backups.begin(), backups.end());  // dates sort as text
  return backups;
}

std::string BackUpHistory(const std::string& path, const std::string& today) {
  const std::string backup = path + std::string(kBackup) + today;
  if (access(backup.c_str(), F_OK) == 0) return {};
  // A copy that a killed dru left half-written is not a backup.
  const std::string unfinished = backup + std::string(kUnfinished);
  unlink(unfinished.c_str());
  const int fd = open(unfinished.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) Fail(unfinished + " could not be made", std::strerror(errno));
  close(fd);
  try {
    CopyDatabase(path, unfinished);
    SyncFile(unfinished);
    if (std::rename(unfinished.c_str(), backup.c_str()) != 0) {
      Fail(backup + " could not be named", std::strerror(errno));
    }
  } catch (...) {
    unlink(unfinished.c_str());
    throw;
  }
  unlink((unfinished + "-journal").c_str());
  SyncFile(fs::path(path).parent_path().string());
  std::vector<std::string> backups = HistoryBackups(path);
  for (std::size_t i = 0; i + kKeptBackups < backups.size(); ++i)
    unlink(backups[i].c_str());
  return backup;
}

}  // namespace dru
