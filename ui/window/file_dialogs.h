#pragma once

#include <QString>

#include "ui/platform/text_codec.h"  // PathBytes, PathText

class QWidget;

namespace dru::ui {

// OpenDialogDru: starts in folder (the working directory when empty) with
// no file name; the chosen file need not exist. Returns the full path, or
// "" when cancelled. No dialog moves the working directory.
QString ChooseFileToOpen(QWidget* parent, const QString& folder);
// ImportDialogDru: the same for a text or phrase list to bring in, with
// its own title and filter; the file must exist.
QString ChooseFileToImport(QWidget* parent, const QString& folder);
// SaveDialogDru: starts with fileName in its own folder when it is a full
// path, else in folder; no overwrite question of its own. A filter
// ("CSV files (*.csv)") is offered before all files.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& folder,
                         const QString& fileName, const QString& filter = {});

}  // namespace dru::ui
