#pragma once

#include <stdexcept>
#include <string>

namespace dru {

// Why the history cannot be kept, in words for the status line, and what
// kind of failure it is: a damaged file is moved aside and a new one
// started, a file locked by another program is tried again later.
class HistoryError : public std::runtime_error {
 public:
  enum class Kind { Other, Damaged, Busy };
  explicit HistoryError(const std::string& what, Kind kind = Kind::Other)
      : std::runtime_error(what), kind_(kind) {}
  Kind GetKind() const noexcept { return kind_; }

 private:
  Kind kind_;
};

}  // namespace dru
