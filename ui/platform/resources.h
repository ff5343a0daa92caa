#pragma once

namespace dru::ui {

// Registers the compiled-in sounds and icon; safe to call more than once.
void InitResources();

}  // namespace dru::ui
