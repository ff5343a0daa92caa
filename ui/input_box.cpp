#include "input_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextDocument>

#include "key_translation.h"
#include "text_codec.h"

namespace dru::ui {

InputBox::InputBox(QWidget* parent) : QPlainTextEdit(parent) {
  setFrameStyle(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(false);       // Tab is typed into the box
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

void InputBox::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key =
      TranslateKey(event->key(), event->modifiers(), event->text(), encoding_);
  if (key.down && onKeyDown) onKeyDown(*key.down);
  if (key.press && onKeyPress) onKeyPress(*key.press);

  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && event->modifiers().testFlag(Qt::ControlModifier)) {
    insertPlainText(QStringLiteral("\n"));
  } else if (!enter && event->key() != Qt::Key_Escape) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  event->accept();
}

}  // namespace dru::ui
