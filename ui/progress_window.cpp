// The Progress window: the history of the open file, as a chart and a table.
#include "progress_window.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <ctime>

#include "message_boxes.h"
#include "progress_chart.h"
#include "text_codec.h"

namespace dru::ui {
namespace {

enum Column { kSentence, kTyped, kCorrect, kBest, kLast, kMarked, kColumns };

QStandardItem* Number(std::int64_t value, const QString& shown) {
  auto* item = new QStandardItem(shown);
  item->setData(static_cast<qlonglong>(value), Qt::UserRole);  // sorted by this
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  item->setEditable(false);
  return item;
}

QString CsvField(QString field) {
  if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
      !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))) {
    return field;
  }
  field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return QLatin1Char('"') + field + QLatin1Char('"');
}

}  // namespace

QString TableAsCsv(const QStandardItemModel& model) {
  QString csv;
  QStringList fields;
  for (int column = 0; column < model.columnCount(); ++column)
    fields << CsvField(model.headerData(column, Qt::Horizontal).toString());
  csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
  for (int row = 0; row < model.rowCount(); ++row) {
    fields.clear();
    for (int column = 0; column < model.columnCount(); ++column)
      fields << CsvField(model.item(row, column)->text());
    csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
  }
  return csv;
}

ProgressWindow::ProgressWindow(QWidget* parent, HistoryRecorder& history)
    : QWidget(parent, Qt::Window), history_(history) {
  setObjectName(QStringLiteral("ProgressWindow"));
  setWindowTitle(QStringLiteral("Progress"));
  resize(620, 560);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("ProgressSummary"));
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  chart_ = new ProgressChart(this);
  everyDay_ = new QCheckBox(QStringLiteral("&Every day, not only the last 30"), this);
  everyDay_->setObjectName(QStringLiteral("ProgressEveryDay"));

  model_ = new QStandardItemModel(0, kColumns, this);
  model_->setHorizontalHeaderLabels({QStringLiteral("Sentence"), QStringLiteral("Typed"),
                                     QStringLiteral("Correct (%)"), QStringLiteral("Best speed"),
                                     QStringLiteral("Last typed"), QStringLiteral("Marked")});
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(Qt::UserRole);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("ProgressTable"));
  table_->setAccessibleName(QStringLiteral("Sentences, hardest first"));
  table_->setModel(sorted_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(-1, Qt::AscendingOrder);  // hardest first, as filled
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->horizontalHeader()->setSectionResizeMode(kSentence, QHeaderView::Stretch);
  table_->verticalHeader()->setVisible(false);
  gone_ = new QCheckBox(QStringLiteral("&Sentences no longer in the file"), this);
  gone_->setObjectName(QStringLiteral("ProgressGone"));

  auto* exportButton = new QPushButton(QStringLiteral("E&xport as CSV..."), this);
  exportButton->setObjectName(QStringLiteral("ProgressExport"));
  auto* forgetButton = new QPushButton(QStringLiteral("&Forget History of This File..."), this);
  forgetButton->setObjectName(QStringLiteral("ProgressForget"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(gone_);
  buttons->addStretch(1);
  buttons->addWidget(exportButton);
  buttons->addWidget(forgetButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(chart_, 2);
  layout->addWidget(everyDay_);
  layout->addWidget(table_, 3);
  layout->addLayout(buttons);

  connect(everyDay_, &QCheckBox::toggled, this, [this] { Fill(); });
  connect(gone_, &QCheckBox::toggled, this, [this] { Fill(); });
  connect(exportButton, &QPushButton::clicked, this, [this] { ExportCsv(); });
  connect(forgetButton, &QPushButton::clicked, this, [this] { ForgetHistory(); });
}

void ProgressWindow::Refresh(TextEncoding encoding) {
  encoding_ = encoding;
  report_ = history_.Report();
  Fill();
}

void ProgressWindow::Fill() {
  if (!report_.unavailable.empty()) {
    summary_->setText(QString::fromStdString(report_.unavailable));
  } else {
    const DayHistory& today = report_.today;
    summary_->setText(QStringLiteral("Today: %1 answers, %2 correct, %3 minutes typing. Best "
                                     "speed on this file: %4 keys per minute.")
                          .arg(today.answers)
                          .arg(today.correct)
                          .arg((today.typingMs + 30000) / 60000)
                          .arg(report_.bestSpeed));
  }
  std::vector<DayHistory> days = report_.days;
  if (!everyDay_->isChecked()) {
    const QString since = QDate::currentDate().addDays(-29).toString(Qt::ISODate);
    std::erase_if(days,
                  [&](const DayHistory& day) { return QString::fromStdString(day.day) < since; });
  }
  chart_->SetDays(std::move(days));

  model_->removeRows(0, model_->rowCount());
  for (const ProgressRow& row : report_.rows) {
    if (!row.inFile && !gone_->isChecked()) continue;
    QList<QStandardItem*> items;
    auto* sentence = new QStandardItem(DecodeText(row.sentence, encoding_));
    sentence->setData(sentence->text(), Qt::UserRole);
    sentence->setEditable(false);
    items << sentence;
    items << Number(row.typed, QString::number(row.typed));
    const std::int64_t share = row.typed > 0 ? row.correct * 100 / row.typed : -1;
    items << Number(share, share < 0 ? QString() : QString::number(share));
    items << Number(row.bestSpeed, row.bestSpeed > 0 ? QString::number(row.bestSpeed) : QString());
    const QDateTime last = QDateTime::fromMSecsSinceEpoch(row.lastTimeMs);
    items << Number(row.lastTimeMs, row.lastTimeMs > 0
                                        ? QLocale().toString(last, QLocale::ShortFormat)
                                        : QString());
    items << Number(row.marked ? 1 : 0, row.marked ? QStringLiteral("Yes") : QString());
    model_->appendRow(items);
  }
}

void ProgressWindow::ExportCsv() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Export as CSV"), QStringLiteral("progress.csv"),
      QStringLiteral("CSV files (*.csv)"), nullptr, QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return;
  QSaveFile file(path);
  const QByteArray csv = TableAsCsv(*model_).toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
    ShowErrorReport(this, "Unable to write to " + path.toStdString());
  }
}

void ProgressWindow::ForgetHistory() {
  if (AskUser(this, MessageKind::Confirmation,
              QStringLiteral("Forget every answer given on this file?")) != Answer::Ok) {
    return;
  }
  try {
    history_.Forget();
  } catch (const std::exception& error) {
    ShowErrorReport(this, error.what());
  }
  Refresh(encoding_);
}

}  // namespace dru::ui
