#include "app/tinfo.h"

#include "app/splash_art.h"
#include "ui/program_info.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace velta::app {

TInfo::TInfo(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("Розробник"));
}

QString TInfo::versionText() {
    return QStringLiteral("версія ") + ui::programVersion();
}

QString TInfo::rightsText() {
    return QStringLiteral("© Розробники Velta2. Усі права застережено.\n"
                          "Захищено законом про авторське право.");
}

void TInfo::showEvent(QShowEvent* event) {
    // Centred on the main window; without one, on the screen.
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    QPoint centre;
    if (over)
        centre = over->frameGeometry().center();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        centre = screen->geometry().center();
    move(centre - rect().center());
    QDialog::showEvent(event);
}

void TInfo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBackdrop(painter, rect(), QRect(84, 26, 180, 136));
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setPen(Qt::white);
    QFont name = font();
    name.setPixelSize(32);
    name.setBold(true);
    painter.setFont(name);
    painter.drawText(QRect(0, 170, width(), 42), Qt::AlignCenter, QStringLiteral("Velta2"));

    QFont text = font();
    text.setPixelSize(12);
    painter.setFont(text);
    painter.drawText(QRect(18, 212, width() - 36, 48), Qt::AlignCenter | Qt::TextWordWrap,
                     ui::applicationTitle());

    QFont version = font();
    version.setPixelSize(15);
    version.setBold(true);
    painter.setFont(version);
    painter.setPen(QColor(255, 214, 90));
    painter.drawText(QRect(0, 264, width(), 24), Qt::AlignCenter, versionText());

    text.setPixelSize(11);
    painter.setFont(text);
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawText(QRect(12, 296, width() - 24, 44), Qt::AlignCenter | Qt::TextWordWrap, rightsText());

    painter.setPen(QColor(255, 255, 255, 90));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TInfo::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        accept();
    else
        QDialog::mousePressEvent(event);
}

} // namespace velta::app
