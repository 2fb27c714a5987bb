// Makes the whole program usable by screen readers and desktop automation.
#include "game/accessibility.h"

#include "game/accessible_grid.h"
#include "game/accessible_pie_gauge.h"
#include "game/accessible_symbol_strip.h"
#include "game/grid_symbol_strip.h"
#include "game/novlet_grid.h"
#include "game/pie_gauge.h"
#include "ui/kit_accessibility.h"

namespace novlet {

namespace {

QAccessibleInterface* GameAccessibleInterface(const QString&, QObject* object) {
  if (auto* grid = qobject_cast<TNovletGrid*>(object)) return new TAccessibleGrid(grid);
  if (auto* strip = qobject_cast<TGridSymbolStrip*>(object)) return new TAccessibleSymbolStrip(strip);
  if (auto* gauge = qobject_cast<TPieGauge*>(object)) return new TAccessiblePieGauge(gauge);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  InstallKitAccessibility();
  QAccessible::installFactory(GameAccessibleInterface);
}

}  // namespace novlet
