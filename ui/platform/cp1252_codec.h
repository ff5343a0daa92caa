#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace dru::ui {

// The one conversion between the drill's bytes and Qt's strings. Bytes are
// Windows-1252; the five bytes that set leaves undefined map to the C1
// control characters of the same value, so every byte survives a round trip.
QString ToQString(std::string_view bytes);
// Characters outside Windows-1252 become '?'.
std::string FromQString(const QString& text);
// One character; '?' when it has no byte.
unsigned char ByteOf(QChar character);

}  // namespace dru::ui
