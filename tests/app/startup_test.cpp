// The start-up and the exit of the program, run in-process on temporary working folders with both
// databases and the scripted prompter: the log, the first-run steps, the saved estimate, the exit
// question and writes, and the start whose databases cannot be opened.

#include "app/start_log.h"
#include "app/startup.h"
#include "app/tabout.h"
#include "app/tmain.h"
#include "app/tsetup.h"

#include "common/db_fixture.h"
#include "core/cp1251.h"
#include "core/ini_file.h"
#include "core/registry.h"
#include "core/settings.h"
#include "data/database.h"
#include "data/tdm4.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velta;
using namespace velta::app;
using Kind = ui::ScriptedPrompter::Kind;
namespace keys = core::ini_keys;
namespace rk = core::registry_keys;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList logLines(const QString& folder) {
    QString text = core::fromCp1251(readAll(QDir(folder).filePath(kStartLogFile)));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// Closes the next modal window once it is up and tells which it was (its caption).
class ModalCloser {
public:
    ModalCloser() {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                m_titles.append(w->windowTitle());
                if (auto* setup = qobject_cast<TSetup*>(w))
                    m_shownSettings = setup->fieldSettings();
                w->close();
            }
        });
        m_timer.start();
    }
    const QStringList& titles() const { return m_titles; }
    const core::Settings& shownSettings() const { return m_shownSettings; }

private:
    QTimer m_timer;
    QStringList m_titles;
    core::Settings m_shownSettings;
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        core::setSystemRegistryFolder(m_registryFolder.path());
    }
    void TearDown() override { core::Registry::setSystem(nullptr); }

    QString wf() const { return m_folder.path(); }
    QString ini() const { return core::iniPath(wf()); }

    std::unique_ptr<Startup> start(PreviousVersionImport import = {}) {
        Startup::Options o;
        o.workingFolder = wf();
        o.registry = &m_registry;
        o.prompter = &m_prompter;
        o.import = std::move(import);
        auto s = std::make_unique<Startup>(std::move(o));
        s->run();
        QApplication::processEvents();
        return s;
    }

    void addEstimates(int count) {
        data::Database velta(m_folder.estimatesPath(), QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
        for (int i = 1; i <= count; ++i)
            velta.run(QStringLiteral(R"(Insert Into "Cost" ("ID_Cost", "Cost_Number") Values (:ID, :N))"),
                      {{QStringLiteral("ID"), i * 10}, {QStringLiteral("N"), QString::number(i)}});
        velta.commit();
    }

    // A folder of the previous version holding the given files, registered as its WorkPath.
    QString previousVersion(const QStringList& files) {
        for (const QString& f : files)
            writeFile(m_previous.filePath(f), f == keys::kFileName
                                                  ? core::toCp1251(QStringLiteral("[Организация]\r\nНазвание "
                                                                                  "проектной организации=ТОВ "
                                                                                  "Старий запис\r\n"))
                                                  : QByteArray("old table"));
        m_registry.writeString(rk::kPreviousVersion, rk::kWorkPath, m_previous.path());
        return m_previous.path();
    }

    test::DbFolder m_folder{test::Catalogue::Shipped};
    QTemporaryDir m_registryFolder;
    QTemporaryDir m_previous;
    core::ProfileRegistry m_registry{m_registryFolder.path()};
    ui::ScriptedPrompter m_prompter;
};

} // namespace

TEST(StartLog, WritesCp1251LinesWithTheDboRuleUntilClosed) {
    QTemporaryDir dir;
    StartLog log;
    ASSERT_TRUE(log.open(dir.path()));
    log.write(QStringLiteral("dbo.Cost"));
    log.write(QStringLiteral("Відкриття dbo.Cost"));
    log.write(QStringLiteral("dbo."));
    log.close();
    log.write(QStringLiteral("після закриття"));
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(readAll(dir.filePath(kStartLogFile)),
              "Cost\r\n" + core::toCp1251(QStringLiteral("Відкриття dbo.Cost")) + "\r\n\r\n \r\n");
}

TEST(StartLog, HeaderLinesInTheirFormats) {
    StartLogHeader h;
    h.version = QStringLiteral("2.0.0.7");
    h.now = QDateTime(QDate(2026, 3, 5), QTime(9, 7, 3));
    h.operatingSystem = QStringLiteral("Linux 6.1");
    h.screen = QSize(1920, 1080);
    h.computerName = QStringLiteral("KOSHTORYS");
    h.workingFolder = QStringLiteral("/home/user/Velta2");
    EXPECT_EQ(h.lines(), QStringList({
                             QStringLiteral("!Кошториси на виконання земельно-кадастрових та "
                                            "проектно-вишукувальних робіт 2.0.0.7"),
                             QStringLiteral("05.03.2026 09:07:03"),
                             QStringLiteral("Linux 6.1"),
                             QStringLiteral("Экран 1920х1080"),
                             QStringLiteral("Компьютер KOSHTORYS"),
                             QStringLiteral("BDE 0"),
                             QStringLiteral("Путь /home/user/Velta2"),
                             QStringLiteral(" "),
                         }));
}

