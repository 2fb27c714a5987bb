// Makes the kit's own controls readable and usable by assistive technology.
#include "ui/kit_accessibility.h"

#include "ui/accessible_button.h"
#include "ui/base_btn.h"

namespace novlet {

namespace {

QAccessibleInterface* KitAccessibleInterface(const QString&, QObject* object) {
  if (auto* button = qobject_cast<TBaseBtn*>(object)) return new TAccessibleButton(button);
  return nullptr;
}

}  // namespace

void InstallKitAccessibility() { QAccessible::installFactory(KitAccessibleInterface); }

}  // namespace novlet
