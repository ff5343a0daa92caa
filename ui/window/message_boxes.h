#pragma once

#include <QString>

#include "app/dialogs.h"

class QWidget;

namespace dru::ui {

// The question and notice boxes: "Information" with OK, where Enter and Esc
// answer OK and the title bar's close button answers Cancel; "Confirm" with
// OK and Cancel, where Esc and the close button answer Cancel.
Answer AskUser(QWidget* parent, MessageKind kind, const QString& text);

// The general error report: the application title, a stop icon, one OK.
void ShowErrorReport(QWidget* parent, const std::string& text);

}  // namespace dru::ui
