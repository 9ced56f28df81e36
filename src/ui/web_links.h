#pragma once
// Web pages and mail of the "?" menu, handed to the desktop: the browser for pages, the mail
// program for a "mailto:" link. The desktop is reached through a DesktopOpener so that tests can
// see what would have been opened without starting anything.

#include <QString>

#include <functional>

namespace velta::ui {

// The project's addresses behind the "?" menu's link commands. One place, so that moving the
// project's pages is a change of these four lines.
inline const QString kSiteAddress = QStringLiteral("https://velta2.example.org/");
inline const QString kChangesAddress = QStringLiteral("https://velta2.example.org/changes");
inline const QString kForumAddress = QStringLiteral("https://velta2.example.org/forum");
inline const QString kSupportMail = QStringLiteral("support@velta2.example.org");

// Hands a link to the desktop; false when the desktop could not take it.
using DesktopOpener = std::function<bool(const QString& link)>;

// The opener in use: by default QDesktopServices::openUrl. Returns the previous one; an empty
// function restores the default.
DesktopOpener setDesktopOpener(DesktopOpener opener);

// Opens `address` in a new window of the desktop's web browser. Throws std::runtime_error when
// the desktop cannot open it; the command that called it ends and shows the error.
void OpenWebPage(const QString& address);

// "   Добрый день, <name> !"
QString mailGreeting(const QString& name);
// The "mailto:" link exactly as the mail program receives it: nothing in it is percent-encoded
// except the line break "%0d" that ends the body.
QString mailtoLink(const QString& address, const QString& subject, const QString& name);
// Starts a new message in the desktop's mail program; "Auto method failed." when it cannot.
void ComposeMail(const QString& address, const QString& subject, const QString& name);

// The subject of "Лист розробнику": "Re: ЛУМАК 2.0.0.7 LT".
QString supportMailSubject();

} // namespace velta::ui
