// Web pages and mail: the exact link handed to the desktop, the failure message, and the real
// QDesktopServices path (through URL handlers registered by the test, so nothing is started).

#include "ui/prompter.h"
#include "ui/web_links.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace velta::ui;

namespace {

// Records the links the desktop would have received, and answers as the desktop would.
struct FakeDesktop {
    QStringList links;
    bool accept = true;
    DesktopOpener previous;
    FakeDesktop() {
        previous = setDesktopOpener([this](const QString& link) {
            links << link;
            return accept;
        });
    }
    ~FakeDesktop() { setDesktopOpener(previous); }
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void handle(const QUrl& url) { urls << url; }
};

} // namespace

TEST(ComposeMail, SupportLetterLinkIsExact) {
    EXPECT_EQ(supportMailSubject(), "Re: ЛУМАК 2.0.0.7 LT");
    EXPECT_EQ(
        mailtoLink("support@velta2.example.org", supportMailSubject(), "Admin"),
        "mailto:support@velta2.example.org?subject=\"Re: ЛУМАК 2.0.0.7 LT\"&body=   Добрый день, Admin !%0d");
    EXPECT_EQ(mailGreeting(""), "   Добрый день,  !");
}

TEST(ComposeMail, HandsTheLinkToTheDesktopOrSaysAutoMethodFailed) {
    for (const bool desktopTakesIt : {true, false}) {
        FakeDesktop desktop;
        desktop.accept = desktopTakesIt;
        ScriptedPrompter prompter;
        ScopedPrompter scope(prompter);
        ComposeMail(kSupportMail, supportMailSubject(), "Admin");
        EXPECT_EQ(desktop.links, QStringList({mailtoLink(kSupportMail, supportMailSubject(), "Admin")}));
        EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Notice),
                  desktopTakesIt ? QStringList() : QStringList({"Auto method failed."}));
        EXPECT_EQ(prompter.questions().size(), desktopTakesIt ? 0 : 1);
    }
}

TEST(OpenWebPage, EveryCallOpensAndFailureThrows) {
    FakeDesktop desktop;
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    OpenWebPage(kSiteAddress);
    OpenWebPage(kSiteAddress);
    EXPECT_EQ(desktop.links, QStringList({kSiteAddress, kSiteAddress}));

    desktop.accept = false;
    try {
        OpenWebPage(kForumAddress);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).contains(kForumAddress));
    }
    // The caller shows the error in the standard box; the service itself asks nothing.
    EXPECT_TRUE(prompter.questions().isEmpty());
}

TEST(DesktopServices, MailLinkReachesTheMailHandlerIntact) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "handle");
    QDesktopServices::setUrlHandler("https", &catcher, "handle");
    setDesktopOpener({}); // the real QDesktopServices path

    ComposeMail("support@velta2.example.org", "Re: ЛУМАК 2.0.0.7 LT", "Admin");
    OpenWebPage(kChangesAddress);

    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.urls.size(), 2);
    const QUrl& mail = catcher.urls[0];
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), "support@velta2.example.org");
    // What the mail program decodes: the quoted subject and the greeting ending in a line break.
    EXPECT_EQ(mail.query(QUrl::FullyDecoded),
              "subject=\"Re: ЛУМАК 2.0.0.7 LT\"&body=   Добрый день, Admin !\r");
    EXPECT_EQ(catcher.urls[1], QUrl(kChangesAddress));
}

#include "web_links_test.moc"
