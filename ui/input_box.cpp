#include "input_box.h"

#include <QKeyEvent>

#include "cp1252_codec.h"
#include "key_translation.h"

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
  QString text = toPlainText();
  text.replace(QChar('\n'), QStringLiteral("\r\n"));
  return FromQString(text);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key = TranslateKey(event->key(), event->modifiers(), event->text());
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
