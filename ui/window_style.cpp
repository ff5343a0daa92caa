#include "window_style.h"

#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace dru::ui {

void ApplyWindowStyle(QWidget& window) {
  const bool verdana = QFontDatabase::families().contains(QStringLiteral("Verdana"));
  QFont font(verdana ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans"));
  font.setPointSize(8);
  window.setFont(font);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

}  // namespace dru::ui
