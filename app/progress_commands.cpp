// Export as CSV and Forget History of This File.
#include "app/progress_commands.h"

#include <algorithm>
#include <climits>

#include "app/csv_export.h"
#include "app/settings.h"
#include "core/file/io_error.h"
#include "core/file/safe_file_writer.h"
#include "core/text/translation.h"

namespace dru {
namespace {}  // namespace

bool ProgressCommands::ExportCsv(const std::string& csv, std::int64_t rows) {
  const std::string& sentenceFile = commands_.CurrentFile().path;
  const std::size_t slash = sentenceFile.rfind('/');
  std::string name = FileName(sentenceFile);
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
    name.resize(dot);
  const std::string folder =
      slash == std::string::npos ? commands_.StartDir() : sentenceFile.substr(0, slash + 1);
  const std::optional<std::string> chosen = dialogs_.RunSaveDialog(
      Tr("Progress", "Export as CSV"), folder,
      name.empty() ? "progress.csv" : name + "-progress.csv", Tr("Progress", "CSV files (*.csv)"));
  if (!chosen) return false;
  ExportCsvTo(*chosen, csv, rows);
  return true;
}

void ProgressCommands::ExportCsvTo(const std::string& path, const std::string& csv,
                                   std::int64_t rows) {
  const std::string& history = history_.Path();
  const std::vector<FileInUse> inUse{
      {commands_.CurrentFile().path, DRU_TR_NOOP("Export", "the sentence file open in dru")},
      {commands_.StartDir() + kSettingsFileName, DRU_TR_NOOP("Export", "dru's settings file")},
      {history, DRU_TR_NOOP("Export", "dru's history")},
      {history + "-wal", DRU_TR_NOOP("Export", "dru's history")},
      {history + "-shm", DRU_TR_NOOP("Export", "dru's history")}};
  if (const std::string refusal = ExportRefusal(path, inUse); !refusal.empty()) {
    throw UserError(refusal);
  }
  if (FileExists(path) && dialogs_.ShowMessage(MessageKind::Confirmation,
                                               Args(Tr("Commands", "File %1 exists. Overwrite?"),
                                                    {path})) != Answer::Ok) {
    return;
  }
  // As Save writes a sentence file: the old file stays whole until the new
  // one is complete.
  try {
    WriteFileSafely(path, csv);
  } catch (const std::exception& error) {
    const std::string failure =
        Args(Tr("Progress", "%1 was not exported: %2"), {path, error.what()});
    commands_.Notify(WithFullStop(failure));
    throw UserError(failure);
  }
  commands_.Notify(
      Args(Tr("Progress", "%n sentence(s) exported to %1.", nullptr, PluralCount(rows)), {path}));
}

bool ProgressCommands::ForgetHistory(std::int64_t answers) {
  const std::string name = FileName(commands_.CurrentFile().path);
  // It cannot be taken back: Cancel is the default.
  if (dialogs_.ShowMessage(MessageKind::Irreversible,
                           Args(Tr("Progress", "Forget the %n answer(s) given on %1?", nullptr,
                                   PluralCount(answers)),
                                {name})) != Answer::Ok) {
    return false;
  }
  history_.Forget();  // a failure turns the history off, and says so
  if (history_.IsOff()) return true;
  commands_.Notify(Args(
      Tr("Progress", "Forgotten: the %n answer(s) given on %1.", nullptr, PluralCount(answers)),
      {name}));
  return true;
}

}  // namespace dru
