#pragma once

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace dru::ui {

// OpenDialogDru: starts in the working directory with no file name; the
// chosen file need not exist. Returns the full path, or "" when cancelled.
QString ChooseFileToOpen(QWidget* parent);
// SaveDialogDru: no filter, no overwrite question of its own.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& fileName);

// A path as the file system's bytes, and back.
std::string PathBytes(const QString& path);
QString PathText(std::string_view bytes);

}  // namespace dru::ui