TEST(StartupValues, PreviousVersionFolderAndTemplatesFolder) {
    const struct {
        const char* registry;
        const char* folder;
    } previous[] = {
        {"", "C:\\Program Files\\ЛУМАК"},
        {"C:\\PROGRA~1\\LUMAK", "C:\\Program Files\\ЛУМАК"},
        {"C:\\Program Files\\Інша~папка\\bin", "C:\\Program Files\\ЛУМАК"},
        {"D:\\LUMAK~1", "D:\\Program Files\\ЛУМАК"},
        {"D:\\Lumak", "D:\\Lumak"},
    };
    for (const auto& c : previous)
        EXPECT_EQ(PreviousVersionFolder(QString::fromUtf8(c.registry)), QString::fromUtf8(c.folder))
            << c.registry;

    const QString wf = QStringLiteral("/home/user/Velta2");
    const struct {
        const char* stored;
        const char* folder;
    } templates[] = {
        {"", "/home/user/Velta2"},
        {"   ", "/home/user/Velta2"},
        {"D:\\Шаблони\\ ", "D:\\Шаблони"},
        {"  /srv/templates/", "/srv/templates"},
        {"D:\\Шаблони\\\\", "D:\\Шаблони\\"},
    };
    for (const auto& c : templates)
        EXPECT_EQ(TemplatesFolderValue(QString::fromUtf8(c.stored), wf), QString::fromUtf8(c.folder))
            << c.stored;
}

TEST_F(StartupTest, NonEmptyDatabaseWithoutIniRunsNoFirstRunSteps) {
    addEstimates(2);
    previousVersion({keys::kFileName, QStringLiteral("Cost.db")});
    bool imported = false;
    ModalCloser closer;
    auto s = start({[&](const QString&) { imported = true; }, {}});

    EXPECT_FALSE(s->failed());
    EXPECT_TRUE(closer.titles().isEmpty());
    EXPECT_TRUE(m_prompter.questions().isEmpty());
    EXPECT_FALSE(imported);
    EXPECT_FALSE(QFile::exists(ini())) << "nothing is copied or created at start";
    EXPECT_EQ(s->templatesFolder(), wf());
    EXPECT_EQ(s->mainWindow()->workingFolder(), wf());
    EXPECT_FALSE(s->splash()->isVisible());
    EXPECT_TRUE(s->mainWindow()->isVisible());
    EXPECT_EQ(s->dataModule()->TbCost().recordCount(), 2);
}

TEST_F(StartupTest, TwoStartsInARowStandInTheLogOneAfterTheOther) {
    addEstimates(1);
    writeFile(QDir(wf()).filePath(kStartLogFile),
              core::toCp1251(QStringLiteral("рядок старого запуску\r\n")));
    for (int run = 0; run < 2; ++run) {
        auto s = start();
        m_prompter.queueConfirm(true);
        s->mainWindow()->close();
        EXPECT_FALSE(s->mainWindow()->isVisible());
    }
    const QStringList lines = logLines(wf());
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), QStringLiteral("рядок старого запуску"));
    QList<int> heads;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(QStringLiteral("!Кошториси")))
            heads.append(i);
    ASSERT_EQ(heads.size(), 2);
    for (int head : heads) {
        EXPECT_EQ(lines[head + 5], QStringLiteral("BDE 0"));
        EXPECT_EQ(lines[head + 6], QStringLiteral("Путь ") + wf());
        EXPECT_EQ(lines[head + 7], QStringLiteral(" "));
        EXPECT_EQ(lines[head + 8], QStringLiteral("Открытие баз данных:"));
        EXPECT_EQ(lines[head + 9], QStringLiteral("Service"));
    }
    // Each run ends with its result, an empty line and the closing line.
    const QStringList tail{QStringLiteral("Запуск программы успешно выполнен"), QString(),
                           QStringLiteral(" ")};
    EXPECT_EQ(lines.mid(heads[1] - 3, 3), tail);
    EXPECT_EQ(lines.mid(lines.size() - 3), tail);
}

