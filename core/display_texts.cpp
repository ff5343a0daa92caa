#include "display_texts.h"

#include "drill_snapshot.h"

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

std::string CurrentSpeedText(const DrillSnapshot& snapshot) {
  return snapshot.currentSpeed ? std::to_string(*snapshot.currentSpeed)
                               : std::string(kNoSpeedYetText);
}

std::string BestSpeedText(const DrillSnapshot& snapshot) {
  return snapshot.bestSpeed > 0 ? std::to_string(snapshot.bestSpeed) : std::string(kNoSpeedYetText);
}

std::string InfoText(const DrillSnapshot& snapshot) {
  return snapshot.counts ? InfoLine(snapshot.counts->records, snapshot.counts->marked)
                         : std::string(kNoFileText);
}

std::string TimeText(const DrillSnapshot& snapshot) {
  return TimeLine(snapshot.hours, snapshot.minutes, snapshot.seconds);
}

std::string UndoText(const DrillSnapshot& snapshot) {
  return snapshot.undoCommand.empty() ? std::string() : "Undo " + std::string(snapshot.undoCommand);
}

}  // namespace dru
