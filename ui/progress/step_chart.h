#pragma once

#include <QWidget>
#include <vector>

#include "history/history_store.h"

namespace dru::ui {

// ProgressSteps: per day, how many sentences stood at each learning step
// at its end, as stacked bars from whole (bottom) to prompt only (top), so
// that a text is seen moving from copying to recall. Its accessible
// description says the same in words.
class StepChart : public QWidget {
 public:
  explicit StepChart(QWidget* parent);

  void SetDays(std::vector<DayHistory> days);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<DayHistory> days_;
};

// "At the end of 2026-12-08: 19 whole sentence. At the end of 2026-12-10:
// 2 every other word, 17 prompt only; 15 learned that day."
QString DescribeSteps(const std::vector<DayHistory>& days);

}  // namespace dru::ui
