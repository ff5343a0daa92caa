#include "ui/drill/key_translation.h"

#include <QList>

#include "ui/platform/cp1252_codec.h"

namespace dru::ui {
namespace {

std::optional<std::uint16_t> VirtualKeyOf(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<std::uint16_t>(key);  // Qt uses the upper-case codes too
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
    return static_cast<std::uint16_t>(112 + (key - Qt::Key_F1));
  }
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Meta:
      return 91;
    case Qt::Key_Menu:
      return 93;
    default:
      return std::nullopt;
  }
}

std::optional<char32_t> CharacterOf(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                                    TextEncoding encoding) {
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (control) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
      return static_cast<unsigned char>(key - Qt::Key_A + 1);
    if (enter) return 10;
    if (key == Qt::Key_Backspace) return 127;
    return std::nullopt;
  }
  if (modifiers.testFlag(Qt::AltModifier)) return std::nullopt;  // menu access keys
  if (enter) return 13;
  switch (key) {
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    default:
      break;
  }
  const QList<uint> characters = text.toUcs4();
  if (characters.isEmpty() || !QChar::isPrint(characters.front())) return std::nullopt;
  if (encoding == TextEncoding::Utf8) return static_cast<char32_t>(characters.front());
  return ByteOf(text.front());
}

}  // namespace

TranslatedKey TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                           TextEncoding encoding) {
  return TranslatedKey{VirtualKeyOf(key), CharacterOf(key, modifiers, text, encoding)};
}

}  // namespace dru::ui
