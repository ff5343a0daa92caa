#pragma once

#include <QString>
#include <QWidget>
#include <string>

namespace dru::ui {

// Brings window to the front for a later start of dru, restored when
// minimised. token is the launcher's activation token, which lets a
// Wayland compositor hand over the focus; on X11 the window asks for the
// focus as a tool acting for the user.
void BringToFront(QWidget& window, const std::string& token);

// Where the sample sentence files are: the source tree's examples/ when
// dru runs from a build folder inside it, else the installed ones.
std::string ExamplesFolder();

}  // namespace dru::ui
