// The Progress window: the history of the open file, as a chart and a table.
#include "ui/progress/progress_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>
#include <ctime>

#include "app/csv_export.h"
#include "app/settings.h"
#include "core/file/io_error.h"
#include "core/file/safe_file_writer.h"
#include "ui/platform/announcer.h"
#include "ui/platform/screen_fit.h"
#include "ui/platform/text_codec.h"
#include "ui/platform/translation.h"
#include "ui/progress/focus_frame.h"
#include "ui/progress/progress_chart.h"
#include "ui/progress/progress_table_model.h"
#include "ui/progress/step_chart.h"

namespace dru::ui {
namespace {

// The summary line: a label the focus can rest on, with a frame to show it.
class SummaryLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    QPainter painter(this);
    DrawFocusFrame(*this, painter);
  }
};

// A sentence reads in the direction of its own script, whatever the
// window's: an English sentence from the left in a Hebrew window.
class SentenceDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->direction = option->text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
  }
};

}  // namespace

namespace {

std::int64_t InFile(const ProgressReport& report) {
  return std::count_if(report.rows.begin(), report.rows.end(),
                       [](const ProgressRow& row) { return row.inFile; });
}

}  // namespace

std::string TableAsCsv(const QAbstractItemModel& model) {
  std::vector<std::string> fields(static_cast<std::size_t>(model.columnCount()));
  for (int column = 0; column < model.columnCount(); ++column)
    fields[column] = model.headerData(column, Qt::Horizontal).toString().toStdString();
  std::string csv = CsvLine(fields);
  for (int row = 0; row < model.rowCount(); ++row) {
    for (int column = 0; column < model.columnCount(); ++column)
      fields[column] = model.index(row, column).data().toString().toStdString();
    csv += CsvLine(fields);
  }
  return csv;
}

