// The main window's commands: its actions, the main menu, the toolbar and the pop-up menus of the
// collection and section grids. Commands whose windows do not exist yet are present and disabled.

#include "app/icons.h"
#include "app/tinfo.h"
#include "app/tmain.h"
#include "ui/help_window.h"
#include "ui/prompter.h"
#include "ui/web_links.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace velta::app {

namespace {

// The print commands' texts in the drop-down and their hints.
struct PrintCommand {
    const char* name;
    const char* text;
    const char* hint;
};
const PrintCommand kPrint[] = {
    {"aPrint1", "кошторис", "Друк кошторису"},  {"aPrint2", "кошторис (форма 2)", "Друк кошторису (форма 2)"},
    {"aPrintScore", "рахунок", "Друк рахунку"}, {"aPrintAgreement", "договір", "Друк договору"},
    {"aPrintAkt", "акт", "Друк акту"},
};

} // namespace

QAction* TMain::makeAction(const QString& name, const QString& text, const QString& icon,
                           const QKeySequence& shortcut) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    // The hint as written: Qt's derived tool tip would drop the " ..." of "Знайти ...".
    a->setToolTip(text);
    if (!icon.isEmpty())
        a->setIcon(toolIcon(icon));
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        // Shortcuts work wherever the focus is in the window, menus open or not.
        addAction(a);
    }
    return a;
}

