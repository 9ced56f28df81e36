#include "app/splash_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace velta::app {

void paintBackdrop(QPainter& painter, const QRect& area, const QRect& emblem) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(31, 78, 121));
    sky.setColorAt(1, QColor(20, 52, 40));
    painter.fillRect(area, sky);

    // A faint map grid, as on a cadastral plan.
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int x = area.left(); x < area.right(); x += 24)
        painter.drawLine(x, area.top(), x, area.bottom());
    for (int y = area.top(); y < area.bottom(); y += 24)
        painter.drawLine(area.left(), y, area.right(), y);

    // The plot: a field outline with its turning points.
    const QRectF r = emblem;
    const QPolygonF plot{{r.left() + 0.10 * r.width(), r.top() + 0.30 * r.height()},
                         {r.left() + 0.55 * r.width(), r.top() + 0.08 * r.height()},
                         {r.left() + 0.92 * r.width(), r.top() + 0.38 * r.height()},
                         {r.left() + 0.78 * r.width(), r.top() + 0.90 * r.height()},
                         {r.left() + 0.22 * r.width(), r.top() + 0.80 * r.height()}};
    painter.setPen(QPen(QColor(255, 214, 90), 2.5));
    painter.setBrush(QColor(110, 170, 90, 150));
    painter.drawPolygon(plot);
    // Its crop rows.
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int i = 1; i < 6; ++i) {
        const double t = i / 6.0;
        painter.drawLine(QLineF(plot[0] + (plot[4] - plot[0]) * t, plot[1] + (plot[2] - plot[1]) * t));
    }
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(200, 40, 40));
    for (const QPointF& p : plot)
        painter.drawEllipse(p, 4, 4);
    painter.restore();
}

} // namespace velta::app
