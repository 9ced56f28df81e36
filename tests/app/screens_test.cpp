// The splash, the About window and the settings window as a person sees them: pictures grabbed
// to PNG (in the build folder's "screens", for a developer to look at) and a check that no
// caption is cut short by its widget.

#include "app/tabout.h"
#include "app/tinfo.h"
#include "app/tsetup.h"

#include "core/registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velta;
using namespace velta::app;

namespace {

QString screensFolder() {
    const QString folder = qEnvironmentVariable("VELTA_SCREENS", QStringLiteral(VELTA_BINARY_DIR "/screens"));
    QDir().mkpath(folder);
    return folder;
}

// Every caption fits its widget: no label, tick box or button is cut short.
void expectNothingClipped(QWidget& window) {
    for (QLabel* l : window.findChildren<QLabel*>())
        if (!l->isHidden()) {
            EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->text().toStdString();
        }
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (!b->isHidden()) {
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
        }
}

} // namespace

TEST(Screens, SettingsWindowFitsAndIsGrabbed) {
    QTemporaryDir folder, registryFolder;
    core::ProfileRegistry registry(registryFolder.path());
    TSetup w(folder.path(), registry);
    w.show();
    QApplication::processEvents();
    expectNothingClipped(w);
    EXPECT_TRUE(w.grab().save(screensFolder() + "/settings.png"));
    w.hide();
}

TEST(Screens, OwnSplashWithoutAPicture) {
    QTemporaryDir folder;
    TAbout splash(folder.path());
    EXPECT_FALSE(splash.hasPicture());
    splash.showCentred();
    EXPECT_EQ(splash.size(), QSize(348, 327));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    const QImage image = splash.grab().toImage();
    EXPECT_TRUE(image.save(screensFolder() + "/splash.png"));
    // Our own splash is drawn, not a blank window.
    EXPECT_NE(image.pixel(10, 10), image.pixel(174, 90));
    splash.hide();
}

TEST(Screens, WorkingFolderPictureFillsTheSplash) {
    QTemporaryDir folder;
    QImage picture(100, 80, QImage::Format_RGB32);
    picture.fill(QColor(0, 200, 0));
    ASSERT_TRUE(picture.save(QDir(folder.path()).filePath("Velta2lt.jpg"), "JPG"));
    TAbout splash(folder.path());
    ASSERT_TRUE(splash.hasPicture());
    const QImage image = splash.grab().toImage();
    for (const QPoint p : {QPoint(1, 1), QPoint(347, 326), QPoint(174, 163)}) {
        const QColor c = image.pixelColor(p);
        EXPECT_LT(c.red(), 30);
        EXPECT_GT(c.green(), 170);
    }
}

TEST(Screens, AboutWindowShowsTheVersionAndClosesOnClickOrEsc) {
    EXPECT_EQ(TInfo::versionText(), "версія 2.0.0.7");
    for (const bool byClick : {true, false}) {
        TInfo info;
        QTimer::singleShot(0, &info, [&] {
            if (byClick) {
                info.grab().save(screensFolder() + "/about.png");
                QTest::mouseClick(&info, Qt::LeftButton, {}, QPoint(170, 100));
            } else {
                QTest::keyClick(&info, Qt::Key_Escape);
            }
        });
        info.exec();
        EXPECT_EQ(info.size(), QSize(349, 351));
        EXPECT_FALSE(info.isVisible());
    }
}
