#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>
#include "core/recall/recall_level.h"
#include "ui/platform/translation.h"

namespace dru::ui {

enum ProgressColumn {
  kSentence,
  kTyped,
  kCorrect,
  kBest,
  kLast,
  kMarked,
  kRetrievability,
  kNext,
  kGrade,  // of the last answer
  kLevel,  // only while Recall is on
  kColumns
};

// Each column of the table, in one table: its heading (shown, and the CSV
// file's), its name as said aloud and in the sort box, the order it sorts
// in as said after "Sentences, by", and whether its figures are shares,
// said with "%". Its sort key is the row's value at its place.
struct ProgressColumnFacts {
  ProgressColumn column;
  const char* heading;  // context "ProgressTable"
  const char* name;     // context "ProgressTable"
  const char* order;    // context "ProgressOrder"
  bool percent;
};
inline constexpr ProgressColumnFacts kProgressColumnTable[] = {
    {kSentence, DRU_TR_NOOP("ProgressTable", "Sentence"), DRU_TR_NOOP("ProgressTable", "Sentence"),
     DRU_TR_NOOP("ProgressOrder", "sentence"), false},
    {kTyped, DRU_TR_NOOP("ProgressTable", "Typed"), DRU_TR_NOOP("ProgressTable", "Typed"),
     DRU_TR_NOOP("ProgressOrder", "typed"), false},
    {kCorrect, DRU_TR_NOOP("ProgressTable", "Correct (%)"), DRU_TR_NOOP("ProgressTable", "Correct"),
     DRU_TR_NOOP("ProgressOrder", "correct"), true},
    {kBest, DRU_TR_NOOP("ProgressTable", "Best speed"), DRU_TR_NOOP("ProgressTable", "Best speed"),
     DRU_TR_NOOP("ProgressOrder", "best speed"), false},
    {kLast, DRU_TR_NOOP("ProgressTable", "Last typed"), DRU_TR_NOOP("ProgressTable", "Last typed"),
     DRU_TR_NOOP("ProgressOrder", "last typed"), false},
    {kMarked, DRU_TR_NOOP("ProgressTable", "Marked"), DRU_TR_NOOP("ProgressTable", "Marked"),
     DRU_TR_NOOP("ProgressOrder", "marked"), false},
    {kRetrievability, DRU_TR_NOOP("ProgressTable", "Recall (%)"),
     DRU_TR_NOOP("ProgressTable", "Recall"), DRU_TR_NOOP("ProgressOrder", "recall"), true},
    {kNext, DRU_TR_NOOP("ProgressTable", "Next review"),
     DRU_TR_NOOP("ProgressTable", "Next review"), DRU_TR_NOOP("ProgressOrder", "next review"),
     false},
    {kGrade, DRU_TR_NOOP("ProgressTable", "Last grade"), DRU_TR_NOOP("ProgressTable", "Last grade"),
     DRU_TR_NOOP("ProgressOrder", "last grade"), false},
    {kLevel, DRU_TR_NOOP("ProgressTable", "Level"), DRU_TR_NOOP("ProgressTable", "Level"),
     DRU_TR_NOOP("ProgressOrder", "level"), false},
};
static_assert(std::size(kProgressColumnTable) == kColumns);
static_assert(
    [] {
      for (int i = 0; i < kColumns; ++i) {
        if (kProgressColumnTable[i].column != i) return false;
      }
      return true;
    }(),
    "each column stands at its own place");

// Dates in the table: short, and read the same in every language.
inline const QString kProgressDateFormat = QStringLiteral("yyyy-MM-dd HH:mm");

// The table's rows, sorted in place: a hundred thousand sentences sort in
// milliseconds, where one item object per cell would take seconds.
class ProgressTableModel : public QAbstractTableModel {
 public:
  struct Row {
    QString sentence;
    std::int64_t rank = 0;               // the place in the hardest-first order
    std::int64_t values[kColumns] = {};  // also the sort keys
    bool known = false;                  // remembered for months: Mark Ready may be due
    bool retry = false;                  // answered wrong in this run: waits for a retry
  };

  using QAbstractTableModel::QAbstractTableModel;

