// Coming to the front for a later start, and where the samples live.
#include "ui/platform/window_activation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "ui/platform/x11_activator.h"

namespace dru::ui {

void BringToFront(QWidget& window, const std::string& token) {
  // Qt's Wayland support passes this token with the activation request.
  if (!token.empty()) qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
  if (window.isMinimized()) window.showNormal();
  window.show();
  window.raise();
  window.activateWindow();
  if (QGuiApplication::platformName() == QStringLiteral("xcb")) ActivateX11Window(window.winId());
}

std::string ExamplesFolder() {
  const QDir build(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
  const QFileInfo sources(build.filePath(QStringLiteral("../examples/Default.dat")));
  if (build.exists(QStringLiteral("CMakeCache.txt")) && sources.exists()) {
    return QFile::encodeName(sources.canonicalPath()).toStdString();
  }
  return DRU_EXAMPLES_DIR;
}

}  // namespace dru::ui