QAction* TMain::action(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void TMain::buildActions() {
    // Toolbar buttons: the text is the hint.
    makeAction("tbDelete", "Видалити", "delete");
    makeAction("tbFirst", "Перший запис", "first");
    makeAction("tbPrior", "Попередній запис", "prior");
    makeAction("tbNext", "Наступний запис", "next");
    makeAction("tbLast", "Останній запис", "last");
    makeAction("tbAppend", "Створити", "create");
    makeAction("tbEdit", "Змінити", "edit");
    makeAction("tbEditParam", "Змінити параметри кошториса", "params");
    makeAction("tbFind", "Знайти ...", "find");
    makeAction("tbSave", "Зберегти", "save");
    makeAction("tbCalc", "Обчислити", "calculate");
    QAction* panel = makeAction("tbPanel", "Відображення панелі розділів", "panel");
    panel->setCheckable(true);
    panel->setChecked(true);
    makeAction("tbOpenTemplate", "Відкрити шаблон", "openTemplate");
    makeAction("tbEditTemplate", "Змінити шаблон", "editTemplate");
    makeAction("tbService", "Збірники цін", "collections");
    makeAction("tbListService", "Шаблони кошторисів", "templates");
    for (const PrintCommand& p : kPrint) {
        QAction* a = makeAction(p.name, QString::fromUtf8(p.text), "print");
        a->setToolTip(QString::fromUtf8(p.hint));
    }

    // "Кошторис"
    makeAction("nCostAppend", "Створити");
    makeAction("nCostEdit", "Змінити");
    makeAction("nCostDelete", "Видалити");
    makeAction("nCostCopy", "Копіювати");
    makeAction("nEditParam", "Параметри");
    // "Пошук"
    makeAction("nFind", "Знайти ...", {}, QKeySequence(Qt::CTRL | Qt::Key_F));
    makeAction("nFindNext", "Продовжити", {}, QKeySequence(Qt::Key_F3));
    // "Розрахунок" is a command of its own on the menu bar; F5 reaches it from anywhere in the
    // window, as the list's pop-up shows.
    makeAction("nCalc", "Розрахунок");
    makeAction("aCalc", "Обчислити", {}, QKeySequence(Qt::Key_F5));
    // "Списки"
    makeAction("nListService", "Збірники цін");
    makeAction("nListTemplates", "Шаблони");
    makeAction("nListParameters", "Параметрів");
    makeAction("nListUnits", "Одиниць виміру");
    makeAction("nListTextFields", "Текстових полів");
    // "Друк"
    makeAction("nPrintCost", "Кошторису", {}, QKeySequence(Qt::CTRL | Qt::Key_P));
    makeAction("nPrintCost2", "Кошторису (Форма 2)");
    makeAction("nPrintOpen", "Відкрити", {}, QKeySequence(Qt::CTRL | Qt::Key_O));
    makeAction("nPrintEdit", "Змінити");
    makeAction("nPrintNew", "Створити");
    // "Імпорт"
    makeAction("nImportService", "Збірників");
    // "Сервіс"
    makeAction("nSetup", "Параметри");
    // "?"
    makeAction("nHelp", "Допомога", {}, QKeySequence(Qt::Key_F1));
    makeAction("nForum", "Сторінка форуму");
    makeAction("nChanges", "Перелік оновлень");
    makeAction("nSite", "Офіційний сайт");
    makeAction("nMail", "Лист розробнику");
    makeAction("nAbout", "Розробник", {}, QKeySequence(Qt::ALT | Qt::Key_F1));
    // The collection and section grids' pop-up menus.
    makeAction("pSrvAddTemplate", "Додати розділи за шаблоном");
    makeAction("pSrvAddSection", "Додати розділ");
    makeAction("pSrvDeleteSections", "Видалити розділи");
    makeAction("pLnkAddTemplate", "Додати розділи за шаблоном");
    makeAction("pLnkAddSection", "Додати розділ");
    makeAction("pLnkDeleteSection", "Видалити розділ");
    makeAction("pLnkEditParams", "Змінити параметри");

    // The commands of the windows still to come: present, not yet usable.
    for (const char* later : {"tbEditParam",     "tbFind",          "tbOpenTemplate",    "tbEditTemplate",
                              "tbService",       "tbListService",   "nCostCopy",         "nEditParam",
                              "nFind",           "nFindNext",       "nListService",      "nListTemplates",
                              "nListParameters", "nListUnits",      "nListTextFields",   "nPrintCost",
                              "nPrintCost2",     "nPrintOpen",      "nPrintEdit",        "nPrintNew",
                              "nImportService",  "pSrvAddTemplate", "pSrvAddSection",    "pSrvDeleteSections",
                              "pLnkAddTemplate", "pLnkAddSection",  "pLnkDeleteSection", "pLnkEditParams"})
        action(QString::fromLatin1(later))->setEnabled(false);
    for (const PrintCommand& p : kPrint)
        action(QString::fromLatin1(p.name))->setEnabled(false);
    // The estimate commands wait for the data module.
    for (const char* data : {"tbDelete", "tbFirst", "tbPrior", "tbNext", "tbLast", "tbAppend", "tbEdit",
                             "tbSave", "tbCalc", "nCostAppend", "nCostEdit", "nCostDelete", "nCalc", "aCalc"})
        action(QString::fromLatin1(data))->setEnabled(false);

    connect(action("tbPanel"), &QAction::toggled, this, &TMain::setBottomPanelShown);
    for (const char* calc : {"tbCalc", "nCalc", "aCalc"})
        connect(action(QString::fromLatin1(calc)), &QAction::triggered, this, &TMain::calculate);
    connect(action("nSetup"), &QAction::triggered, this, &TMain::openSettings);
    connect(action("nHelp"), &QAction::triggered, this, [] { ui::showHelp(ui::kHelpContents); });
    connect(action("nForum"), &QAction::triggered, this,
            [this] { runGuarded([] { ui::OpenWebPage(ui::kForumAddress); }); });
    connect(action("nChanges"), &QAction::triggered, this,
            [this] { runGuarded([] { ui::OpenWebPage(ui::kChangesAddress); }); });
    connect(action("nSite"), &QAction::triggered, this,
            [this] { runGuarded([] { ui::OpenWebPage(ui::kSiteAddress); }); });
    connect(action("nMail"), &QAction::triggered, this, [this] {
        runGuarded(
            [] { ui::ComposeMail(ui::kSupportMail, ui::supportMailSubject(), QStringLiteral("Admin")); });
    });
    connect(action("nAbout"), &QAction::triggered, this, [this] {
        TInfo info(this);
        info.exec();
    });
    // Choosing one of the two estimate forms makes it the print button's command.
    for (const char* form : {"aPrint1", "aPrint2"}) {
        QAction* a = action(QString::fromLatin1(form));
        connect(a, &QAction::triggered, this, [this, a] { setActivePrintCommand(a->objectName()); });
    }
}

void TMain::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* cost = bar->addMenu("Кошторис");
    cost->setObjectName("mCost");
    cost->addActions(
        {action("nCostAppend"), action("nCostEdit"), action("nCostDelete"), action("nCostCopy")});
    cost->addSeparator();
    cost->addAction(action("nEditParam"));

    QMenu* find = bar->addMenu("Пошук");
    find->setObjectName("mFind");
    find->addActions({action("nFind"), action("nFindNext")});

    bar->addAction(action("nCalc"));

    QMenu* lists = bar->addMenu("Списки");
    lists->setObjectName("mLists");
    lists->addActions({action("nListService"), action("nListTemplates"), action("nListParameters"),
                       action("nListUnits"), action("nListTextFields")});

    QMenu* print = bar->addMenu("Друк");
    print->setObjectName("mPrint");
    print->addActions({action("nPrintCost"), action("nPrintCost2"), action("nPrintOpen"),
                       action("nPrintEdit"), action("nPrintNew")});

    // The catalogue import is reached from elsewhere; its menu exists but is never shown.
    QMenu* import = bar->addMenu("Імпорт");
    import->setObjectName("mImport");
    import->addAction(action("nImportService"));
    import->menuAction()->setVisible(false);

    QMenu* service = bar->addMenu("Сервіс");
    service->setObjectName("mService");
    service->addAction(action("nSetup"));

    QMenu* help = bar->addMenu("?");
    help->setObjectName("mHelp");
    help->addActions({action("nHelp"), action("nForum"), action("nChanges")});
    help->addSeparator();
    help->addActions({action("nSite"), action("nMail"), action("nAbout")});

    m_srvMenu = new QMenu(this);
    m_srvMenu->setObjectName("pMenuCostSrv");
    m_srvMenu->addActions({action("pSrvAddTemplate"), action("pSrvAddSection")});
    m_srvMenu->addSeparator();
    m_srvMenu->addAction(action("pSrvDeleteSections"));

    m_lnkMenu = new QMenu(this);
    m_lnkMenu->setObjectName("pMenuCostLnk");
    m_lnkMenu->addAction(action("pLnkAddTemplate"));
    m_lnkMenu->addSeparator();
    m_lnkMenu->addActions({action("pLnkAddSection"), action("pLnkDeleteSection")});
    m_lnkMenu->addSeparator();
    m_lnkMenu->addAction(action("pLnkEditParams"));
}