TEST_F(StartupTest, PreviousFolderWithIniButNoCostTable) {
    const QString previous = previousVersion({keys::kFileName});
    bool imported = false;
    ModalCloser closer;
    auto s = start({[&](const QString&) { imported = true; }, [&](const QString&) { imported = true; }});

    EXPECT_EQ(readAll(ini()).left(20), readAll(QDir(previous).filePath(keys::kFileName)).left(20));
    EXPECT_TRUE(m_prompter.questions().isEmpty()) << "no table to import, so no question";
    EXPECT_FALSE(imported);
    EXPECT_EQ(m_registry.readString(rk::kVelta2, rk::kWorkPath), wf());
    const core::IniFile file(ini());
    EXPECT_EQ(file.readString(keys::kSetup, keys::kWorkFolder), wf());
    EXPECT_EQ(file.readString(keys::kSetup, keys::kTemplatesFolder), wf());
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kFirmName), QStringLiteral("ТОВ Старий запис"));
    EXPECT_TRUE(closer.titles().isEmpty()) << "the copied settings name the organisation";
}

TEST_F(StartupTest, PreviousTablesAreOfferedOnlyWhenAnImportIsThere) {
    const QString previous =
        previousVersion({keys::kFileName, QStringLiteral("Cost.db"), QStringLiteral("ListService.db")});
    QTemporaryDir other;
    {
        // No import yet: the settings are copied, nothing is asked.
        const FirstRunResult r = RunFirstRunSteps(other.path(), m_registry, m_prompter, {}, {});
        EXPECT_TRUE(r.settingsCopied);
        EXPECT_TRUE(r.takenOver);
        EXPECT_TRUE(m_prompter.questions().isEmpty());
    }
    QStringList imported;
    m_prompter.queueConfirm(false);
    m_prompter.queueConfirm(true);
    const FirstRunResult r = RunFirstRunSteps(
        wf(), m_registry, m_prompter,
        {[&](const QString& t) { imported << t; }, [&](const QString& t) { imported << t; }}, {});
    EXPECT_EQ(r.previousFolder, previous);
    EXPECT_EQ(m_prompter.texts(Kind::Confirm),
              QStringList({kImportEstimatesQuestion, kImportTemplatesQuestion}));
    EXPECT_EQ(imported, QStringList{QDir(previous).filePath(QStringLiteral("ListService.db"))});
}

TEST_F(StartupTest, IniWithoutOrganisationNameOpensTheSettingsAndImportsNothing) {
    writeFile(ini(), core::toCp1251(QStringLiteral("[Организация]\r\nТелефон=123\r\n")));
    previousVersion({keys::kFileName, QStringLiteral("Cost.db")});
    bool imported = false;
    ModalCloser closer;
    auto s = start({[&](const QString&) { imported = true; }, {}});

    EXPECT_EQ(closer.titles(), QStringList{QStringLiteral("Параметри")});
    EXPECT_FALSE(imported);
    EXPECT_TRUE(m_prompter.questions().isEmpty());
    EXPECT_EQ(m_registry.readString(rk::kVelta2, rk::kWorkPath, QStringLiteral("unset")),
              QStringLiteral("unset"))
        << "nothing was taken over";
    EXPECT_EQ(closer.shownSettings().firmPhone, QStringLiteral("123"));
}

TEST_F(StartupTest, NewInstallationOpensTheSettingsWithTheirDefaults) {
    m_registry.writeString(rk::kPreviousVersion, rk::kWorkPath, m_previous.path()); // an empty folder
    ModalCloser closer;
    auto s = start();

    ASSERT_EQ(closer.titles(), QStringList{QStringLiteral("Параметри")});
    const core::Settings& shown = closer.shownSettings();
    EXPECT_EQ(shown.firmName, QString());
    EXPECT_EQ(shown.bossPOS, QStringLiteral("Директор"));
    EXPECT_EQ(shown.bossPOS2, QStringLiteral("директора"));
    EXPECT_EQ(shown.bossDOC, QStringLiteral("статуту"));
    EXPECT_EQ(shown.workerPOS, QStringLiteral("Кошторис склав"));
    EXPECT_TRUE(shown.nds);
    EXPECT_EQ(shown.percentNDS, QStringLiteral("20"));
    EXPECT_FALSE(shown.edp);
    EXPECT_EQ(shown.percentEDP, QStringLiteral("10"));
    EXPECT_TRUE(shown.expertise);
    EXPECT_EQ(shown.percentExpertise, QStringLiteral("3"));
    EXPECT_EQ(shown.minSumExpertise, QStringLiteral("20"));
    EXPECT_TRUE(shown.autoGeneralProvisions);
    EXPECT_TRUE(shown.index);
    EXPECT_FALSE(shown.autoDateStart);
    EXPECT_FALSE(shown.autoDateFinish);
    EXPECT_EQ(shown.workFolder, wf());
    EXPECT_EQ(shown.templatesFolder, wf());
    // Cancelled: the window was closed by its title bar, nothing of it saved.
    EXPECT_TRUE(core::IniFile(ini()).sections().isEmpty());
}

