#pragma once

#include <string>
#include <vector>

namespace dru {

// Copies of the history beside it, one a day at most, made with SQLite's
// online backup so that a history in use is copied whole: PATH.backup-DATE,
// DATE as 2026-12-08, readable only by the user. Only the newest
// kKeptBackups are kept.
inline constexpr int kKeptBackups = 3;

// Backs up the history at path unless a backup of today (local date,
// "YYYY-MM-DD") is there. Returns the backup's path, or "" when there was
// one already. The copy is written under a temporary name and renamed
// only when whole. Throws HistoryError.
std::string BackUpHistory(const std::string& path, const std::string& today);

// Backups up to today's are kept and rotated; a copy that fails SQLite's
// quick check is not kept (it throws Damaged), and one dated after today
// is neither counted nor deleted. Either finding is kept for the next
// start, which takes it once:
struct BackupNotice {
  std::string damage;              // what the quick check found; "" when whole
  std::vector<std::string> good;   // with damage: the backups that pass the check
  std::vector<std::string> ahead;  // backups dated after the day of the last backup
};
BackupNotice TakeBackupNotice(const std::string& path);

// The backups of the history at path, oldest first.
std::vector<std::string> HistoryBackups(const std::string& path);

}  // namespace dru
