#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "core/text/text_encoding.h"

namespace dru::ui {

// Between the open file's bytes and Qt's strings. UTF-8 that is not well
// formed shows replacement characters; text that Windows-1252 cannot hold
// becomes '?'.
QString DecodeText(std::string_view bytes, TextEncoding encoding);
std::string EncodeText(const QString& text, TextEncoding encoding);

// Texts of messages and error reports: fixed words and file names, shown
// as the file system spells them.
QString MessageText(std::string_view bytes);

// A path as the file system's bytes, and back.
std::string PathBytes(const QString& path);
QString PathText(std::string_view bytes);

}  // namespace dru::ui
