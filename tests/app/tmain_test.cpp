// The main window over fresh databases: the designed layout without velta.ini, the interface
// values restored and stored, the bottom-panel toggle across a restart, the menus, the toolbar and
// the grids as laid out, and the calculation command.

#include "app/tmain.h"

#include "common/db_fixture.h"
#include "core/ini_file.h"
#include "core/registry.h"
#include "core/settings.h"
#include "data/tdm4.h"
#include "ui/dataset_model.h"
#include "ui/prompter.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace velta;
using velta::app::TMain;
namespace keys = velta::core::ini_keys;

namespace {

class TMainTest : public velta::test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        m_prompterScope = std::make_unique<ui::ScopedPrompter>(m_prompter);
    }
    void TearDown() override {
        m_main.reset();
        m_dm.reset();
        m_prompterScope.reset();
        DbFixture::TearDown();
    }

    QString folderPath() { return folder().path(); }
    core::IniFile ini() { return core::IniFile(core::iniPath(folderPath())); }
    void writeIni(const QString& key, int value) { ini().writeInteger(keys::kInterface, key, value); }

    // The start-up's order: the window (restored from velta.ini), the data module, then shown.
    TMain& start(bool show = true) {
        m_main.reset();
        m_dm.reset();
        m_main = std::make_unique<TMain>(folderPath(), m_prompter);
        m_main->restoreInterface();
        data::TDM4::Options o;
        o.workingFolder = folderPath();
        o.registry = &m_registry;
        m_dm = std::make_unique<data::TDM4>(o);
        EXPECT_TRUE(m_dm->start()) << m_dm->connectionError().toStdString();
        m_main->attachData(m_dm.get());
        if (show) {
            m_main->resize(1600, 1000);
            m_main->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
        }
        return *m_main;
    }
    // Closing the window the way the program's exit does.
    void stop() {
        m_main->storeInterface();
        m_main.reset();
        m_dm.reset();
    }

    void addCost(const QString& customer) {
        data::Dataset& cost = m_dm->TbCost();
        cost.append();
        cost.setValue("Cust_Name", customer);
        cost.post();
        m_dm->commit();
    }

    static QStringList titles(const QTableView* grid) {
        QStringList t;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            t << grid->model()->headerData(c, Qt::Horizontal).toString();
        return t;
    }
    static QList<int> widths(const QTableView* grid) {
        QList<int> w;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            w << grid->horizontalHeader()->sectionSize(c);
        return w;
    }

    QTemporaryDir m_registryDir;
    core::ProfileRegistry m_registry{m_registryDir.path()};
    ui::ScriptedPrompter m_prompter;
    std::unique_ptr<ui::ScopedPrompter> m_prompterScope;
    std::unique_ptr<TMain> m_main;
    std::unique_ptr<data::TDM4> m_dm;
};

TEST_F(TMainTest, WithoutIniTheDesignedLayoutStandsAndIsStoredAtExit) {
    ASSERT_FALSE(QFileInfo::exists(core::iniPath(folderPath())));
    TMain& w = start();
    EXPECT_FALSE(QFileInfo::exists(core::iniPath(folderPath()))); // nothing read, nothing written
    EXPECT_TRUE(w.action("tbPanel")->isChecked());
    EXPECT_TRUE(w.bottomPanel()->isVisible());
    EXPECT_EQ(w.bottomPanel()->height(), 253);
    EXPECT_EQ(w.valuesGrid()->height(), 110);
    EXPECT_EQ(w.collectionsGrid()->width(), 342);
    EXPECT_EQ(w.parametersGrid()->width(), 340);
    EXPECT_EQ(w.restoredInterface().sortOrder, 2);
    EXPECT_EQ(w.activePrintCommand(), "aPrint1");
    EXPECT_EQ(widths(w.costGrid()), QList<int>({82, 94, 305, 292, 88, 93, 93, 93}));
    EXPECT_EQ(widths(w.collectionsGrid()), QList<int>({40, 200, 64}));
    EXPECT_EQ(widths(w.valuesGrid()), QList<int>({310, 64, 64, 64, 64, 64, 64, 64, 147, 64}));

    const int sections = w.sectionsGrid()->width();
    stop();
    const core::IniFile stored = ini();
    EXPECT_TRUE(stored.readBool(keys::kInterface, keys::kBottomPanelVisible, false));
    EXPECT_EQ(stored.readInteger(keys::kInterface, keys::kBottomPanelHeight, 0), 253);
    EXPECT_EQ(stored.readInteger(keys::kInterface, keys::kValuePanelHeight, 0), 110);
    EXPECT_EQ(stored.readInteger(keys::kInterface, keys::kSectionsPanelWidth, 0), sections);
    EXPECT_EQ(stored.readInteger(keys::kInterface, keys::kSortOrder, -1), 2);
    EXPECT_EQ(stored.readString(keys::kInterface, keys::kActivePrintButton), "aPrint1");
    // Every column of every grid, N from 1; the empty list leaves the saved estimate key alone.
    EXPECT_EQ(stored.readInteger(keys::kInterface, keys::kCostColumnWidth + "8", 0), 93);
    EXPECT_EQ(stored.readInteger(keys::kInterface, keys::kSectionsColumnWidth + "10", 0), 64);
    EXPECT_EQ(stored.readInteger(keys::kInterface, keys::kValuesColumnWidth + "9", 0), 147);
    EXPECT_FALSE(stored.valueExists(keys::kInterface, keys::kSavedCostId));
}

