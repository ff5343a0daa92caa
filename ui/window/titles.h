#pragma once

namespace dru::ui {

// The main window's caption; another instance finds the window by it.
inline constexpr char kWindowCaption[] = "dru - Sentence Typing Drill";
// The application's own title, shown on error reports; differs from the
// caption so that a search by caption never finds anything else of ours.
inline constexpr char kApplicationTitle[] = "Dru";
inline constexpr char kProductName[] = "dru Sentence Typing Drill";

}  // namespace dru::ui
