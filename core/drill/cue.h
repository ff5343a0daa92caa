#pragma once

namespace dru {

// The short sounds that go with keystrokes and commands.
enum class Cue {
  About,    // start-up has finished
  Start,    // Help, About
  Menu,     // Mark Ready
  Close,    // Close, Clear All Marks
  Restore,  // the previous record came back
  Enter,    // Enter in the input box
  Esc,      // Esc in the input box
  Del,      // Backspace in the input box
  Type,     // a printable character typed
  Hepp,     // a navigation key
};

}  // namespace dru
