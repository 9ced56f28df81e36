#include "ui/prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace velta::ui {

namespace {

Prompter* g_installed = nullptr;

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

QString boxTitle() {
    return QGuiApplication::applicationDisplayName();
}

QString suffixOf(const QString& defaultExtension) {
    const qsizetype dot = defaultExtension.lastIndexOf(QLatin1Char('.'));
    QString suffix = dot >= 0 ? defaultExtension.mid(dot + 1) : defaultExtension;
    return suffix.contains(QLatin1Char('*')) ? QString() : suffix;
}

QString runFileDialog(const FileRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(dialogParent(), request.title, request.folder, qtFileFilter(request.filter));
    // The chooser shows each description as written; the patterns Qt needs stay out of sight.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffixOf(request.defaultExtension));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString qtFileFilter(const QString& filter) {
    if (filter.isEmpty())
        return {};
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QStringList patterns;
        if (i + 1 < parts.size())
            for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
                if (!pattern.trimmed().isEmpty())
                    patterns << pattern.trimmed();
        const QString description = parts[i].trimmed();
        entries << (patterns.isEmpty() ? description
                                       : description + QStringLiteral(" (") +
                                             patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

Prompter& Prompter::current() {
    static RealPrompter real;
    return g_installed ? *g_installed : real;
}

Prompter* Prompter::install(Prompter* prompter) {
    Prompter* previous = g_installed;
    g_installed = prompter;
    return previous;
}

bool RealPrompter::confirm(const QString& text) {
    return QMessageBox::question(dialogParent(), boxTitle(), text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void RealPrompter::error(const QString& text) {
    QMessageBox::critical(dialogParent(), boxTitle(), text);
}

void RealPrompter::notice(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, dialogParent());
    box.exec();
}

QString RealPrompter::openFileName(const FileRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

QString RealPrompter::saveFileName(const FileRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<QColor> RealPrompter::chooseColor(const QColor& initial, const QString& title) {
    const QColor chosen = QColorDialog::getColor(initial, dialogParent(), title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

QStringList ScriptedPrompter::texts(Kind kind) const {
    QStringList result;
    for (const Question& q : m_questions)
        if (q.kind == kind)
            result << q.text;
    return result;
}

int ScriptedPrompter::unanswered() const {
    int n = 0;
    for (const Question& q : m_questions)
        if (!q.answered)
            ++n;
    return n;
}

void ScriptedPrompter::clear() {
    m_questions.clear();
    m_confirms.clear();
    m_files.clear();
    m_colors.clear();
}

bool ScriptedPrompter::confirm(const QString& text) {
    Question q{Kind::Confirm, text, {}, !m_confirms.isEmpty()};
    m_questions.append(q);
    return q.answered ? m_confirms.takeFirst() : false;
}

void ScriptedPrompter::error(const QString& text) {
    m_questions.append({Kind::Error, text, {}, true});
}

void ScriptedPrompter::notice(const QString& text) {
    m_questions.append({Kind::Notice, text, {}, true});
}

QString ScriptedPrompter::takeFile(Kind kind, const FileRequest& request) {
    Question q{kind, request.title, request, !m_files.isEmpty()};
    m_questions.append(q);
    return q.answered ? m_files.takeFirst() : QString();
}

QString ScriptedPrompter::openFileName(const FileRequest& request) {
    return takeFile(Kind::OpenFile, request);
}

QString ScriptedPrompter::saveFileName(const FileRequest& request) {
    return takeFile(Kind::SaveFile, request);
}

std::optional<QColor> ScriptedPrompter::chooseColor(const QColor& initial, const QString& title) {
    Q_UNUSED(initial);
    Question q{Kind::Color, title, {}, !m_colors.isEmpty()};
    m_questions.append(q);
    return q.answered ? m_colors.takeFirst() : std::nullopt;
}

} // namespace velta::ui
