#pragma once

#include <cstdint>

namespace dru {

// Virtual-key numbers that the key-down handler tells apart.
namespace vk {
inline constexpr std::uint16_t kControl = 17;
inline constexpr std::uint16_t kPageUp = 33;
inline constexpr std::uint16_t kDown = 40;
inline constexpr std::uint16_t kInsert = 45;
inline constexpr std::uint16_t kDelete = 46;
}  // namespace vk

// Characters that the key-press handler tells apart.
namespace key {
inline constexpr unsigned char kBackspace = 8;
inline constexpr unsigned char kTab = 9;
inline constexpr unsigned char kEnter = 13;
inline constexpr unsigned char kEscape = 27;
}  // namespace key

}  // namespace dru