  // withLevel: Recall is on, and the Level column shows.
  void SetRows(std::vector<Row> rows, bool withLevel) {
    beginResetModel();
    rows_ = std::move(rows);
    withLevel_ = withLevel;
    endResetModel();
  }
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : withLevel_ ? kColumns : kColumns - 1;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return Shown(row, index.column());
    if (role == Qt::AccessibleTextRole) return Spoken(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() != kSentence) {
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::AccessibleTextRole) return ColumnName(section);  // "Correct", not "(%)"
    if (role != Qt::DisplayRole) return {};
    return Tr("ProgressTable", kProgressColumnTable[section].heading);
  }
  // A column's name as said aloud and in the sort box: "Correct", not
  // "Correct (%)".
  static QString ColumnName(int column) {
    return Tr("ProgressTable", kProgressColumnTable[column].name);
  }
  // The order the table is in, as said after "Sentences, by": "best speed".
  static QString OrderName(int column) {
    return Tr("ProgressOrder", kProgressColumnTable[column].order);
  }
  // What a screen reader reads for a cell: its text with its sign ("50%"),
  // and an empty cell says so ("none"). The column's name is the header's,
  // which a screen reader says as it moves along a row: said in the cell
  // too, it would be heard twice.
  static QString Spoken(const Row& row, int column) {
    QString text = Shown(row, column);
    if (text.isEmpty()) {
      text = column == kMarked ? Tr("ProgressTable", "no") : Tr("ProgressTable", "none");
    } else if (kProgressColumnTable[column].percent && !(column == kRetrievability && row.retry)) {
      text += QLatin1Char('%');
    }
    return text;
  }
  // A cell's text, made when it is shown: formatting every date of a long
  // history at once would take most of the window's opening.
  static QString Shown(const Row& row, int column) {
    const std::int64_t value = row.values[column];
    switch (column) {
      case kSentence:
        return row.sentence;
      case kTyped:
        return QString::number(value);
      case kRetrievability:
        if (row.retry) return Tr("ProgressTable", "retry");
        [[fallthrough]];
      case kCorrect:  // -1: never typed
        return value >= 0 ? QString::number(value) : QString();
      case kNext:
        if (row.values[kTyped] == 0) return {};
        if (row.retry) return Tr("ProgressTable", "now");
        if (row.known) return Tr("ProgressTable", "known");
        return value <= QDateTime::currentMSecsSinceEpoch()
                   ? Tr("ProgressTable", "now")
                   : QDateTime::fromMSecsSinceEpoch(value).toString(kProgressDateFormat);
      case kLast:
        return value > 0 ? QDateTime::fromMSecsSinceEpoch(value).toString(kProgressDateFormat)
                         : QString();
      case kMarked:
        return value != 0 ? Tr("ProgressTable", "Yes") : QString();
      case kGrade: {  // 0: never typed
        static constexpr const char* kGrades[] = {
            DRU_TR_NOOP("ProgressTable", "Again"), DRU_TR_NOOP("ProgressTable", "Hard"),
            DRU_TR_NOOP("ProgressTable", "Good"), DRU_TR_NOOP("ProgressTable", "Easy")};
        return value >= 1 && value <= 4 ? Tr("ProgressTable", kGrades[value - 1]) : QString();
      }
      case kLevel:  // -1: Recall is off
        return value >= 0 ? Tr("Recall", LevelName(static_cast<CueLevel>(value)).data())
                          : QString();
      default:
        return value > 0 ? QString::number(value) : QString();
    }
  }

  // Column -1 is the order the rows came in: hardest first.
  void sort(int column, Qt::SortOrder order) override {
    if (column < -1 || column >= kColumns) return;
    layoutAboutToBeChanged();
    const bool up = order == Qt::AscendingOrder;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
      if (column == -1) return up ? a.rank < b.rank : a.rank > b.rank;
      if (column == kSentence) {
        const int compared = a.sentence.localeAwareCompare(b.sentence);
        return up ? compared < 0 : compared > 0;
      }
      return up ? a.values[column] < b.values[column] : a.values[column] > b.values[column];
    });
    layoutChanged();
  }

 private:
  std::vector<Row> rows_;
  bool withLevel_ = false;
};

}  // namespace dru::ui
