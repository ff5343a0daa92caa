#include "core/drill/clock.h"

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

namespace {

std::int64_t Milliseconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

std::int64_t SystemClock::UtcMilliseconds() const {
  return Milliseconds(CLOCK_REALTIME);
}

std::int64_t SystemClock::SteadyMilliseconds() const {
  return Milliseconds(CLOCK_MONOTONIC);
}

std::string LocalDate(std::int64_t utcMilliseconds, int daysBefore) {
  const auto seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  if (daysBefore != 0) {
    // Noon, so that no change of clocks moves it to another day.
    local.tm_mday -= daysBefore;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const std::time_t then = std::mktime(&local);
    localtime_r(&then, &local);
  }
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  return date;
}

std::int64_t LocalMidnight(std::int64_t utcMilliseconds, int daysAfter) {
  const auto seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  local.tm_mday += daysAfter;
  local.tm_hour = local.tm_min = local.tm_sec = 0;
  local.tm_isdst = -1;
  return static_cast<std::int64_t>(std::mktime(&local)) * 1000;
}

}  // namespace dru
