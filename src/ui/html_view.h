#pragma once
// The HTML view of catalogue notes. A note's text is shown exactly as stored; the view runs no
// scripts (QTextBrowser has none), loads nothing from outside the text (no images, style sheets
// or pages, local or remote) and follows no link, so a note can neither reach the network nor
// read files of this machine.

#include <QTextBrowser>

namespace velta::ui {

class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);

    // Whether the view has shown a page since it was created.
    bool hasDocument() const { return m_hasDocument; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    friend void ShowHtml(const QString& text, HtmlView& view);
    bool m_hasDocument = false;
};

// Shows `text` (the whole HTML source) in `view`, in place of what it showed before. Whether a
// text is HTML is the caller's decision (its first line, in lower case, contains "<html>").
void ShowHtml(const QString& text, HtmlView& view);

// The callers' test for HTML notes: the first line, in lower case, contains "<html>".
bool looksLikeHtml(const QString& text);

} // namespace velta::ui
