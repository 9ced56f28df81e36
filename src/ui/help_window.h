#pragma once
// The help: one HTML document beside the program, opened in a help window at a topic keyword
// ("ЛУМАК" for the contents, "Setup", "Seek" and the others that windows pass with F1). A topic
// is an anchor of the document named as its keyword.

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QTextDocument;
class QToolButton;

namespace velta::ui {

inline const QString kHelpFileName = QStringLiteral("velta.html");
inline const QString kHelpContents = QStringLiteral("ЛУМАК");

// Where the help document is: the working folder's own copy first, then the one beside the
// program, then an installed one. When none exists, the working folder's path (for the message).
QString findHelpFile(const QString& workingFolder);

// The anchor names of a document, in document order.
QStringList anchorNames(const QTextDocument& document);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads `helpFile` and scrolls to the topic `keyword` (matched without regard to case; an
    // unknown keyword opens the contents). False when the file cannot be read.
    bool openTopic(const QString& helpFile, const QString& keyword);
    // The anchor the window was last opened at (empty for the top of the document).
    QString currentTopic() const { return m_topic; }
    QTextBrowser* browser() const { return m_browser; }

private:
    void followLink(const QUrl& url);

    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    QString m_topic;
    QString m_file;
};

// The help file the program uses (the main window sets it from the working folder).
void setHelpFile(const QString& path);
QString helpFile();

// F1 and "Допомога": shows the help window at `keyword`. The window is created on first use and
// kept; opened over a modal window it becomes modal itself, so that it can be read and closed
// while that window waits. A missing help file is reported through the Prompter.
HelpWindow* showHelp(const QString& keyword);

} // namespace velta::ui
