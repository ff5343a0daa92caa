#include "ui/drill/mistake_text.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "ui/platform/colours.h"
#include "ui/platform/text_codec.h"
#include "ui/platform/translation.h"

namespace dru::ui {
namespace {

constexpr int kContextBefore = 12;          // characters kept in view before the first mistake
constexpr std::size_t kSummaryLength = 40;  // characters of each text a screen reader reads

QString Marked(const QString& text, const QString& style) {
  return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, text.toHtmlEscaped());
}

QString Style(const QColor& colour, const char* decoration) {
  return QStringLiteral("color:%1;text-decoration:%2")
      .arg(colour.name(), QLatin1String(decoration));
}

// hue made darker on a light background, lighter on a dark one, until it
// reads at 4.5:1.
QColor Readable(const QColor& hue, const QColor& background) {
  constexpr double kLeast = 4.5;
  const bool darkBackground = RelativeLuminance(background) < 0.18;
  QColor colour = hue;
  for (int step = 0; step < 100 && ContrastRatio(colour, background) < kLeast; ++step) {
    // Kept to 8 bits a channel, as the markup writes it.
    colour = QColor((darkBackground ? colour.lighter(105) : colour.darker(105)).rgb());
    if (darkBackground && colour.lightness() >= 250) colour = QColor(Qt::white);
  }
  return ContrastRatio(colour, background) >= kLeast ? colour
         : darkBackground                            ? QColor(Qt::white)
                                                     : QColor(Qt::black);
}

// A piece of text around a character position, for the summary; only the
// piece is decoded, so a huge record costs nothing here.
QString Around(std::string_view text, std::size_t index, TextEncoding encoding) {
  const Span span = QuotedSpan(text, index, encoding, kSummaryLength);
  QString piece = DecodeText(text.substr(span.start, span.size), encoding);
  if (span.cutBefore) piece.prepend(QChar(0x2026));
  if (span.cutAfter) piece.append(QChar(0x2026));
  return piece;
}

}  // namespace

MarkColours ReadableMarkColours(const QColor& background) {
  return {Readable(QColor(0xc0, 0x00, 0x00), background),
          Readable(QColor(0x00, 0x70, 0x00), background)};
}

namespace {

// Each step of a comparison as plain text (for measuring) and marked up,
// in the line and in the tooltip's two rows, and the plain rows.
struct MarkedSteps {
  QStringList plain;
  QStringList marked;
  QString typedRow;
  QString expectedRow;
  QString typedPlain;
  QString expectedPlain;
  int firstMistake = -1;
};

MarkedSteps MarkSteps(std::string_view typed, std::string_view expected,
                      const Comparison& comparison, TextEncoding encoding,
                      const MarkColours& colours) {
  const QString wrongStyle = Style(colours.wrong, "underline");
  const QString extraStyle = Style(colours.wrong, "line-through");
  const QString missingStyle = Style(colours.missing, "overline");
  MarkedSteps steps;
  for (const Step& step : comparison.steps) {
    const QString got = DecodeText(step.typed.In(typed), encoding);
    const QString want = DecodeText(step.expected.In(expected), encoding);
    steps.typedPlain += got;
    steps.expectedPlain += want;
    switch (step.kind) {
      case Step::Kind::Same:
        steps.plain << got;
        steps.marked << got.toHtmlEscaped();
        steps.typedRow += got.toHtmlEscaped();
        steps.expectedRow += want.toHtmlEscaped();
        break;
      case Step::Kind::Wrong:
        steps.plain << got;
        steps.marked << Marked(got, wrongStyle);
        steps.typedRow += Marked(got, wrongStyle);
        steps.expectedRow += Marked(want, missingStyle);
        break;
      case Step::Kind::Extra:
        steps.plain << got;
        steps.marked << Marked(got, extraStyle);
        steps.typedRow += Marked(got, extraStyle);
        break;
      case Step::Kind::Missing:
        steps.plain << want;
        steps.marked << Marked(want, missingStyle);
        steps.expectedRow += Marked(want, missingStyle);
        break;
    }
    if (steps.firstMistake < 0 && step.kind != Step::Kind::Same) {
      steps.firstMistake = int(steps.plain.size()) - 1;
    }
  }
  return steps;
}

// As many steps as fit width, from a little before the first mistake.
QString FittingLine(const MarkedSteps& steps, const QFontMetrics& metrics, int width) {
  const QString ellipsis(QChar(0x2026));
  const int first = std::max(0, steps.firstMistake - kContextBefore);
  int used = first > 0 ? metrics.horizontalAdvance(ellipsis) : 0;
  int last = first;
  while (last < steps.plain.size()) {
    const int advance = metrics.horizontalAdvance(steps.plain[last]);
    if (used + advance > width - metrics.horizontalAdvance(ellipsis)) break;
    used += advance;
    ++last;
  }
  return (first > 0 ? ellipsis : QString()) +
         steps.marked.mid(first, last - first).join(QString()) +
         (last < steps.plain.size() ? ellipsis : QString());
}

}  // namespace

MistakeText DescribeMistakes(std::string_view typed, std::string_view expected,
                             const Comparison& comparison, TextEncoding encoding,
                             const MarkColours& colours, const QFontMetrics& metrics, int width) {
  MistakeText result;
  const std::size_t prefix = comparison.commonPrefix;
  const QString quotes = Tr("Mistakes", ": typed “%1” expected “%2”");
  if (!comparison.aligned) {
    // Too long or too unlike to align: where the texts part.
    result.summary =
        Tr("Display", "The typed text differs from character %1").arg(prefix + 1) +
        quotes.arg(Around(typed, prefix, encoding), Around(expected, prefix, encoding));
    result.line = result.summary.toHtmlEscaped();
    result.toolTip = result.line;
    result.description = result.summary;
    return result;
  }
  const MarkedSteps steps = MarkSteps(typed, expected, comparison, encoding, colours);
  result.line = FittingLine(steps, metrics, width);
  const QString rows = Tr("Mistakes", "Typed: %1<br>Expected: %2");
  result.toolTip = rows.arg(steps.typedRow, steps.expectedRow);
  result.description = QString(rows)
                           .replace(QLatin1String("<br>"), QLatin1String("\n"))
                           .arg(steps.typedPlain, steps.expectedPlain);
  const auto mistakes = static_cast<int>(comparison.mistakes);
  result.summary = Tr("Display", "%n mistake(s)", nullptr, mistakes) +
                   quotes.arg(Around(typed, prefix, encoding), Around(expected, prefix, encoding));
  return result;
}

}  // namespace dru::ui
