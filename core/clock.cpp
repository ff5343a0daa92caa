#include "clock.h"

#include <ctime>

namespace dru {

TimeOfDay SystemClock::NowUtc() const {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const long long secondOfDay = static_cast<long long>(now.tv_sec) % 86400;
  return TimeOfDay{
      static_cast<unsigned>(secondOfDay / 3600), static_cast<unsigned>(secondOfDay / 60 % 60),
      static_cast<unsigned>(secondOfDay % 60), static_cast<unsigned>(now.tv_nsec / 1000000)};
}

}  // namespace dru
