#include "ui/window/about_box.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/version.h"
#include "ui/platform/fixed_layout.h"
#include "ui/platform/translation.h"
#include "ui/window/titles.h"
#include "ui/window/window_style.h"

namespace dru::ui {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(Tr("About", "About This Program"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  // No icon in the title bar: a blank one, or the main window's would show.
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  setWindowIcon(QIcon(blank));
  ApplyWindowStyle(*this);
  setFixedSize(276, 161);
  move(257, 185);

  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(9, 8, 257, 92);

  MakeLabel(this, "Label1", QString::fromUtf8(kProductName), 25, 17);
  MakeLabel(this, "Label2", Tr("About", "Version %1").arg(QLatin1String(kVersion)), 25, 33);
  MakeLabel(this, "Label4", Tr("About", "Email: "), 25, 49);
  MakeLabel(this, "Label6", QStringLiteral("dru@users.invalid"), 65, 49);
  MakeLabel(this, "Label3", Tr("About", "Written by the dru team, 2026."), 25, 73);

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(QPixmap(QStringLiteral(":/icons/dru.png")));
  image->setAccessibleName(Tr("About", "Program icon"));
  image->setGeometry(217, 16, 32, 32);

  auto* ok = new QPushButton(Tr("About", "OK"), this);
  ok->setObjectName(QStringLiteral("BitBtn1"));
  ok->setGeometry(105, 120, 65, 25);
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  MirrorChildren(*this);
}

void AboutBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    // Back at once, after the window manager has finished minimising.
    QTimer::singleShot(0, this, [this] {
      if (QWidget* owner = parentWidget())
        owner->setWindowState(owner->windowState() & ~Qt::WindowMinimized);
      setWindowState(windowState() & ~Qt::WindowMinimized);
      activateWindow();
    });
  }
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();  // no button cancels this box
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace dru::ui
