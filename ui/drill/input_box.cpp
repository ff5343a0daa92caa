#include "ui/drill/input_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextDocument>

#include "ui/drill/key_translation.h"
#include "ui/platform/text_codec.h"

namespace dru::ui {

InputBox::InputBox(QWidget* parent) : QPlainTextEdit(parent) {
  setFrameStyle(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(false);       // Tab is typed into the box
  setUndoRedoEnabled(false);       // no undo: the drill's keys say what happens
  setFocusPolicy(Qt::ClickFocus);  // and never moves the focus here
  QPalette colours = palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::Button));  // button face
  setPalette(colours);
  viewport()->setCursor(Qt::IBeamCursor);
  document()->setDocumentMargin(1);
}

std::string InputBox::Bytes() const {
  // The raw text keeps non-breaking spaces, which toPlainText() turns into
  // plain ones; blocks are separated by paragraph separators there.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return EncodeText(text, encoding_);
}

void InputBox::inputMethodEvent(QInputMethodEvent* event) {
  if (onKeyPress) {
    for (const char32_t character : event->commitString().toUcs4()) {
      const QString one = QString::fromUcs4(&character, 1);
      if (const auto typed = TranslateKey(Qt::Key_unknown, Qt::NoModifier, one, encoding_).press) {
        onKeyPress(*typed);
      }
    }
  }
  QPlainTextEdit::inputMethodEvent(event);
}

namespace {

// Keys with Ctrl that edit the box as in any edit box: the clipboard,
// select all, and moving the cursor (by words, to the ends).
bool IsPlainControlKey(int key) {
  switch (key) {
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Insert:  // copy
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

}  // namespace

void InputBox::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key =
      TranslateKey(event->key(), event->modifiers(), event->text(), encoding_);
  if (key.down && onKeyDown) onKeyDown(*key.down);
  if (key.press && onKeyPress) onKeyPress(*key.press);
  event->accept();

  // The box then does what the keys mean and no more: none of the editor's
  // own shortcuts (undo, delete a word or to the end of the line), and no
  // menu access key (Alt+letter) as text.
  const int code = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  const bool enter = code == Qt::Key_Return || code == Qt::Key_Enter;
  if (modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier)) return;
  if ((control && enter) || (control && code == Qt::Key_J)) {
    insertPlainText(QStringLiteral("\n"));
  } else if ((control && code == Qt::Key_I) || code == Qt::Key_Backtab) {
    insertPlainText(QStringLiteral("\t"));
  } else if (control && code == Qt::Key_H) {
    textCursor().deletePreviousChar();
  } else if (control ? IsPlainControlKey(code) : !enter && code != Qt::Key_Escape) {
    QPlainTextEdit::keyPressEvent(event);
  }
}

}  // namespace dru::ui
