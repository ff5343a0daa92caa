#pragma once

#include <QWidget>
#include <functional>

#include "app/commands.h"
#include "app/history_recorder.h"
#include "app/progress_commands.h"
#include "core/text/text_encoding.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QAbstractItemModel;
class QTableView;

class QLayout;

namespace dru::ui {

class Announcer;
class ProgressChart;
class StepChart;
class ProgressTableModel;

// ProgressWindow: how the learner does on the open file. A summary line,
// the chart of the days, and a table of every sentence, hardest first,
// which the user can sort by any column; exporting it as CSV and
// forgetting the file's history. It stays open beside the drill.
class ProgressWindow : public QWidget {
 public:
  // run: runs a command as the window's handlers do, an error shown in the
  // error report.
  using Runner = std::function<void(const std::function<void()>&)>;
  ProgressWindow(QWidget* parent, HistoryRecorder& history, const Commands& commands,
                 ProgressCommands& actions, Runner run);

  // Reads the history again; the encoding is the open file's.
  void Refresh(TextEncoding encoding);
  // Brings the window up with the focus on the summary line.
  void Present();
  // Export as CSV after its dialog: the table to the file chosen, unless
  // it is one that dru uses, under any name.
  void ExportCsvTo(const QString& chosen);

 private:
  // The parts of the constructor.
  void MakeSummaryAndChart();
  QLayout* MakeSorting();
  void MakeTable();
  QLayout* MakeButtons();
  void Fill();
  // The sort box, the reverse box and the table's name follow the order.
  void ShowSort(int column, Qt::SortOrder order, bool announce);
  void ExportCsv();
  void ForgetHistory();

  HistoryRecorder& history_;
  const Commands& commands_;
  ProgressCommands& actions_;
  Runner run_;
  ProgressReport report_;
  TextEncoding encoding_ = TextEncoding::Windows1252;
  QLabel* summary_ = nullptr;
  ProgressChart* chart_ = nullptr;
  StepChart* steps_ = nullptr;
  QCheckBox* everyDay_ = nullptr;
  QCheckBox* gone_ = nullptr;
  QComboBox* sortBy_ = nullptr;
  QCheckBox* reversed_ = nullptr;
  Announcer* announcer_ = nullptr;
  ProgressTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
};

// The table as CSV in UTF-8: a header row, then a line per row (see
// CsvLine).
std::string TableAsCsv(const QAbstractItemModel& model);

}  // namespace dru::ui
