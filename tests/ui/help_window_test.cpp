// The help: the shipped document holds every topic the windows ask for, the window opens at the
// topic, and a missing document is reported instead of an empty window.

#include "ui/help_window.h"
#include "ui/prompter.h"
#include "ui/web_links.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velta::ui;

namespace {

const QString kShippedHelp = QStringLiteral(VELTA_SOURCE_DIR "/share/help/velta.html");

// The keywords that windows pass with F1 and "Допомога".
const QStringList kTopics = {"ЛУМАК", "Setup", "Seek"};

QString readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(HelpDocument, HoldsEveryTopicAndEveryInnerLinkLeadsSomewhere) {
    QTextDocument doc;
    doc.setHtml(readAll(kShippedHelp));
    const QStringList anchors = anchorNames(doc);
    for (const QString& topic : kTopics)
        EXPECT_TRUE(anchors.contains(topic)) << topic.toStdString();

    const QRegularExpression innerLink(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (const auto& m : innerLink.globalMatch(readAll(kShippedHelp))) {
        ++links;
        EXPECT_TRUE(anchors.contains(m.captured(1))) << m.captured(1).toStdString();
    }
    EXPECT_GT(links, 5); // the contents lead to the topics
    EXPECT_TRUE(doc.toPlainText().contains("Параметри"));
}

TEST(HelpWindow, OpensAtTheTopicWhateverItsCase) {
    HelpWindow window;
    window.resize(600, 300);
    window.show();
    const struct {
        QString keyword;
        QString topic;
    } cases[] = {{"Setup", "Setup"}, {"SEEK", "Seek"}, {"лумак", "ЛУМАК"}, {"НемаєТакоїТеми", ""}};
    for (const auto& c : cases) {
        ASSERT_TRUE(window.openTopic(kShippedHelp, c.keyword));
        EXPECT_EQ(window.currentTopic(), c.topic) << c.keyword.toStdString();
    }
    // A topic far down the document is scrolled into view, the contents are at the top.
    window.openTopic(kShippedHelp, "Seek");
    QApplication::processEvents();
    EXPECT_GT(window.browser()->verticalScrollBar()->value(), 0);
    window.openTopic(kShippedHelp, "НемаєТакоїТеми");
    EXPECT_EQ(window.browser()->verticalScrollBar()->value(), 0);
}

TEST(HelpWindow, MissingFileIsReported) {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    const QString missing = dir.filePath("velta.html");
    setHelpFile(missing);
    EXPECT_EQ(showHelp("Setup"), nullptr);
    setHelpFile({});
    ASSERT_EQ(prompter.texts(ScriptedPrompter::Kind::Error).size(), 1);
    EXPECT_TRUE(prompter.texts(ScriptedPrompter::Kind::Error)[0].contains(QDir::toNativeSeparators(missing)));
}

TEST(HelpWindow, FindsTheWorkingFolderCopyFirstThenTheOneBesideTheProgram) {
    QTemporaryDir dir;
    // The build copies the document beside the test program, as it does beside velta2.
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath("velta.html");
    ASSERT_TRUE(QFile::exists(besideProgram));
    EXPECT_EQ(findHelpFile(dir.path()), QDir::cleanPath(besideProgram));

    QFile own(dir.filePath("velta.html"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    EXPECT_EQ(findHelpFile(dir.path()), QDir::cleanPath(dir.filePath("velta.html")));
}

TEST(HelpWindow, OverAModalWindowTheHelpIsModalItself) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    setHelpFile(kShippedHelp);
    QDialog settings;
    HelpWindow* help = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, &settings, [&] {
        help = showHelp("Setup");
        if (help) {
            modality = help->windowModality();
            help->close();
        }
        settings.reject();
    });
    settings.exec();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(help->currentTopic(), "Setup");

    // Without a modal window it is an ordinary window beside the main one.
    ASSERT_EQ(showHelp("ЛУМАК"), help);
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    help->close();
    setHelpFile({});
    EXPECT_TRUE(prompter.questions().isEmpty());
}

TEST(HelpWindow, WebLinksGoToTheDesktopNotTheHelpWindow) {
    QStringList opened;
    const DesktopOpener previous = setDesktopOpener([&](const QString& link) {
        opened << link;
        return true;
    });
    HelpWindow window;
    ASSERT_TRUE(window.openTopic(kShippedHelp, "ЛУМАК"));
    const QUrl before = window.browser()->source();
    emit window.browser()->anchorClicked(QUrl(kSiteAddress));
    emit window.browser()->anchorClicked(QUrl("#Setup"));
    setDesktopOpener(previous);
    EXPECT_EQ(opened, QStringList({kSiteAddress}));
    EXPECT_EQ(window.browser()->source().adjusted(QUrl::RemoveFragment),
              before.adjusted(QUrl::RemoveFragment));
    EXPECT_EQ(window.currentTopic(), "Setup");
}
