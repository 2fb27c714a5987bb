// Multiplies a window's controls and fonts by a ratio.
#include "ui/widget_scaling.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QWidget>

#include <cmath>
#include <utility>
#include <vector>

namespace novlet {

namespace {

QFont ScaleFont(QFont font, TScaleRatio ratio) {
  if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, ScaleValue(font.pixelSize(), ratio)));
  } else if (font.pointSizeF() > 0) {
    // Hundredths of a point keep the way back to the designed size exact.
    const double scaled = font.pointSizeF() * ratio.Numerator / ratio.Denominator;
    font.setPointSizeF(std::round(scaled * 100.0) / 100.0);
  }
  return font;
}

QRect ScaleRect(const QRect& rect, TScaleRatio ratio) {
  return QRect(ScaleValue(rect.x(), ratio), ScaleValue(rect.y(), ratio), ScaleValue(rect.width(), ratio),
               ScaleValue(rect.height(), ratio));
}

bool HasFixedSize(const QWidget* widget) { return widget->minimumSize() == widget->maximumSize(); }

}  // namespace

int ScaleValue(int value, TScaleRatio ratio) {
  const long long product = static_cast<long long>(value) * ratio.Numerator;
  const long long half = ratio.Denominator / 2;
  const long long rounded = product >= 0 ? (product + half) / ratio.Denominator : -((-product + half) / ratio.Denominator);
  return static_cast<int>(rounded);
}

void ScaleWidgetTree(QWidget* window, TScaleRatio ratio) {
  if (!window || ratio.IsIdentity() || ratio.Denominator == 0) return;

  // Fonts are read before any is changed: a child that inherits its font
  // would otherwise see its parent's new size and be scaled twice.
  std::vector<std::pair<QWidget*, QFont>> ownFonts;
  ownFonts.emplace_back(window, window->font());
  const QList<QWidget*> children = window->findChildren<QWidget*>();
  std::vector<std::pair<QWidget*, QRect>> geometries;
  for (QWidget* child : children) {
    if (child->window() != window) continue;
    geometries.emplace_back(child, child->geometry());
    if (child->testAttribute(Qt::WA_SetFont)) ownFonts.emplace_back(child, child->font());
  }

  const QSize windowSize(ScaleValue(window->width(), ratio), ScaleValue(window->height(), ratio));
  if (HasFixedSize(window))
    window->setFixedSize(windowSize);
  else
    window->resize(windowSize);

  for (const auto& [child, geometry] : geometries) {
    const QRect scaled = ScaleRect(geometry, ratio);
    if (HasFixedSize(child)) child->setFixedSize(scaled.size());
    child->setGeometry(scaled);
  }
  for (const auto& [widget, font] : ownFonts) widget->setFont(ScaleFont(font, ratio));
}

}  // namespace novlet
