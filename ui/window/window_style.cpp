#include "ui/window/window_style.h"

#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace dru::ui {

void ApplyWindowStyle(QWidget& window) {
  QFont font;
  // Verdana where it is installed; asking for both spares listing every
  // font family at start-up.
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  window.setFont(font);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

}  // namespace dru::ui
