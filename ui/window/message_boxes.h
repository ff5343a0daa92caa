#pragma once

#include <QString>

#include "app/dialogs.h"

class QWidget;

namespace dru::ui {

// The question and notice boxes: "Information" with OK, where Enter and Esc
// answer OK and the title bar's close button answers Cancel; "Confirm" with
// OK and Cancel, where Esc and the close button answer Cancel.
// cancelFirst: Cancel is the default button, for a step that cannot be
// taken back.
Answer AskUser(QWidget* parent, MessageKind kind, const QString& text, bool cancelFirst = false);

// The general error report: the application title, a stop icon, one OK.
void ShowErrorReport(QWidget* parent, const std::string& text);

}  // namespace dru::ui
