#pragma once

#include <cstdint>
#include <string>

namespace dru {

struct TimeOfDay {
  unsigned hour = 0;
  unsigned minute = 0;
  unsigned second = 0;
  unsigned millisecond = 0;
};

// Source of the current time; replaced in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeOfDay NowUtc() const = 0;
  // Milliseconds since 1970, UTC.
  virtual std::int64_t UtcMilliseconds() const = 0;
  // Milliseconds from some fixed moment, never set back: for durations.
  virtual std::int64_t SteadyMilliseconds() const = 0;
};

class SystemClock final : public Clock {
 public:
  TimeOfDay NowUtc() const override;
  std::int64_t UtcMilliseconds() const override;
  std::int64_t SteadyMilliseconds() const override;
};

// The local date of a moment, as YYYY-MM-DD; or of the day days before it,
// counted in local days.
std::string LocalDate(std::int64_t utcMilliseconds, int daysBefore = 0);
// The local midnight that starts the day of a moment, or the day daysAfter
// it, in milliseconds since 1970, UTC: a local day is [LocalMidnight(t),
// LocalMidnight(t, 1)).
std::int64_t LocalMidnight(std::int64_t utcMilliseconds, int daysAfter = 0);

}  // namespace dru
