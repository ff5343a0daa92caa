// The flag reader against a plain reference built on strtoll and strtoull.
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ini_file.h"

namespace {

bool Reference(const std::string& text, bool fallback) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  std::string rest = text.substr(i);
  std::size_t prefix = 0;
  if (rest.rfind("0x", 0) == 0 || rest.rfind("0X", 0) == 0) {
    prefix = 2;
  } else if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    prefix = 1;
  }
  const bool hex = prefix > 0 && rest.size() > prefix;
  const std::string digits = hex ? rest.substr(prefix) : rest;
  if (digits.empty()) return fallback;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    const auto c = static_cast<unsigned char>(digits[k]);
    const bool sign = !hex && k == 0 && (c == '+' || c == '-') && digits.size() > 1;
    if (!sign && !(hex ? std::isxdigit(c) : std::isdigit(c))) return fallback;
  }
  if (!hex && (digits[0] == '+' || digits[0] == '-') &&
      !std::isdigit(static_cast<unsigned char>(digits[1]))) {
    return fallback;
  }
  errno = 0;
  if (hex) {
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, 16);
    if (errno != 0 || value > 0xFFFFFFFFull) return fallback;
    return value != 0;
  }
  const long long value = std::strtoll(digits.c_str(), nullptr, 10);
  if (errno != 0 || value < INT32_MIN || value > INT32_MAX) return fallback;
  return value != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (text.find('\0') != std::string::npos) return 0;  // values never hold NUL
  for (bool fallback : {false, true}) {
    if (dru::ReadFlag(text, fallback) != Reference(text, fallback)) std::abort();
  }
  return 0;
}
