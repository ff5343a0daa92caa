#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

#include "core/text/text_encoding.h"

namespace dru::ui {

// What one Qt key event means to the drill's key handlers: the virtual-key
// number of the key that went down, and the character it types, if any.
struct TranslatedKey {
  std::optional<std::uint16_t> down;
  std::optional<char32_t> press;  // a byte of Windows-1252, or a code point
};

// Built from the key code and the modifiers, not from native codes; the
// event's text is only used for ordinary typed characters, which come as
// the open file's encoding has them.
TranslatedKey TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                           TextEncoding encoding = TextEncoding::Windows1252);

}  // namespace dru::ui
