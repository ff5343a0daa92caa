#include "core/drill/display_texts.h"

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
  return Args(Tr("Display", "There are %1 records in the file, %2 marked ready ..."),
              {std::to_string(records), std::to_string(marked)});
}

std::string TimeLine(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
  return Args(Tr("Display", "Time  %1 : %2 : %3  have been elasped ..."),
              {TwoDigits(hours), TwoDigits(minutes), TwoDigits(seconds)});
}

std::string CorrectLine(std::int64_t speed) {
  return Args(Tr("Display", "Correct, %1 keys per minute."), {std::to_string(speed)});
}

std::string MistakesLine(std::string_view typed, std::string_view expected,
                         const Comparison& comparison, TextEncoding encoding) {
  const std::size_t at = comparison.commonPrefix;
  auto quote = [&](std::string_view text) {
    const Span span = QuotedSpan(text, at, encoding);
    return "\"" + std::string(span.cutBefore ? "..." : "") +
           AsUtf8(text.substr(span.start, span.size), encoding) + (span.cutAfter ? "..." : "") +
           "\"";
  };
  const int mistakes = static_cast<int>(comparison.mistakes);
  const std::string line = comparison.aligned
                               ? Tr("Display", "%n mistake(s)", nullptr, mistakes)
                               : Args(Tr("Display", "The typed text differs from character %1"),
                                      {std::to_string(at + 1)});
  return Args(Tr("Display", "%1: typed %2 expected %3."), {line, quote(typed), quote(expected)});
}

std::string OptionLine(Option option, bool on) {
  switch (option) {
    case Option::SoundEffect:
      return on ? Tr("Display", "Sound on") : Tr("Display", "Sound off");
    case Option::CaseSensitive:
      return on ? Tr("Display", "Case sensitive on") : Tr("Display", "Case sensitive off");
    case Option::ShowMistakes:
      return on ? Tr("Display", "Show mistakes on") : Tr("Display", "Show mistakes off");
    case Option::MarkWhileTyping:
      return on ? Tr("Display", "Mark while typing on") : Tr("Display", "Mark while typing off");
    case Option::SpeakAfterEnter:
      return on ? Tr("Display", "Speak after Enter on") : Tr("Display", "Speak after Enter off");
  }
  return {};
}

std::string ReviewText(const DrillSnapshot& snapshot) {
  if (!snapshot.reviewCounts) return {};
  return Args(Tr("Display", "%1 due · %2 new"), {std::to_string(snapshot.reviewCounts->due),
                                                 std::to_string(snapshot.reviewCounts->fresh)});
}

std::string ReviewLine(const ReviewCounts& counts) {
  return Args(Tr("Display", "%1 due, %2 new."),
              {std::to_string(counts.due), std::to_string(counts.fresh)});
}

std::string MarkedLine(const RecordCounts& counts) {
  return Args(Tr("Display", "%1 of %2 marked."),
              {std::to_string(counts.marked), std::to_string(counts.records)});
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
  if (!snapshot.reading.empty()) return Args(Tr("Display", "Reading %1 …"), {snapshot.reading});
  return DisplayText(kNoFileText);
}

std::string TimeText(const DrillSnapshot& snapshot) {
  return TimeLine(snapshot.hours, snapshot.minutes, snapshot.seconds);
}

std::string UndoText(const DrillSnapshot& snapshot) {
  if (snapshot.undoCommand.empty()) return {};
  return Args(Tr("Display", "Undo %1"), {Tr("Command", std::string(snapshot.undoCommand).c_str())});
}

}  // namespace dru
