#include "ui/platform/text_codec.h"

#include <QByteArray>
#include <QFile>

#include "ui/platform/cp1252_codec.h"

namespace dru::ui {

QString DecodeText(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::Windows1252) return ToQString(bytes);
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string EncodeText(const QString& text, TextEncoding encoding) {
  if (encoding == TextEncoding::Windows1252) return FromQString(text);
  return text.toUtf8().toStdString();
}

QString MessageText(std::string_view bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string PathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString PathText(std::string_view bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace dru::ui