TEST_F(TMainTest, AnIniWithoutInterfaceKeysGivesTheStoredDefaults) {
    ini().writeString(QStringLiteral("Организация"), QStringLiteral("Название проектной организации"), "ТОВ");
    TMain& w = start();
    EXPECT_EQ(w.valuesGrid()->height(), 120);
    EXPECT_EQ(w.bottomPanel()->height(), 253);
    EXPECT_TRUE(w.bottomPanel()->isVisible());
}

TEST_F(TMainTest, RestoredValuesAreAppliedAndColumnSevenKeepsItsDesignedWidth) {
    writeIni(keys::kBottomPanelHeight, 300);
    writeIni(keys::kValuePanelHeight, 150);
    writeIni(keys::kCollectionsPanelWidth, 250);
    writeIni(keys::kParamsPanelWidth, 280);
    writeIni(keys::kSortOrder, 5);
    writeIni(keys::kCostColumnWidth + "1", 111);
    writeIni(keys::kCostColumnWidth + "7", 222);
    writeIni(keys::kSectionsColumnWidth + "3", 77);
    writeIni(keys::kSectionsColumnWidth + "5", 99); // beyond the four restored ones
    writeIni(keys::kValuesColumnWidth + "10", 55);
    ini().writeString(keys::kInterface, keys::kActivePrintButton, "aPrintAkt");
    TMain& w = start();
    EXPECT_EQ(w.bottomPanel()->height(), 300);
    EXPECT_EQ(w.valuesGrid()->height(), 150);
    EXPECT_EQ(w.collectionsGrid()->width(), 250);
    EXPECT_EQ(w.parametersGrid()->width(), 280);
    EXPECT_EQ(w.restoredInterface().sortOrder, 5);
    EXPECT_EQ(w.activePrintCommand(), "aPrintAkt");
    EXPECT_EQ(widths(w.costGrid()).mid(0, 7), QList<int>({111, 94, 305, 292, 88, 93, 93}));
    EXPECT_EQ(widths(w.sectionsGrid()).mid(2, 3), QList<int>({77, 64, 64}));
    EXPECT_EQ(widths(w.valuesGrid()).last(), 55);

    // A widened seventh column is stored, and still starts at its designed width.
    w.costGrid()->horizontalHeader()->resizeSection(6, 180);
    stop();
    EXPECT_EQ(ini().readInteger(keys::kInterface, keys::kCostColumnWidth + "7", 0), 180);
    EXPECT_EQ(widths(start().costGrid())[6], 93);
}

TEST_F(TMainTest, PrintButtonNameThatIsNoCommandLeavesTheEstimate) {
    for (const QString& stored :
         {QStringLiteral("aPrintNothing"), QStringLiteral(""), QStringLiteral("aprint2")}) {
        ini().writeString(keys::kInterface, keys::kActivePrintButton, stored);
        EXPECT_EQ(start(false).activePrintCommand(), "aPrint1") << stored.toStdString();
    }
    ini().writeString(keys::kInterface, keys::kActivePrintButton, "aPrint2");
    EXPECT_EQ(start(false).activePrintCommand(), "aPrint2");
}

