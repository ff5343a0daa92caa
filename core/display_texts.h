#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dru {

// The fixed texts of the window's displays and notices.
inline constexpr std::string_view kNoFileText = "No File is opened ...";
inline constexpr std::string_view kEmptyFileText =
    "This is an empty text file, open another Please ...";
// What the speed numbers show until the first speed is written.
inline constexpr std::string_view kNoSpeedYetText = "000";

// "There are N records in the file, M marked ready ..."
std::string InfoLine(std::int64_t records, std::int64_t marked);
// "Time  HH : MM : SS  have been elasped ..."
std::string TimeLine(std::int32_t hours, std::int32_t minutes, std::int32_t seconds);

}  // namespace dru
