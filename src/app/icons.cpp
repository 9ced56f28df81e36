#include "app/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace velta::app {

namespace {

// Every figure is drawn on a 24 by 24 grid; the engine scales it to the requested rectangle.
using Figure = std::function<void(QPainter&)>;

const QColor kInk(0x2b, 0x3a, 0x55);
const QColor kPaper(0xfd, 0xfd, 0xf8);
const QColor kBlue(0x2f, 0x6f, 0xc8);
const QColor kGreen(0x2e, 0x9a, 0x4a);
const QColor kRed(0xd0, 0x3b, 0x30);
const QColor kAmber(0xe8, 0xa3, 0x1c);

QPen ink(qreal width = 1.4, QColor color = kInk) {
    QPen p(color, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// A sheet of paper with a folded corner, the base of the document icons.
void sheet(QPainter& p, QRectF r = QRectF(5, 2.5, 13, 18)) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(ink(1.2));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.right() - 4, r.top() + 4), QPointF(r.right(), r.top() + 4));
}

void textLines(QPainter& p, qreal left, qreal top, qreal width, int count) {
    p.setPen(ink(1.0, QColor(0x8a, 0x96, 0xab)));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * 3), QPointF(left + width, top + i * 3));
}

// A triangle pointing left (dir -1) or right (dir 1) with its tip at x.
void triangle(QPainter& p, qreal x, qreal dir, QColor color) {
    QPolygonF t;
    t << QPointF(x, 12) << QPointF(x - dir * 8, 5) << QPointF(x - dir * 8, 19);
    p.setPen(ink(1.2, color.darker(140)));
    p.setBrush(color);
    p.drawPolygon(t);
}

void bar(QPainter& p, qreal x) {
    p.setPen(ink(1.2, kBlue.darker(140)));
    p.setBrush(kBlue);
    p.drawRect(QRectF(x, 5, 2.5, 14));
}

void pencil(QPainter& p, QPointF tip, QColor body = kAmber) {
    p.save();
    p.translate(tip);
    p.rotate(-45);
    QPolygonF shape;
    shape << QPointF(0, 0) << QPointF(4, -2) << QPointF(15, -2) << QPointF(15, 2) << QPointF(4, 2);
    p.setPen(ink(1.1));
    p.setBrush(body);
    p.drawPolygon(shape);
    p.setBrush(kInk);
    QPolygonF lead;
    lead << QPointF(0, 0) << QPointF(1.6, -0.8) << QPointF(1.6, 0.8);
    p.drawPolygon(lead);
    p.restore();
}

void plus(QPainter& p, QPointF c, QColor color = kGreen) {
    p.setPen(ink(1.1, color.darker(140)));
    p.setBrush(color);
    p.drawEllipse(c, 5, 5);
    p.setPen(ink(1.8, Qt::white));
    p.drawLine(c + QPointF(-2.6, 0), c + QPointF(2.6, 0));
    p.drawLine(c + QPointF(0, -2.6), c + QPointF(0, 2.6));
}

void grid(QPainter& p, QRectF r, int rows, int columns, QColor header) {
    p.setPen(ink(1.1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(header);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() / rows));
    for (int i = 1; i < rows; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * r.height() / rows),
                   QPointF(r.right(), r.top() + i * r.height() / rows));
    for (int i = 1; i < columns; ++i)
        p.drawLine(QPointF(r.left() + i * r.width() / columns, r.top()),
                   QPointF(r.left() + i * r.width() / columns, r.bottom()));
}

