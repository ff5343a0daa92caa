#include "ui/window/message_boxes.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "core/file/io_error.h"
#include "ui/platform/text_codec.h"
#include "ui/platform/translation.h"
#include "ui/window/titles.h"

namespace dru::ui {
namespace {

// Tells the title bar's close button apart from Esc, which QMessageBox
// otherwise treats alike.
class QuestionBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  bool closedByTitleBar = false;

 protected:
  void closeEvent(QCloseEvent* event) override {
    closedByTitleBar = clickedButton() == nullptr;
    QMessageBox::closeEvent(event);
  }
};

// The buttons in a row below the text, centred.
void CentreButtons(QMessageBox& box) {
  if (auto* buttons = box.findChild<QDialogButtonBox*>()) buttons->setCenterButtons(true);
}

void CentreOnScreen(QWidget& box, QWidget* parent) {
  box.adjustSize();
  QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  box.move(area.center() - box.rect().center());
}

}  // namespace

Answer AskUser(QWidget* parent, MessageKind kind, const QString& text, bool cancelFirst) {
  const bool question = kind == MessageKind::Confirmation;
  QuestionBox box(question ? QMessageBox::Question : QMessageBox::Information,
                  question ? Tr("Messages", "Confirm") : Tr("Messages", "Information"), text,
                  QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  QPushButton* ok = box.addButton(Tr("Messages", "OK"), QMessageBox::AcceptRole);
  QPushButton* cancel =
      question ? box.addButton(Tr("Messages", "Cancel"), QMessageBox::RejectRole) : nullptr;
  box.setDefaultButton(cancelFirst && cancel != nullptr ? cancel : ok);
  box.setEscapeButton(question ? cancel : ok);
  CentreButtons(box);
  CentreOnScreen(box, parent);
  box.exec();
  if (box.closedByTitleBar || box.clickedButton() != ok) return Answer::Cancel;
  return Answer::Ok;
}

void ShowErrorReport(QWidget* parent, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  MessageText(WithFullStop(text)), QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  // A button of our own, without the icon a standard OK button may carry.
  QPushButton* ok = box.addButton(Tr("Messages", "OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  CentreButtons(box);
  CentreOnScreen(box, parent);
  box.exec();
}

}  // namespace dru::ui
