#include "app/tabout.h"

#include "app/splash_art.h"
#include "ui/program_info.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace velta::app {

TAbout::TAbout(const QString& workingFolder, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFixedSize(kWidth, kHeight);
    setWindowTitle(ui::applicationTitle());
    const QString picture = QDir(workingFolder).filePath(kSplashPictureFile);
    if (QFileInfo(picture).isFile())
        m_picture.load(picture); // an unreadable picture leaves our own splash
}

void TAbout::showCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    repaint();
}

void TAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (hasPicture()) {
        painter.drawPixmap(rect(), m_picture);
        return;
    }
    paintBackdrop(painter, rect(), QRect(94, 24, 160, 120));
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setPen(Qt::white);
    QFont name = font();
    name.setPixelSize(34);
    name.setBold(true);
    painter.setFont(name);
    painter.drawText(QRect(0, 150, width(), 44), Qt::AlignCenter, QStringLiteral("Velta2"));

    QFont title = font();
    title.setPixelSize(13);
    painter.setFont(title);
    painter.drawText(
        QRect(20, 196, width() - 40, 60), Qt::AlignCenter | Qt::TextWordWrap,
        QStringLiteral("Кошториси на виконання земельно-кадастрових та проектно-вишукувальних робіт"));

    QFont version = font();
    version.setPixelSize(14);
    version.setBold(true);
    painter.setFont(version);
    painter.setPen(QColor(255, 214, 90));
    painter.drawText(QRect(0, 258, width(), 22), Qt::AlignCenter,
                     QStringLiteral("версія ") + ui::programVersion() + QLatin1Char(' ') +
                         ui::editionLabel());

    painter.setPen(QColor(255, 255, 255, 180));
    title.setPixelSize(11);
    painter.setFont(title);
    painter.drawText(QRect(0, 292, width(), 20), Qt::AlignCenter, QStringLiteral("Завантаження..."));

    painter.setPen(QColor(255, 255, 255, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace velta::app
