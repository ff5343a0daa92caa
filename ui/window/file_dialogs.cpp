// The open and save dialogs, started where the commands say.
#include "ui/window/file_dialogs.h"
#include "ui/platform/translation.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace dru::ui {
namespace {

// Centred across the monitor of the main window, a third of the free
// height above.
void Place(QFileDialog& dialog, QWidget* parent) {
  QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = dialog.sizeHint().expandedTo(QSize(560, 360));
  dialog.resize(size);
  dialog.move(area.left() + (area.width() - size.width()) / 2,
              area.top() + (area.height() - size.height()) / 3);
}

QString Run(QFileDialog& dialog, QWidget* parent) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setSizeGripEnabled(true);
  Place(dialog, parent);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

}  // namespace

QString ChooseFileToOpen(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, Tr("FileDialogs", "Open a TXT file that contains records .."));
  dialog.setObjectName(QStringLiteral("OpenDialogDru"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Only a file that is there: a mistyped name is no new file to save to.
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(
      {Tr("FileDialogs", "Text Files (*.txt)"), Tr("FileDialogs", "All Files (*)")});
  dialog.setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
  return Run(dialog, parent);
}

QString ChooseFileToImport(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, Tr("FileDialogs", "Import a Text or Phrase List"));
  dialog.setObjectName(QStringLiteral("ImportDialogDru"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({Tr("FileDialogs", "Texts and Phrase Lists (*.txt *.csv *.tsv)"),
                         Tr("FileDialogs", "All Files (*)")});
  dialog.setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
  return Run(dialog, parent);
}

QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& folder,
                         const QString& fileName, const QString& filter) {
  QFileDialog dialog(parent, title);
  dialog.setObjectName(QStringLiteral("SaveDialogDru"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!filter.isEmpty()) dialog.setNameFilters({filter, Tr("FileDialogs", "All Files (*)")});
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (!fileName.isEmpty()) {
    const QFileInfo info(fileName);
    if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }
  return Run(dialog, parent);
}

}  // namespace dru::ui
