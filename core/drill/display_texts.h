#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/drill/drill_snapshot.h"
#include "core/text/mistakes.h"
#include "core/text/translation.h"

namespace dru {

// The fixed texts of the window's displays and notices.
inline constexpr std::string_view kNoFileText = DRU_TR_NOOP("Display", "No File is opened ...");
inline constexpr std::string_view kEmptyFileText =
    DRU_TR_NOOP("Display", "This is an empty text file, open another Please ...");
// A fixed text of this file in the reader's language.
inline std::string DisplayText(std::string_view text) {
  return Tr("Display", text.data());
}
// What the speed numbers show until the first speed is written.
inline constexpr std::string_view kNoSpeedYetText = "000";

// "There are N records in the file, M marked ready ..."
std::string InfoLine(std::int64_t records, std::int64_t marked);
// "Time  HH : MM : SS  have been elasped ..."
std::string TimeLine(std::int32_t hours, std::int32_t minutes, std::int32_t seconds);

// What a screen reader is told, in words. "Correct, 350 keys per minute."
std::string CorrectLine(std::int64_t speed);
// "2 mistakes: typed "Helo" expected "Hello"." in UTF-8, the quotes cut
// around the first mistake.
std::string MistakesLine(std::string_view typed, std::string_view expected,
                         const Comparison& comparison, TextEncoding encoding);
// "Sound on", "Case sensitive off", "Show mistakes on".
std::string OptionLine(Option option, bool on);
// "12 of 40 marked."
std::string MarkedLine(const RecordCounts& counts);
// "3 due, 12 new." as a screen reader says the review counts.
std::string ReviewLine(const ReviewCounts& counts);

}  // namespace dru
