#pragma once

#include <QWidget>
#include <vector>

#include "history/history_store.h"

class QPainter;

namespace dru::ui {

// ProgressChart: per day, the median and best speed of correct answers as
// lines against keys per minute, and the share of correct answers as bars
// against per cent, with axes, labels and a legend in the palette's
// colours. Its accessible description says the trend in words.
class ProgressChart : public QWidget {
 public:
  explicit ProgressChart(QWidget* parent);

  void SetDays(std::vector<DayHistory> days);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the chart is drawn, in what colours, up to which speed.
  struct Frame {
    QRect plot;
    int line = 0;  // a line of text's height
    QColor text;
    QColor median;
    QColor bars;
    std::int64_t top = 1;
  };
  void DrawLegend(QPainter& painter, const Frame& frame) const;
  void DrawAxes(QPainter& painter, const Frame& frame) const;
  void DrawDays(QPainter& painter, const Frame& frame) const;

  std::vector<DayHistory> days_;
};

// "Median speed rose from 180 to 240 keys per minute over 12 days; 85%
// correct."
QString DescribeTrend(const std::vector<DayHistory>& days);

// The colour of the bars of the share correct: the palette's text colour
// faded towards its background only as far as keeps a contrast of 3:1
// against it, in light and dark palettes alike.
QColor ShareBarColour(const QPalette& palette);

}  // namespace dru::ui
