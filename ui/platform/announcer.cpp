// Notifications for screen readers: the results of the drill, spoken.
#include "ui/platform/announcer.h"

#include <QAccessibleWidget>

namespace dru::ui {
namespace {

QAccessibleInterface* NotificationFor(const QString&, QObject* object) {
  auto* announcer = dynamic_cast<Announcer*>(object);
  return announcer != nullptr ? new QAccessibleWidget(announcer, QAccessible::Notification)
                              : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(&NotificationFor);
    return true;
  }();
  (void)installed;
  setObjectName(QStringLiteral("Announcer"));
  setGeometry(0, 0, 0, 0);  // nothing to see
  setFocusPolicy(Qt::NoFocus);
  hide();  // until there is something to say: shown empty, it is read as such
}

void Announcer::Say(const QString& text) {
  setAccessibleName(text);
  // Appearing is what a screen reader reads; a change of name alone it
  // does not speak.
  hide();
  show();
}

}  // namespace dru::ui
