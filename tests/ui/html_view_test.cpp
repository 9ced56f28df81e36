// The note view: shows the text it is given, replaces it on the next call, and never fetches
// anything the text refers to.

#include "ui/html_view.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace velta::ui;

TEST(ShowHtml, ReplacesThePageInPlace) {
    HtmlView view;
    EXPECT_FALSE(view.hasDocument());
    ShowHtml("<html><body><p>Примітка перша</p></body></html>", view);
    EXPECT_TRUE(view.hasDocument());
    EXPECT_EQ(view.toPlainText(), "Примітка перша");

    ShowHtml("<html><body><b>Друга</b> примітка</body></html>", view);
    EXPECT_EQ(view.toPlainText(), "Друга примітка");
    EXPECT_TRUE(view.source().isEmpty()); // no navigation happened
}

TEST(ShowHtml, LoadsNothingTheNoteRefersTo) {
    QTemporaryDir dir;
    const QString image = dir.filePath("plan.png");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(image));
    const QUrl local = QUrl::fromLocalFile(image);
    const QUrl remote("http://example.org/track.png");

    HtmlView view;
    ShowHtml(QString("<html><head><link rel=\"stylesheet\" href=\"http://example.org/a.css\"></head>"
                     "<body><img src=\"%1\"><img src=\"%2\">текст</body></html>")
                 .arg(local.toString(), remote.toString()),
             view);
    EXPECT_TRUE(view.toPlainText().contains("текст"));
    const auto nothing = [](const QVariant& r) {
        return r.toByteArray().isEmpty() && qvariant_cast<QImage>(r).isNull();
    };
    EXPECT_TRUE(nothing(view.document()->resource(QTextDocument::ImageResource, local)));
    EXPECT_TRUE(nothing(view.document()->resource(QTextDocument::ImageResource, remote)));

    // The same page in a plain QTextBrowser would have read the local picture: the check above
    // is not vacuous.
    QTextBrowser plain;
    plain.setHtml(QString("<img src=\"%1\">").arg(local.toString()));
    EXPECT_FALSE(nothing(plain.document()->resource(QTextDocument::ImageResource, local)));
}

TEST(LooksLikeHtml, FirstLineDecides) {
    const struct {
        const char* text;
        bool html;
    } cases[] = {
        {"<HTML><body>x</body></HTML>", true},
        {"<!DOCTYPE html><html>\nтекст", true},
        {"Звичайна примітка\n<html>", false},
        {"Звичайна примітка\r<html>", false},
        {"", false},
        {"<htm>", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(looksLikeHtml(QString::fromUtf8(c.text)), c.html) << c.text;
}
