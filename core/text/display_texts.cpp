#include "core/text/display_texts.h"

#include "core/drill/drill_snapshot.h"

#include <cstdio>

namespace dru {
namespace {

// At least two digits: "07", "12", "123".
std::string TwoDigits(std::int32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", static_cast<int>(value));
  return digits;
}

}  // namespace

std::string InfoLine(std::int64_t records, std::int64_t marked) {
  return "There are " + std::to_string(records) + " records in the file, " +
         std::to_string(marked) + " marked ready ...";
}

std::string TimeLine(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
  return "Time  " + TwoDigits(hours) + " : " + TwoDigits(minutes) + " : " + TwoDigits(seconds) +
         "  have been elasped ...";
}

std::string CorrectLine(std::int64_t speed) {
  return "Correct, " + std::to_string(speed) + " keys per minute.";
}

std::string MistakesLine(std::string_view typed, std::string_view expected,
                         const Comparison& comparison, TextEncoding encoding) {
  const std::size_t at = comparison.commonPrefix;
  auto quote = [&](std::string_view text) {
    const Span span = QuotedSpan(text, at, encoding);
    return "\"" + std::string(span.cutBefore ? "..." : "") +
           std::string(text.substr(span.start, span.size)) + (span.cutAfter ? "..." : "") + "\"";
  };
  std::string line;
  if (!comparison.aligned) {
    line = "The typed text differs from character " + std::to_string(at + 1);
  } else {
    line =
        std::to_string(comparison.mistakes) + (comparison.mistakes == 1 ? " mistake" : " mistakes");
  }
  return line + ": typed " + quote(typed) + " expected " + quote(expected) + ".";
}

std::string OptionLine(Option option, bool on) {
  const char* name = "";
  switch (option) {
    case Option::SoundEffect:
      name = "Sound";
      break;
    case Option::CaseSensitive:
      name = "Case sensitive";
      break;
    case Option::ShowMistakes:
      name = "Show mistakes";
      break;
    case Option::ReviewDue:
      name = "Review due sentences";
      break;
    case Option::MarkWhileTyping:
      name = "Mark while typing";
      break;
  }
  return std::string(name) + (on ? " on" : " off");
}

std::string ReviewText(const DrillSnapshot& snapshot) {
  if (!snapshot.reviewCounts) return {};
  return std::to_string(snapshot.reviewCounts->due) + " due \xC2\xB7 " +
         std::to_string(snapshot.reviewCounts->fresh) + " new";
}

std::string ReviewLine(const ReviewCounts& counts) {
  return std::to_string(counts.due) + " due, " + std::to_string(counts.fresh) + " new.";
}

std::string MarkedLine(const RecordCounts& counts) {
  return std::to_string(counts.marked) + " of " + std::to_string(counts.records) + " marked.";
}

std::string CurrentSpeedText(const DrillSnapshot& snapshot) {
  return snapshot.currentSpeed ? std::to_string(*snapshot.currentSpeed)
                               : std::string(kNoSpeedYetText);
}

std::string BestSpeedText(const DrillSnapshot& snapshot) {
  return snapshot.bestSpeed > 0 ? std::to_string(snapshot.bestSpeed) : std::string(kNoSpeedYetText);
}

std::string InfoText(const DrillSnapshot& snapshot) {
  if (snapshot.counts) return InfoLine(snapshot.counts->records, snapshot.counts->marked);
  if (!snapshot.reading.empty()) return "Reading " + std::string(snapshot.reading) + " \u2026";
  return std::string(kNoFileText);
}

std::string TimeText(const DrillSnapshot& snapshot) {
  return TimeLine(snapshot.hours, snapshot.minutes, snapshot.seconds);
}

std::string UndoText(const DrillSnapshot& snapshot) {
  return snapshot.undoCommand.empty() ? std::string() : "Undo " + std::string(snapshot.undoCommand);
}

}  // namespace dru
