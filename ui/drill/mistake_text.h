#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QString>
#include <string_view>

#include "core/text/mistakes.h"
#include "core/text/text_encoding.h"

namespace dru::ui {

// The colours of the marks: red for typed characters that are wrong or
// extra, green for the sentence's missing ones, each dark or light enough
// to read at 4.5:1 or more against background.
struct MarkColours {
  QColor wrong;
  QColor missing;
};
MarkColours ReadableMarkColours(const QColor& background);

// How the status bar shows a wrong answer.
struct MistakeText {
  QString line;     // rich text that fits the bar, the first mistake in view
  QString toolTip;  // the whole comparison: typed, then expected
  QString summary;  // plain words for assistive tools
  // The tooltip's two rows as plain words, for a screen reader.
  QString description;
};

// What was typed against the sentence: wrong characters underlined, extra
// ones struck through, missing ones (the sentence's) overlined, so that
// they differ by more than colour. line fits width in metrics.
MistakeText DescribeMistakes(std::string_view typed, std::string_view expected,
                             const Comparison& comparison, TextEncoding encoding,
                             const MarkColours& colours, const QFontMetrics& metrics, int width);

}  // namespace dru::ui