TEST_F(StartupTest, TemplatesFolderAndSavedEstimateFromTheIni) {
    addEstimates(3);
    writeFile(ini(), core::toCp1251(QStringLiteral("[Установки]\r\nПапка с шаблонами=  D:\\Шаблони\\ \r\n"
                                                   "[Интерфейс]\r\nКод записи=20\r\n")));
    auto s = start();
    EXPECT_EQ(s->templatesFolder(), QStringLiteral("D:\\Шаблони"));
    EXPECT_EQ(s->dataModule()->TbCost().value(QStringLiteral("ID_Cost")).toInt(), 20);

    // A key that no longer exists leaves the list on its first row.
    m_prompter.queueConfirm(true);
    s->mainWindow()->close();
    s.reset();
    core::IniFile(ini()).writeInteger(keys::kInterface, keys::kSavedCostId, 999);
    s = start();
    EXPECT_TRUE(s->dataModule()->TbCost().isOpen());
    EXPECT_EQ(s->dataModule()->TbCost().currentIndex(), 0);
}

TEST_F(StartupTest, ExitAsksAndThenWritesCommitsAndLeavesTheVersion) {
    addEstimates(2);
    auto s = start();
    data::Dataset& cost = s->dataModule()->TbCost();
    cost.locate(QStringLiteral("ID_Cost"), 20);
    cost.edit();
    cost.setValue(QStringLiteral("Cust_Name"), QStringLiteral("Замовник до виходу"));
    cost.post();

    m_prompter.queueConfirm(false);
    s->mainWindow()->close();
    EXPECT_TRUE(s->mainWindow()->isVisible()) << "anything but OK keeps the program running";
    EXPECT_FALSE(QFile::exists(ini()));
    EXPECT_EQ(m_registry.readString(rk::kVelta2, rk::kVersion), QString());

    m_prompter.queueConfirm(true);
    s->mainWindow()->close();
    EXPECT_FALSE(s->mainWindow()->isVisible());
    EXPECT_EQ(m_prompter.texts(Kind::Confirm), QStringList({kExitQuestion, kExitQuestion}));
    EXPECT_EQ(core::IniFile(ini()).readInteger(keys::kInterface, keys::kSavedCostId, 0), 20);
    EXPECT_EQ(m_registry.readString(rk::kVelta2, rk::kVersion), QStringLiteral(VELTA_VERSION));
    EXPECT_EQ(m_registry.readString(rk::kVelta2, rk::kPasIdx2001, QStringLiteral("unset")),
              QStringLiteral("T"));
    s.reset();

    data::Database velta(m_folder.estimatesPath(), QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    const auto r = velta.run(QStringLiteral(R"(Select "Cust_Name" From "Cost" Where "ID_Cost" = 20)"), {});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows.front().front().toString(), QStringLiteral("Замовник до виходу"));
}

TEST(StartupFailure, MissingDatabaseIsToldLoggedAndLeavesTheFolderAsItWas) {
    QTemporaryDir folder, registryFolder;
    core::setSystemRegistryFolder(registryFolder.path());
    core::ProfileRegistry registry(registryFolder.path());
    ui::ScriptedPrompter prompter;
    const QByteArray goodIni = core::toCp1251(QStringLiteral("[Интерфейс]\r\nВысота нижней панели=300\r\n"
                                                             "Код записи=7\r\n"));
    writeFile(core::iniPath(folder.path()), goodIni);

    Startup::Options o;
    o.workingFolder = folder.path();
    o.registry = &registry;
    o.prompter = &prompter;
    Startup s(o);
    QSignalSpy quit(&s, &Startup::quitRequested);
    s.run();
    EXPECT_TRUE(s.failed());
    ASSERT_EQ(prompter.texts(Kind::Notice).size(), 1);
    EXPECT_FALSE(prompter.texts(Kind::Notice).front().isEmpty());

    EXPECT_TRUE(quit.wait(2000));
    EXPECT_EQ(quit.size(), 1);
    EXPECT_EQ(quit.front().front().toInt(), 1);

    const QStringList lines = logLines(folder.path());
    ASSERT_GE(lines.size(), 11);
    EXPECT_EQ(lines.mid(7),
              QStringList({QStringLiteral(" "), QStringLiteral("Программа не смогла открыть базу данных"),
                           QString(), QStringLiteral(" ")}));

    // Closing asks nothing and writes nothing: not the layout, not the version.
    s.mainWindow()->close();
    EXPECT_FALSE(s.mainWindow()->isVisible());
    EXPECT_EQ(prompter.texts(Kind::Confirm), QStringList());
    EXPECT_EQ(readAll(core::iniPath(folder.path())), goodIni);
    EXPECT_EQ(registry.readString(rk::kVelta2, rk::kVersion), QString());
    EXPECT_EQ(s.dataModule()->isServiceConnected(), false);
    core::Registry::setSystem(nullptr);
}
