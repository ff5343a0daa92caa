#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace dru::ui {

// What one Qt key event means to the drill's key handlers: the virtual-key
// number of the key that went down, and the character it types, if any.
struct TranslatedKey {
  std::optional<std::uint16_t> down;
  std::optional<unsigned char> press;
};

// Built from the key code and the modifiers, not from native codes; the
// event's text is only used for ordinary typed characters.
TranslatedKey TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace dru::ui
