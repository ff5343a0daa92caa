#pragma once

#include <cmath>
#include <cstdint>

namespace dru {

// The one speed of an answer, in keys per minute: keys (the characters
// typed) over the milliseconds from the first key to Enter, rounded with
// ties to even. The labels, the bars, the spoken line, the best speed, the
// history, the grading and the Progress window all show this figure. No
// time measured (a text pasted without a key): 0.
inline std::int64_t TypingSpeed(std::int64_t keys, std::int64_t milliseconds) noexcept {
  if (milliseconds <= 0 || keys <= 0) return 0;
  return static_cast<std::int64_t>(
      std::nearbyint(static_cast<double>(keys) * 60000.0 / static_cast<double>(milliseconds)));
}

}  // namespace dru
