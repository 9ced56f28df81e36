#pragma once
// The program's own picture for the splash and the About window, drawn rather than shipped: a land
// plot with its survey points over a map grid, and the program's name.

#include <QRect>

class QPainter;

namespace velta::app {

// Paints the background and the plot emblem into `area`; `emblem` is where the plot goes.
void paintBackdrop(QPainter& painter, const QRect& area, const QRect& emblem);

} // namespace velta::app
