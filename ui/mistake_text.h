#pragma once

#include <QFontMetrics>
#include <QString>
#include <string_view>

#include "mistakes.h"
#include "text_encoding.h"

namespace dru::ui {

// How the status bar shows a wrong answer.
struct MistakeText {
  QString line;     // rich text that fits the bar, the first mistake in view
  QString toolTip;  // the whole comparison: typed, then expected
  QString summary;  // plain words for assistive tools
};

// What was typed against the sentence: wrong characters red and
// underlined, extra ones red and struck through, missing ones (the
// sentence's) green and underlined. line fits width in metrics.
MistakeText DescribeMistakes(std::string_view typed, std::string_view expected,
                             const Comparison& comparison, TextEncoding encoding,
                             const QFontMetrics& metrics, int width);

}  // namespace dru::ui
