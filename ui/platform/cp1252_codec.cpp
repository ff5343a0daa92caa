#include "ui/platform/cp1252_codec.h"

#include "core/text/cp1252_case.h"

namespace dru::ui {

QString ToQString(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (char byte : bytes)
    *out++ = QChar(Cp1252CodePoint(static_cast<unsigned char>(byte)));
  return text;
}

unsigned char ByteOf(QChar character) {
  return Cp1252Byte(character.unicode());
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
