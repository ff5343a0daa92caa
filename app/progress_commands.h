#pragma once

#include <cstdint>
#include <string>

#include "app/commands.h"
#include "app/dialogs.h"
#include "app/history_recorder.h"

namespace dru {

// The Progress window's commands, asking through Dialogs as every command
// does: Export as CSV and Forget History of This File. Errors throw
// UserError, for the error report.
class ProgressCommands {
 public:
  ProgressCommands(Commands& commands, Dialogs& dialogs, HistoryRecorder& history)
      : commands_(commands), dialogs_(dialogs), history_(history) {}

  // Asks where, NAME-progress.csv beside the sentence file first, and
  // writes csv there (rows: the sentences in it); false when cancelled.
  bool ExportCsv(const std::string& csv, std::int64_t rows);
  // Writes csv to path, unless path is a file dru uses under any name (the
  // sentence file, dru.ini, the history and its journals); asks before
  // replacing a file. Written as Save writes, and the status line says so.
  void ExportCsvTo(const std::string& path, const std::string& csv, std::int64_t rows);
  // Asks, with Cancel first, and removes the open file's answers (answers
  // of them); true when they went.
  bool ForgetHistory(std::int64_t answers);

 private:
  Commands& commands_;
  Dialogs& dialogs_;
  HistoryRecorder& history_;
};

}  // namespace dru
