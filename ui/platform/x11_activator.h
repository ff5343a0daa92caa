#pragma once

#include "app/single_instance.h"

namespace dru::ui {

// Looks among the X11 top-level windows for one whose caption matches,
// letter case ignored, skipping this process's own windows; restores it
// when minimised, otherwise brings it to the front. Does nothing where the
// display is not X11.
class X11Activator : public WindowActivator {
 public:
  void ActivateWindowByCaption(const std::string& caption) override;
};

// Asks for the focus for a window of ours, restoring it when minimised.
void ActivateX11Window(unsigned long window);

}  // namespace dru::ui
