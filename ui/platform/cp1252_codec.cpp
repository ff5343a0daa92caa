#include "ui/platform/cp1252_codec.h"

#include <array>

namespace dru::ui {
namespace {

// Unicode code points of bytes 0x80 to 0x9F; the rest equal their byte.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

char16_t CodePointOf(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : char16_t(byte);
}

}  // namespace

QString ToQString(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (char byte : bytes)
    *out++ = QChar(CodePointOf(static_cast<unsigned char>(byte)));
  return text;
}

unsigned char ByteOf(QChar character) {
  const char16_t code = character.unicode();
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
  }
  return '?';
}

std::string FromQString(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A character beyond the 16-bit plane is one '?', not two.
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    bytes += static_cast<char>(ByteOf(text[i]));
  }
  return bytes;
}

}  // namespace dru::ui
