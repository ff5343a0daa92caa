// The history by day: totals, median speeds and the learning steps.
#include <algorithm>
#include <cmath>
#include <ctime>

#include "core/review/memory_model.h"
#include "core/review/typing_speed.h"
#include "history/sqlite_history_store.h"
#include "history/statement.h"
#include "history/stored_answer.h"

namespace dru {
namespace {

using sql::Statement;
using sql::StoredCue;
using sql::StoredLevel;
using sql::StoredResult;

// Local days since 1970 as the memory model counts them (LocalDay), and
// their names as the days table has them.
class LocalDays {
 public:
  std::int64_t Of(std::int64_t utcMs) const { return LocalDay(utcMs); }
  // "2026-12-08"
  static std::string Name(std::int64_t day) {
    const auto noon = static_cast<std::time_t>(day * 86400 + 43200);
    std::tm date{};
    gmtime_r(&noon, &date);
    char name[16];
    std::strftime(name, sizeof name, "%Y-%m-%d", &date);
    return name;
  }
};

}  // namespace

std::vector<DayHistory> SqliteHistoryStore::Days(const std::string& file,
                                                 std::int64_t sinceMs) const {
  Statement totals(db_,
                   "SELECT day, answers, correct, typing_ms, round(best_speed) FROM days "
                   "WHERE file = (SELECT id FROM files WHERE path = ?1) ORDER BY day");
  totals.Bind(1, file);
  std::vector<DayHistory> days;
  while (totals.Step()) {
    days.push_back({totals.Text(0), totals.Integer(1), totals.Integer(2), totals.Integer(3), 0,
                    totals.Integer(4)});
  }
  // The medians need every speed of a day: only for the days asked for.
  // Answers come in time order; each day's speeds are sorted here.
  Statement speeds(db_,
                   "SELECT a.time, a.keys, a.typing_ms FROM answers a "
                   "INDEXED BY answers_by_time JOIN sentences s ON a.sentence = s.id "
                   "WHERE s.file = (SELECT id FROM files WHERE path = ?1) AND a.time >= ?2 "
                   "AND a.correct AND a.typing_ms > 0 ORDER BY a.time");
  speeds.Bind(1, file).Bind(2, sinceMs);
  const LocalDays local;
  std::vector<double> day;
  std::int64_t current = -1;  // days since 1970, local
  auto finish = [&] {
    if (day.empty()) return;
    std::sort(day.begin(), day.end());
    const std::size_t middle = day.size() / 2;
    const double median = day.size() % 2 == 1 ? day[middle] : (day[middle - 1] + day[middle]) / 2;
    const std::string name = LocalDays::Name(current);
    for (DayHistory& total : days) {
      if (total.day == name) total.medianSpeed = std::llround(median);
    }
    day.clear();
  };
  while (speeds.Step()) {
    const std::int64_t index = local.Of(speeds.Integer(0));
    if (index != current) {
      finish();
      current = index;
    }
    day.push_back(static_cast<double>(TypingSpeed(speeds.Integer(1), speeds.Integer(2))));
  }
  finish();
  return days;
}

void SqliteHistoryStore::CountSteps(const std::string& file, std::vector<DayHistory>& days) const {
  const LocalDays local;
  if (!tally_ || tally_->File() != file) tally_ = std::make_unique<StepTally>(file);
  // The answers not yet counted; from the start again when one of them is
  // dated before what was counted.
  for (bool again = true; again;) {
    again = false;
    // All of them along the index of times; a few new ones by their rowids
    // (CROSS JOIN: the answers first, from the last rowid counted on).
    Statement answers(db_, tally_->LastRowid() == 0
                               ? "SELECT a.rowid, a.time, a.sentence, a.level, a.correct, "
                                 "a.hints, a.grade FROM answers a INDEXED BY answers_by_time "
                                 "JOIN sentences s ON a.sentence = s.id WHERE s.file = (SELECT id "
                                 "FROM files WHERE path = ?1) AND a.rowid > ?2 "
                                 "ORDER BY a.time, a.rowid"
                               : "SELECT a.rowid, a.time, a.sentence, a.level, a.correct, "
                                 "a.hints, a.grade FROM answers a CROSS JOIN sentences s ON "
                                 "a.sentence = s.id WHERE s.file = (SELECT id FROM files WHERE "
                                 "path = ?1) AND a.rowid > ?2 ORDER BY a.time, a.rowid");
    answers.Bind(1, file).Bind(2, tally_->LastRowid());
    while (answers.Step()) {
      const std::int64_t time = answers.Integer(1);
      if (time < tally_->LastTimeMs()) {
        tally_ = std::make_unique<StepTally>(file);
        again = true;
        break;
      }
      tally_->Add(answers.Integer(0), time, local.Of(time), answers.Integer(2),
                  StoredLevel(answers, 3), StoredResult(answers, 4));
    }
  }
  // Both in date order.
  auto day = days.begin();
  for (const auto& [index, counted] : tally_->Days()) {
    const std::string name = LocalDays::Name(index);
    while (day != days.end() && day->day < name)
      ++day;
    if (day == days.end()) break;
    if (day->day != name) continue;
    day->atStep = counted.atStep;
    day->learned = counted.learned;
  }
}

}  // namespace dru
