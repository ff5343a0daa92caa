// Windows-1252 bytes survive a trip through Qt's strings, and any Qt string
// comes back as bytes that are stable from then on.
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/platform/cp1252_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (dru::ui::FromQString(dru::ui::ToQString(bytes)) != bytes) std::abort();

  const QString text =
      QString::fromUtf16(reinterpret_cast<const char16_t*>(data), static_cast<qsizetype>(size / 2));
  const std::string once = dru::ui::FromQString(text);
  if (dru::ui::FromQString(dru::ui::ToQString(once)) != once) std::abort();
  return 0;
}
