#pragma once

namespace dru {

struct TimeOfDay {
  unsigned hour = 0;
  unsigned minute = 0;
  unsigned second = 0;
  unsigned millisecond = 0;
};

// Source of the current time of day; replaced in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeOfDay NowUtc() const = 0;
};

class SystemClock final : public Clock {
 public:
  TimeOfDay NowUtc() const override;
};

}  // namespace dru
