#include "display_texts.h"

namespace dru {
namespace {

std::string TwoDigits(std::int32_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
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

}  // namespace dru
