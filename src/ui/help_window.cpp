#include "ui/help_window.h"

#include "ui/prompter.h"
#include "ui/web_links.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace velta::ui {

namespace {

QString g_helpFile;

} // namespace

QString findHelpFile(const QString& workingFolder) {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        QDir(workingFolder).filePath(kHelpFileName),
        QDir(appDir).filePath(kHelpFileName),
        QDir(appDir).filePath(QStringLiteral("../share/velta2/help/") + kHelpFileName),
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    return candidates.constFirst();
}

QStringList anchorNames(const QTextDocument& document) {
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& name : it.fragment().charFormat().anchorNames())
                if (!names.contains(name))
                    names << name;
    return names;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Допомога"));
    resize(820, 640);

    m_browser = new QTextBrowser(this);
    // Links are followed by followLink(): pages of the help itself in the window, addresses of the
    // web and mail on the desktop.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);

    auto* contents = new QToolButton(this);
    contents->setText(QStringLiteral("Зміст"));
    m_back = new QToolButton(this);
    m_back->setText(QStringLiteral("Назад"));
    m_back->setEnabled(false);
    m_forward = new QToolButton(this);
    m_forward->setText(QStringLiteral("Вперед"));
    m_forward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    connect(contents, &QToolButton::clicked, this, [this] { openTopic(m_file, kHelpContents); });
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
}

bool HelpWindow::openTopic(const QString& helpFile, const QString& keyword) {
    const QFileInfo info(helpFile);
    if (!info.isFile() || !info.isReadable())
        return false;
    m_file = info.absoluteFilePath();
    QUrl url = QUrl::fromLocalFile(m_file);
    if (m_browser->source().adjusted(QUrl::RemoveFragment) != url)
        m_browser->setSource(url);

    // Keywords are matched as the old help system matched them, without regard to case.
    m_topic.clear();
    for (const QString& name : anchorNames(*m_browser->document()))
        if (name.compare(keyword, Qt::CaseInsensitive) == 0) {
            m_topic = name;
            break;
        }
    if (m_topic.isEmpty()) {
        m_browser->moveCursor(QTextCursor::Start);
        m_browser->verticalScrollBar()->setValue(0);
    } else {
        url.setFragment(m_topic);
        m_browser->setSource(url);
        m_browser->scrollToAnchor(m_topic);
    }
    return true;
}

void HelpWindow::followLink(const QUrl& url) {
    const QUrl target = m_browser->source().resolved(url);
    if (target.isLocalFile()) {
        m_browser->setSource(target);
        if (!target.fragment().isEmpty())
            m_topic = target.fragment();
        return;
    }
    try {
        OpenWebPage(url.toString());
    } catch (const std::exception& e) {
        Prompter::current().error(QString::fromStdString(e.what()));
    }
}

void setHelpFile(const QString& path) {
    g_helpFile = path;
}

QString helpFile() {
    return g_helpFile.isEmpty() ? findHelpFile(QDir::currentPath()) : g_helpFile;
}

HelpWindow* showHelp(const QString& keyword) {
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    const QString file = helpFile();
    if (!window->openTopic(file, keyword)) {
        Prompter::current().error(
            QStringLiteral("Не знайдено файл довідки %1").arg(QDir::toNativeSeparators(file)));
        return nullptr;
    }
    // Over a modal window the help has to be modal too, or that window would block it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != window ? Qt::ApplicationModal : Qt::NonModal;
    if (window->windowModality() != wanted) {
        window->hide();
        window->setWindowModality(wanted);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace velta::ui
