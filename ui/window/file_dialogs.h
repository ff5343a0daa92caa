#pragma once

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace dru::ui {

// OpenDialogDru: starts in folder (the working directory when empty) with
// no file name; the chosen file need not exist. Returns the full path, or
// "" when cancelled. No dialog moves the working directory.
QString ChooseFileToOpen(QWidget* parent, const QString& folder);
// SaveDialogDru: starts with fileName in its own folder when it is a full
// path, else in folder; no overwrite question of its own. A filter
// ("CSV files (*.csv)") is offered before all files.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& folder,
                         const QString& fileName, const QString& filter = {});

// A path as the file system's bytes, and back.
std::string PathBytes(const QString& path);
QString PathText(std::string_view bytes);

}  // namespace dru::ui
