#include "ui/platform/resources.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialiser requires.
static void InitDruResources() {
  Q_INIT_RESOURCE(dru);
}

namespace dru::ui {

void InitResources() {
  static const bool done = (InitDruResources(), true);
  (void)done;
}

}  // namespace dru::ui
