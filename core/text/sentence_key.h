#pragma once

#include <cstdint>
#include <string_view>

namespace dru {

// Tells sentences apart by a 64-bit hash of their whole text (FNV-1a): the
// history keeps answers under it, and the drill finds their lines by it.
constexpr std::int64_t SentenceKey(std::string_view text) noexcept {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return static_cast<std::int64_t>(hash);
}

}  // namespace dru
