#include "ui/html_view.h"

#include <QTextDocument>

namespace velta::ui {

namespace {

// QTextDocument reads local files itself when its widget declines a resource, so the refusal has
// to sit in the document: every resource is an empty one.
class NoteDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        Q_UNUSED(type);
        Q_UNUSED(name);
        return QByteArray();
    }
};

} // namespace

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
    setDocument(new NoteDocument(this));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setSearchPaths({});
    setReadOnly(true);
}

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    Q_UNUSED(type);
    Q_UNUSED(name);
    // Nothing outside the note's own text is ever fetched.
    return QByteArray();
}

void ShowHtml(const QString& text, HtmlView& view) {
    // A fresh view first shows an empty page, then the text; a view that has shown a page gets
    // the new text in its place. Qt's document is ready at once, so there is nothing to wait for.
    if (!view.m_hasDocument) {
        view.clear();
        view.m_hasDocument = true;
    }
    view.setHtml(text);
}

bool looksLikeHtml(const QString& text) {
    // A line ends at a carriage return or a line feed, whichever comes first.
    qsizetype end = 0;
    while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
        ++end;
    return text.left(end).toLower().contains(QStringLiteral("<html>"));
}

} // namespace velta::ui
