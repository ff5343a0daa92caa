#pragma once

#include <QString>

#include "ui/platform/translation.h"

namespace dru::ui {

// The main window's caption, in the reader's language (WindowCaption());
// another instance of the same language finds the window by it.
inline constexpr char kWindowCaption[] = DRU_TR_NOOP("Window", "dru - Sentence Typing Drill");
// The application's own title, shown on error reports; differs from the
// caption so that a search by caption never finds anything else of ours.
inline constexpr char kApplicationTitle[] = "Dru";
inline constexpr char kProductName[] = "dru Sentence Typing Drill";

inline QString WindowCaption() {
  return Tr("Window", kWindowCaption);
}

}  // namespace dru::ui