void TMain::buildToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName("ToolBar1");
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->toggleViewAction()->setVisible(false);
    m_toolBar->setFixedHeight(42);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    auto add = [this](const char* name) {
        m_toolBar->addAction(action(QString::fromLatin1(name)));
        if (QWidget* w = m_toolBar->widgetForAction(action(QString::fromLatin1(name))))
            w->setFixedSize(39, 38);
    };
    for (const char* name :
         {"tbDelete", "tbFirst", "tbPrior", "tbNext", "tbLast", "tbAppend", "tbEdit", "tbEditParam"})
        add(name);
    m_toolBar->addSeparator();
    for (const char* name : {"tbFind", "tbSave", "tbCalc"})
        add(name);
    m_toolBar->addSeparator();
    add("tbPanel");
    m_toolBar->addSeparator();

    // The print button runs its current command; its drop-down lists all five.
    auto* printMenu = new QMenu(this);
    printMenu->setObjectName("pMenuPrint");
    printMenu->addActions({action("aPrint1"), action("aPrint2")});
    printMenu->addSeparator();
    printMenu->addActions({action("aPrintScore"), action("aPrintAgreement"), action("aPrintAkt")});
    m_printButton = new QToolButton(this);
    m_printButton->setObjectName("tbPrint");
    m_printButton->setMenu(printMenu);
    m_printButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_printButton->setIconSize(QSize(24, 24));
    m_printButton->setFixedSize(39 + 13, 38);
    m_toolBar->addWidget(m_printButton);
    setActivePrintCommand(QStringLiteral("aPrint1"));

    for (const char* name : {"tbOpenTemplate", "tbEditTemplate"})
        add(name);
    m_toolBar->addSeparator();
    for (const char* name : {"tbService", "tbListService"})
        add(name);
}

void TMain::setActivePrintCommand(const QString& name) {
    QAction* a = action(name);
    if (!a)
        return;
    m_activePrint = a;
    m_printButton->setDefaultAction(a);
    m_printButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QString TMain::activePrintCommand() const {
    return m_activePrint ? m_activePrint->objectName() : QString();
}

void TMain::buildStatusBar() {
    // The four contact panels and an empty one, as wide as designed.
    const struct {
        int width;
        QString text;
    } panels[] = {
        {100, QStringLiteral("Velta2")},
        {150, QString(ui::kSiteAddress).remove(QStringLiteral("https://")).remove(QRegularExpression("/$"))},
        {150, ui::kSupportMail},
        {150, QString(ui::kForumAddress).remove(QStringLiteral("https://"))},
        {50, QString()},
    };
    for (const auto& p : panels) {
        auto* label = new QLabel(p.text, this);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(p.width);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(label);
        m_statusPanels << label;
    }
}

} // namespace velta::app