TEST_F(TMainTest, HiddenBottomPanelSurvivesRestarts) {
    writeIni(keys::kBottomPanelHeight, 280);
    TMain& w = start();
    w.action("tbPanel")->trigger(); // up: the panel goes
    EXPECT_FALSE(w.bottomPanel()->isVisible());
    stop();
    EXPECT_FALSE(ini().readBool(keys::kInterface, keys::kBottomPanelVisible, true));
    EXPECT_EQ(ini().readInteger(keys::kInterface, keys::kBottomPanelHeight, 0), 280);

    TMain& again = start();
    EXPECT_FALSE(again.action("tbPanel")->isChecked());
    EXPECT_FALSE(again.bottomPanel()->isVisible());
    stop(); // a run that never showed the panel keeps its sizes
    EXPECT_FALSE(ini().readBool(keys::kInterface, keys::kBottomPanelVisible, true));
    EXPECT_EQ(ini().readInteger(keys::kInterface, keys::kBottomPanelHeight, 0), 280);
    EXPECT_EQ(ini().readInteger(keys::kInterface, keys::kValuePanelHeight, 0), 120);

    TMain& third = start();
    third.action("tbPanel")->trigger(); // down: the panel is back at its size
    EXPECT_TRUE(third.bottomPanel()->isVisible());
    EXPECT_EQ(third.bottomPanel()->height(), 280);
    EXPECT_EQ(third.valuesGrid()->height(), 120);
}

TEST_F(TMainTest, SavedEstimateKeyIsStoredOnlyForANonEmptyList) {
    start(false);
    addCost("Бондаренко");
    addCost("Ткачук");
    m_dm->TbCost().locate("Cust_Name", "Бондаренко");
    const int id = m_dm->TbCost().value("ID_Cost").toInt();
    stop();
    EXPECT_EQ(ini().readInteger(keys::kInterface, keys::kSavedCostId, 0), id);
}

TEST_F(TMainTest, MenusHoldTheirEntriesShortcutsAndDisabledLaterCommands) {
    TMain& w = start(false);
    QStringList menus;
    for (QAction* a : w.menuBar()->actions())
        menus << a->text() + (a->isVisible() ? "" : " (hidden)");
    EXPECT_EQ(menus, QStringList({"Кошторис", "Пошук", "Розрахунок", "Списки", "Друк", "Імпорт (hidden)",
                                  "Сервіс", "?"}));

    auto entries = [&](const char* menu) {
        QStringList e;
        for (QAction* a : w.findChild<QMenu*>(menu)->actions())
            e << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return e;
    };
    EXPECT_EQ(entries("mCost"),
              QStringList({"Створити", "Змінити", "Видалити", "Копіювати", "-", "Параметри"}));
    EXPECT_EQ(entries("mHelp"), QStringList({"Допомога", "Сторінка форуму", "Перелік оновлень", "-",
                                             "Офіційний сайт", "Лист розробнику", "Розробник"}));
    EXPECT_EQ(entries("mLists"),
              QStringList({"Збірники цін", "Шаблони", "Параметрів", "Одиниць виміру", "Текстових полів"}));
    EXPECT_EQ(entries("pMenuCostSrv"),
              QStringList({"Додати розділи за шаблоном", "Додати розділ", "-", "Видалити розділи"}));
    EXPECT_EQ(entries("pMenuCostLnk"), QStringList({"Додати розділи за шаблоном", "-", "Додати розділ",
                                                    "Видалити розділ", "-", "Змінити параметри"}));

    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"nFind", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"nFindNext", QKeySequence(Qt::Key_F3)},
        {"aCalc", QKeySequence(Qt::Key_F5)},
        {"nHelp", QKeySequence(Qt::Key_F1)},
        {"nAbout", QKeySequence(Qt::ALT | Qt::Key_F1)},
        {"nPrintCost", QKeySequence(Qt::CTRL | Qt::Key_P)},
    };
    for (const auto& [name, key] : shortcuts)
        EXPECT_EQ(w.action(name)->shortcut(), key) << name;
    for (const char* link : {"nForum", "nChanges", "nSite", "nMail"})
        EXPECT_TRUE(w.action(link)->shortcut().isEmpty()) << link;

    // The later windows' commands are there and disabled; the shell's own and the list's work.
    for (const char* later :
         {"nCostCopy", "nEditParam", "nFind", "nFindNext", "nListService", "nPrintCost", "tbEditParam",
          "tbFind", "tbOpenTemplate", "tbService", "pSrvAddSection", "pLnkEditParams", "aPrint1"})
        EXPECT_FALSE(w.action(later)->isEnabled()) << later;
    for (const char* ready : {"nCalc", "aCalc", "nSetup", "nHelp", "nAbout", "nSite", "tbCalc", "tbPanel"})
        EXPECT_TRUE(w.action(ready)->isEnabled()) << ready;
}

