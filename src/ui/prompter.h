#pragma once
// Every question, error box, notice, file chooser and colour chooser of the windows goes through
// the Prompter. The program installs the real one (Qt's boxes and choosers); tests install a
// ScriptedPrompter that answers from a queue and records what was asked, so that no test ever
// waits on a modal box.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace velta::ui {

// A file chooser request in the terms the windows use: the filter is written as the windows
// document it, "description|pattern[|description|pattern...]", patterns separated by ';'.
struct FileRequest {
    QString title;
    QString filter;
    QString defaultExtension; // "fr3", "*.fr3" or "Velta2.exe": the part after the last '.' is used
    QString folder;           // where the chooser starts; empty: the current directory
    QString fileName;         // proposed file name (save choosers)
};

// The Qt form of a "description|pattern" filter: "description (patterns)" entries joined by
// ";;". The chooser hides the bracketed patterns, so the user reads the description as written.
QString qtFileFilter(const QString& filter);

class Prompter {
public:
    virtual ~Prompter() = default;

    // A confirmation box with OK and Cancel; true when the user answered OK.
    virtual bool confirm(const QString& text) = 0;
    // An error box with OK (validation errors, and the standard box for unexpected errors).
    virtual void error(const QString& text) = 0;
    // A plain message box.
    virtual void notice(const QString& text) = 0;
    // File choosers; an empty text when the user cancelled.
    virtual QString openFileName(const FileRequest& request) = 0;
    virtual QString saveFileName(const FileRequest& request) = 0;
    // The colour chooser; no value when the user cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial, const QString& title) = 0;

    // The prompter the windows use. Until one is installed, a RealPrompter.
    static Prompter& current();
    // Installs `prompter` (not owned; nullptr restores the real one) and returns the previous one.
    static Prompter* install(Prompter* prompter);
};

// Qt's QMessageBox, QFileDialog and QColorDialog, parented to the active window.
class RealPrompter : public Prompter {
public:
    bool confirm(const QString& text) override;
    void error(const QString& text) override;
    void notice(const QString& text) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial, const QString& title) override;
};

// The tests' prompter. Answers are taken from per-kind queues in order; a question with no queued
// answer is answered "Cancel" (no, empty file name, no colour) and counted as unanswered, so a
// test that forgot an answer fails on its checks instead of hanging.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Confirm, Error, Notice, OpenFile, SaveFile, Color };
    struct Question {
        Kind kind;
        QString text; // message text, or the chooser's title
        FileRequest file;
        bool answered = false;
    };

    void queueConfirm(bool ok) { m_confirms.append(ok); }
    void queueFile(const QString& path) { m_files.append(path); }
    void queueColor(std::optional<QColor> color) { m_colors.append(color); }

    const QList<Question>& questions() const { return m_questions; }
    // The texts asked of one kind, in order.
    QStringList texts(Kind kind) const;
    int unanswered() const;
    // Answers still waiting in the queues: a test that queued more than was asked sees them here.
    int pendingAnswers() const { return int(m_confirms.size() + m_files.size() + m_colors.size()); }
    void clear();

    bool confirm(const QString& text) override;
    void error(const QString& text) override;
    void notice(const QString& text) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial, const QString& title) override;

private:
    QString takeFile(Kind kind, const FileRequest& request);

    QList<Question> m_questions;
    QList<bool> m_confirms;
    QList<QString> m_files;
    QList<std::optional<QColor>> m_colors;
};

// Installs a prompter for the lifetime of a scope (tests), restoring the previous one after.
class ScopedPrompter {
public:
    explicit ScopedPrompter(Prompter& prompter) : m_previous(Prompter::install(&prompter)) {}
    ~ScopedPrompter() { Prompter::install(m_previous); }
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

private:
    Prompter* m_previous;
};

} // namespace velta::ui
