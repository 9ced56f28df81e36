#include "ui/web_links.h"

#include "ui/program_info.h"
#include "ui/prompter.h"

#include <QDesktopServices>
#include <QUrl>

#include <stdexcept>

namespace velta::ui {

namespace {

bool openWithDesktop(const QString& link) {
    // Tolerant mode keeps the link's text as written; whatever a URL cannot carry literally
    // (blanks, quotes, Cyrillic) is escaped on the way to the desktop and undone by the receiver.
    const QUrl url(link, QUrl::TolerantMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

DesktopOpener& opener() {
    static DesktopOpener current = openWithDesktop;
    return current;
}

} // namespace

DesktopOpener setDesktopOpener(DesktopOpener replacement) {
    DesktopOpener previous = opener();
    opener() = replacement ? std::move(replacement) : DesktopOpener(openWithDesktop);
    return previous;
}

void OpenWebPage(const QString& address) {
    if (!opener()(address))
        throw std::runtime_error(
            QStringLiteral("Не вдалося відкрити сторінку %1").arg(address).toStdString());
}

QString mailGreeting(const QString& name) {
    return QStringLiteral("   Добрый день, ") + name + QStringLiteral(" !");
}

QString mailtoLink(const QString& address, const QString& subject, const QString& name) {
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=\"") + subject +
           QStringLiteral("\"&body=") + mailGreeting(name) + QStringLiteral("%0d");
}

void ComposeMail(const QString& address, const QString& subject, const QString& name) {
    if (!opener()(mailtoLink(address, subject, name)))
        Prompter::current().notice(QStringLiteral("Auto method failed."));
}

QString supportMailSubject() {
    return QStringLiteral("Re: ЛУМАК ") + programVersion() + QLatin1Char(' ') + editionLabel();
}

} // namespace velta::ui