TEST_F(TMainTest, ToolbarButtonsInOrderWithTheirHints) {
    TMain& w = start(false);
    QStringList hints;
    for (QAction* a : w.toolBar()->actions()) {
        if (a->isSeparator())
            hints << "-";
        else if (QWidget* widget = w.toolBar()->widgetForAction(a); widget == w.printButton())
            hints << "print";
        else if (!qobject_cast<QToolButton*>(w.toolBar()->widgetForAction(a)))
            hints << "filter";
        else
            hints << a->toolTip();
    }
    EXPECT_EQ(hints, QStringList({"Видалити",
                                  "Перший запис",
                                  "Попередній запис",
                                  "Наступний запис",
                                  "Останній запис",
                                  "Створити",
                                  "Змінити",
                                  "Змінити параметри кошториса",
                                  "-",
                                  "Знайти ...",
                                  "Зберегти",
                                  "Обчислити",
                                  "-",
                                  "Відображення панелі розділів",
                                  "-",
                                  "print",
                                  "Відкрити шаблон",
                                  "Змінити шаблон",
                                  "-",
                                  "Збірники цін",
                                  "Шаблони кошторисів"}));
    EXPECT_EQ(w.toolBar()->height(), 42);
    EXPECT_EQ(w.toolBar()->widgetForAction(w.action("tbDelete"))->size(), QSize(39, 38));
    QStringList drop;
    for (QAction* a : w.printButton()->menu()->actions())
        drop << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(drop, QStringList({"кошторис", "кошторис (форма 2)", "-", "рахунок", "договір", "акт"}));
    EXPECT_EQ(w.statusPanels().size(), 5);
    EXPECT_EQ(w.statusPanels().last()->width(), 50);
}

TEST_F(TMainTest, BottomGridsShowTheirColumnsAndTheNameIsReadOnly) {
    TMain& w = start(false);
    EXPECT_EQ(titles(w.collectionsGrid()), QStringList({"Номер", "Збірник", "Сума"}));
    EXPECT_EQ(titles(w.sectionsGrid()),
              QStringList({"Номер", "Назва разділу", "Сума", "Польові", "Камеральні", "Коефіцієнт",
                           "Коеф.польові", "Коеф.кам-ні", "Люд/дні пол-ві", "Люд/дні кам-ні"}));
    EXPECT_EQ(titles(w.parametersGrid()), QStringList({"Номер", "Назва параметру", "Значення"}));
    EXPECT_EQ(titles(w.valuesGrid()),
              QStringList({"Найменування значення", "Вид", "A", "Параметр", "Людино/дні", "B", "Параметр",
                           "Людино/дні", "Формула", "Коефіцієнт"}));
    for (QTableView* grid : {w.collectionsGrid(), w.sectionsGrid(), w.parametersGrid()}) {
        auto* model = qobject_cast<ui::DatasetModel*>(grid->model());
        ASSERT_NE(model, nullptr);
        EXPECT_TRUE(model->column(1).readOnly) << grid->objectName().toStdString();
        EXPECT_FALSE(model->column(0).readOnly) << grid->objectName().toStdString();
    }
}

TEST_F(TMainTest, CalculateWithoutACurrentEstimateDoesNothing) {
    TMain& w = start();
    ASSERT_TRUE(m_dm->TbCost().isEmpty());
    QTest::keyClick(&w, Qt::Key_F5);
    w.action("tbCalc")->trigger();
    EXPECT_TRUE(m_prompter.questions().isEmpty());

    // With an estimate (no sections yet) the command runs and leaves it current.
    addCost("Бондаренко");
    const QVariant id = m_dm->TbCost().value("ID_Cost");
    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_TRUE(m_prompter.questions().isEmpty());
    EXPECT_EQ(m_dm->TbCost().value("ID_Cost"), id);
}

TEST_F(TMainTest, CloseAsksAndARefusalKeepsTheWindow) {
    TMain& w = start();
    int asked = 0;
    w.closeRequested = [&] { return ++asked > 1; };
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.close());
    EXPECT_EQ(asked, 2);
}

} // namespace