ProgressWindow::ProgressWindow(QWidget* parent, HistoryRecorder& history, const Commands& commands,
                               ProgressCommands& actions, Runner run)
    : QWidget(parent, Qt::Window),
      history_(history),
      commands_(commands),
      actions_(actions),
      run_(std::move(run)) {
  setObjectName(QStringLiteral("ProgressWindow"));
  setWindowTitle(Tr("Progress", "Progress"));
  // As large as suits the table, but never past the screen, at any scale.
  resize(FitSize(QSize(960, 560),
                 parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()));

  MakeSummaryAndChart();
  QLayout* sorting = MakeSorting();
  MakeTable();
  QLayout* buttons = MakeButtons();
  announcer_ = new Announcer(this);

  // The table has most of the height: the rows are what is looked up.
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(chart_, 1);
  layout->addWidget(steps_, 1);
  layout->addWidget(everyDay_);
  layout->addLayout(sorting);
  layout->addWidget(table_, 2);
  layout->addWidget(gone_);
  layout->addLayout(buttons);

  table_->sortByColumn(-1, Qt::AscendingOrder);  // hardest first, as filled
  ShowSort(-1, Qt::AscendingOrder, false);
  QHeaderView* header = table_->horizontalHeader();
  const auto sortChosen = [this, header] {
    header->setSortIndicator(sortBy_->currentIndex() - 1,
                             reversed_->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
  };
  connect(sortBy_, &QComboBox::currentIndexChanged, this, sortChosen);
  connect(reversed_, &QCheckBox::toggled, this, sortChosen);
  connect(header, &QHeaderView::sortIndicatorChanged, this,
          [this](int column, Qt::SortOrder order) { ShowSort(column, order, true); });
  connect(everyDay_, &QCheckBox::toggled, this, [this] { Refresh(encoding_); });
  connect(gone_, &QCheckBox::toggled, this, [this] { Fill(); });
}

void ProgressWindow::MakeSummaryAndChart() {
  summary_ = new SummaryLabel(this);
  summary_->setObjectName(QStringLiteral("ProgressSummary"));
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  // First in the Tab order and focused on opening, so that a screen reader
  // reads the day's figures before anything else.
  summary_->setFocusPolicy(Qt::TabFocus);
  summary_->setMargin(2);  // room for the focus frame
  chart_ = new ProgressChart(this);
  // Time runs left to right on the charts in every language.
  chart_->setLayoutDirection(Qt::LeftToRight);
  steps_ = new StepChart(this);
  steps_->setLayoutDirection(Qt::LeftToRight);
  everyDay_ = new QCheckBox(Tr("Progress", "&Every day, not only the last 30"), this);
  everyDay_->setObjectName(QStringLiteral("ProgressEveryDay"));
}

// Sorting from the keyboard: the same choice as a click on a column's
// header, and it follows those clicks. Each choice stands on a row of its
// own with what it changes, so that the window stays narrow enough for a
// small or scaled screen.
QLayout* ProgressWindow::MakeSorting() {
  sortBy_ = new QComboBox(this);
  sortBy_->setObjectName(QStringLiteral("ProgressSortBy"));
  sortBy_->addItem(Tr("Progress", "Hardest first"));
  for (int column = 0; column < kColumns; ++column)
    sortBy_->addItem(ProgressTableModel::ColumnName(column));
  auto* sortLabel = new QLabel(Tr("Progress", "Sort &by:"), this);
  sortLabel->setBuddy(sortBy_);
  reversed_ = new QCheckBox(Tr("Progress", "&Reverse order"), this);
  reversed_->setObjectName(QStringLiteral("ProgressReversed"));
  auto* sorting = new QHBoxLayout;
  sorting->addWidget(sortLabel);
  sorting->addWidget(sortBy_);
  sorting->addWidget(reversed_);
  sorting->addStretch(1);
  return sorting;
}

void ProgressWindow::MakeTable() {
  model_ = new ProgressTableModel(this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("ProgressTable"));
  table_->setModel(model_);
  table_->setItemDelegateForColumn(kSentence, new SentenceDelegate(table_));
  table_->setSortingEnabled(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->setWordWrap(false);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->horizontalHeader()->setSectionResizeMode(kSentence, QHeaderView::Stretch);
  table_->verticalHeader()->setVisible(false);
  gone_ = new QCheckBox(Tr("Progress", "&Sentences no longer in the file"), this);
  gone_->setObjectName(QStringLiteral("ProgressGone"));
}

QLayout* ProgressWindow::MakeButtons() {
  auto* exportButton = new QPushButton(Tr("Progress", "E&xport as CSV..."), this);
  exportButton->setObjectName(QStringLiteral("ProgressExport"));
  auto* forgetButton = new QPushButton(Tr("Progress", "&Forget History of This File..."), this);
  forgetButton->setObjectName(QStringLiteral("ProgressForget"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(exportButton);
  buttons->addWidget(forgetButton);
  connect(exportButton, &QPushButton::clicked, this, [this] { ExportCsv(); });
  connect(forgetButton, &QPushButton::clicked, this, [this] { ForgetHistory(); });
  return buttons;
}

void ProgressWindow::Present() {
  show();
  raise();
  activateWindow();
  summary_->setFocus(Qt::OtherFocusReason);
}

void ProgressWindow::ShowSort(int column, Qt::SortOrder order, bool announce) {
  const QSignalBlocker quietBox(sortBy_);
  const QSignalBlocker quietCheck(reversed_);
  sortBy_->setCurrentIndex(column + 1);
  reversed_->setChecked(order == Qt::DescendingOrder);
  // "Sentences, by best speed": a screen reader names the order with the
  // table.
  QString name =
      column < 0 ? Tr("Progress", "Sentences, hardest first")
                 : Tr("Progress", "Sentences, by %1").arg(ProgressTableModel::OrderName(column));
  if (order == Qt::DescendingOrder) name = Tr("Progress", "%1, reversed").arg(name);
  table_->setAccessibleName(name);
  // The sort box says the order when the focus comes to it; a change of
  // its current item screen readers pass over in silence, so the new
  // order is said aloud.
  sortBy_->setAccessibleDescription(name);
  if (announce) announcer_->Say(name);
}

void ProgressWindow::Refresh(TextEncoding encoding) {
  encoding_ = encoding;
  // "Progress — Default.dat": which file's history this is.
  const std::string& file = commands_.CurrentFile().path;
  const QString name = PathText(FileName(file));
  setWindowTitle(name.isEmpty() ? Tr("Progress", "Progress")
                                : Tr("Progress", "Progress — %1").arg(name));
  report_ = history_.Report(everyDay_->isChecked());
  Fill();
}

void ProgressWindow::Fill() {
  if (!report_.unavailable.empty()) {
    summary_->setText(QString::fromStdString(report_.unavailable));
  } else {
    const DayHistory& today = report_.today;
    const std::int64_t minutes = (today.typingMs + 30000) / 60000;
    // The count of correct answers is a plural of its own: "dont 1 juste".
    QString summary = Tr("Progress",
                         "Today: %1, %n correct, %2 typing. Best speed on this file: %3 keys "
                         "per minute.",
                         nullptr, PluralCount(today.correct))
                          .arg(Tr("Progress", "%n answer(s)", nullptr, PluralCount(today.answers)),
                               Tr("Progress", "%n minute(s)", nullptr, PluralCount(minutes)),
                               QString::number(report_.bestSpeed));
    if (report_.byHeart) {
      const int sentences = PluralCount(InFile(report_));
      summary += Tr("Progress", " Learned today: %1 of %n sentence(s).", nullptr, sentences)
                     .arg(today.learned);
      summary += Tr("Progress", " Known by heart: %1 of %n sentence(s).", nullptr, sentences)
                     .arg(*report_.byHeart);
    }
    summary_->setText(summary);
  }
  std::vector<DayHistory> days = report_.days;
  if (!report_.firstRecentDay.empty()) {
    std::erase_if(days, [&](const DayHistory& day) { return day.day < report_.firstRecentDay; });
  }
  // The steps while Recall is on, when there are any.
  steps_->setVisible(report_.byHeart.has_value());
  steps_->SetDays(days);
  chart_->SetDays(std::move(days));

  std::vector<ProgressTableModel::Row> rows;
  rows.reserve(report_.rows.size());
  for (const ProgressRow& progress : report_.rows) {
    if (!progress.inFile && !gone_->isChecked()) continue;
    ProgressTableModel::Row& row = rows.emplace_back();
    row.sentence = DecodeText(progress.sentence, encoding_);
    row.rank = static_cast<std::int64_t>(rows.size());
    const std::int64_t share = progress.typed > 0 ? progress.correct * 100 / progress.typed : -1;
    const std::int64_t recall =
        progress.typed > 0 ? std::llround(progress.retrievability * 100) : -1;
    const std::int64_t values[kColumns] = {
        0,
        progress.typed,
        share,
        progress.bestSpeed,
        progress.lastTimeMs,
        progress.marked ? 1 : 0,
        recall,
        progress.nextReviewMs,
        progress.lastGrade ? static_cast<std::int64_t>(*progress.lastGrade) : 0,
        progress.level ? static_cast<std::int64_t>(*progress.level) : -1};
    std::copy(std::begin(values), std::end(values), row.values);
    row.known = progress.known;
    row.retry = progress.retry;
  }
  model_->SetRows(std::move(rows), report_.byHeart.has_value());
  // The sentence takes the room the figures leave; measuring every cell
  // of a long table would take long.
  QHeaderView* header = table_->horizontalHeader();
  const QFontMetrics metrics = table_->fontMetrics();
  const QString sample = QDateTime::currentDateTime().toString(kProgressDateFormat);
  const QFontMetrics headerMetrics = header->fontMetrics();
  int levelWidth = 0;
  for (int level = 0; level < kCueLevels; ++level) {
    levelWidth = std::max(
        levelWidth,
        metrics.horizontalAdvance(Tr("Recall", LevelName(static_cast<CueLevel>(level)).data())));
  }
  for (int column = kTyped; column < model_->columnCount({}); ++column) {
    // As wide as its header, in any language, or its widest figure.
    const int figures = column == kLast || column == kNext ? metrics.horizontalAdvance(sample)
                        : column == kLevel                 ? levelWidth
                                                           : 0;
    const int title = headerMetrics.horizontalAdvance(
        model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    header->setSectionResizeMode(column, QHeaderView::Interactive);
    header->resizeSection(column, std::max(figures, title) + 24);
  }
  header->setSectionResizeMode(kSentence, QHeaderView::Stretch);
  // The order the user chose stays as the table follows the drill.
  model_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void ProgressWindow::ExportCsv() {
  run_([this] { actions_.ExportCsv(TableAsCsv(*model_), model_->rowCount({})); });
}

void ProgressWindow::ExportCsvTo(const QString& chosen) {
  run_([this, &chosen] {
    actions_.ExportCsvTo(PathBytes(chosen), TableAsCsv(*model_), model_->rowCount({}));
  });
}

void ProgressWindow::ForgetHistory() {
  std::int64_t answers = 0;
  for (const ProgressRow& row : report_.rows)
    answers += row.typed;
  run_([this, answers] {
    if (actions_.ForgetHistory(answers)) Refresh(encoding_);
  });
}

}  // namespace dru::ui