const std::map<QString, Figure>& figures() {
    static const std::map<QString, Figure> all = {
        {"delete",
         [](QPainter& p) {
             sheet(p);
             textLines(p, 8, 9, 7, 3);
             p.setPen(ink(2.6, kRed));
             p.drawLine(QPointF(11, 11), QPointF(20, 20));
             p.drawLine(QPointF(20, 11), QPointF(11, 20));
         }},
        {"first",
         [](QPainter& p) {
             bar(p, 4);
             triangle(p, 7.5, -1, kBlue);
             triangle(p, 14.5, -1, kBlue);
         }},
        {"prior", [](QPainter& p) { triangle(p, 7, -1, kBlue); }},
        {"next", [](QPainter& p) { triangle(p, 17, 1, kBlue); }},
        {"last",
         [](QPainter& p) {
             triangle(p, 9.5, 1, kBlue);
             triangle(p, 16.5, 1, kBlue);
             bar(p, 17.5);
         }},
        {"create",
         [](QPainter& p) {
             sheet(p);
             textLines(p, 8, 9, 7, 2);
             plus(p, QPointF(17, 17));
         }},
        {"edit",
         [](QPainter& p) {
             sheet(p);
             textLines(p, 8, 9, 7, 3);
             pencil(p, QPointF(11, 20));
         }},
        {"params",
         [](QPainter& p) {
             grid(p, QRectF(2.5, 4, 16, 14), 4, 2, QColor(0xc9, 0xdb, 0xf5));
             pencil(p, QPointF(12, 21));
         }},
        {"find",
         [](QPainter& p) {
             p.setPen(ink(2.0));
             p.setBrush(QColor(0xd8, 0xe8, 0xfb));
             p.drawEllipse(QPointF(10, 10), 6, 6);
             p.setPen(ink(3.2, kInk));
             p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
         }},
        {"save",
         [](QPainter& p) {
             p.setPen(ink(1.2));
             p.setBrush(kBlue);
             QPainterPath body;
             body.moveTo(3.5, 3.5);
             body.lineTo(17.5, 3.5);
             body.lineTo(20.5, 6.5);
             body.lineTo(20.5, 20.5);
             body.lineTo(3.5, 20.5);
             body.closeSubpath();
             p.drawPath(body);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(7, 3.5, 9, 6));
             p.setBrush(QColor(0xe8, 0xee, 0xf6));
             p.drawRect(QRectF(6.5, 13, 11, 7.5));
             p.setBrush(kInk);
             p.drawRect(QRectF(12.5, 4.5, 2, 4));
         }},
        {"calculate",
         [](QPainter& p) {
             p.setPen(ink(1.2));
             p.setBrush(QColor(0xe9, 0xec, 0xf1));
             p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 2, 2);
             p.setBrush(QColor(0xbf, 0xe3, 0xc6));
             p.drawRect(QRectF(7, 5, 10, 4));
             for (int r = 0; r < 3; ++r) {
                 for (int c = 0; c < 3; ++c) {
                     p.setBrush(r == 2 && c == 2 ? kAmber : QColor(0x5d, 0x6b, 0x84));
                     p.setPen(Qt::NoPen);
                     p.drawRect(QRectF(7 + c * 3.6, 11 + r * 3.3, 2.6, 2.3));
                 }
             }
         }},
        {"panel",
         [](QPainter& p) {
             p.setPen(ink(1.2));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(2.5, 3.5, 19, 17));
             p.setBrush(QColor(0xc9, 0xdb, 0xf5));
             p.drawRect(QRectF(2.5, 13, 19, 7.5));
             p.drawLine(QPointF(8.8, 13), QPointF(8.8, 20.5));
             p.drawLine(QPointF(15.2, 13), QPointF(15.2, 20.5));
             textLines(p, 5, 6.5, 14, 2);
         }},
        {"print",
         [](QPainter& p) {
             p.setPen(ink(1.2));
             p.setBrush(kPaper);
             p.drawRect(QRectF(7, 2.5, 10, 7));
             p.setBrush(QColor(0x8a, 0x96, 0xab));
             p.drawRoundedRect(QRectF(2.5, 9, 19, 8.5), 1.5, 1.5);
             p.setBrush(kPaper);
             p.drawRect(QRectF(7, 14, 10, 7.5));
             textLines(p, 9, 16.5, 6, 2);
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawEllipse(QPointF(18.5, 11.5), 1, 1);
         }},
        {"openTemplate",
         [](QPainter& p) {
             p.setPen(ink(1.2));
             p.setBrush(kAmber);
             QPainterPath back;
             back.moveTo(2.5, 6);
             back.lineTo(8, 6);
             back.lineTo(10, 8);
             back.lineTo(19.5, 8);
             back.lineTo(19.5, 19.5);
             back.lineTo(2.5, 19.5);
             back.closeSubpath();
             p.drawPath(back);
             p.setBrush(kAmber.lighter(130));
             QPolygonF front;
             front << QPointF(2.5, 19.5) << QPointF(6, 11) << QPointF(22, 11) << QPointF(19.5, 19.5);
             p.drawPolygon(front);
         }},
        {"editTemplate",
         [](QPainter& p) {
             sheet(p);
             grid(p, QRectF(7.5, 8, 8, 6), 3, 2, QColor(0xc9, 0xdb, 0xf5));
             pencil(p, QPointF(12, 21));
         }},
        {"collections",
         [](QPainter& p) {
             const QColor covers[] = {kBlue, kGreen, kRed};
             for (int i = 0; i < 3; ++i) {
                 p.setPen(ink(1.1));
                 p.setBrush(covers[i]);
                 p.drawRect(QRectF(3.5 + i * 6, 3.5, 5, 17));
                 p.setPen(ink(1.0, Qt::white));
                 p.drawLine(QPointF(4.8 + i * 6, 7), QPointF(7.2 + i * 6, 7));
             }
         }},
        {"templates",
         [](QPainter& p) {
             sheet(p, QRectF(8, 2.5, 12, 15));
             sheet(p, QRectF(4, 6.5, 12, 15));
             textLines(p, 6.5, 12, 6.5, 3);
         }},
    };
    return all;
}

class FigureEngine : public QIconEngine {
public:
    explicit FigureEngine(Figure figure) : m_figure(std::move(figure)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        (void)state;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 24.0, side / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        m_figure(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pm(size * scale);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(0, 0), pm.size()), mode, state);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QIconEngine* clone() const override { return new FigureEngine(m_figure); }
    QString key() const override { return QStringLiteral("VeltaFigure"); }

private:
    Figure m_figure;
};

} // namespace

QIcon toolIcon(const QString& name) {
    const auto it = figures().find(name);
    if (it == figures().end())
        return {};
    return QIcon(new FigureEngine(it->second));
}

QStringList toolIconNames() {
    QStringList names;
    for (const auto& [name, figure] : figures())
        names << name;
    return names;
}

} // namespace velta::app
