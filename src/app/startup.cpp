#include "app/startup.h"

#include "app/tabout.h"
#include "app/tmain.h"
#include "app/tsetup.h"
#include "core/ini_file.h"
#include "core/registry.h"
#include "core/settings.h"
#include "core/text_functions.h"
#include "data/database.h"
#include "data/tdm4.h"
#include "ui/help_window.h"
#include "ui/program_info.h"
#include "ui/prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <exception>

namespace velta::app {

using namespace core::ini_keys;
namespace rk = core::registry_keys;

QString TemplatesFolderValue(const QString& stored, const QString& workingFolder) {
    const QString folder = core::TrimPathDelimiter(stored);
    return folder.trimmed().isEmpty() ? workingFolder : folder;
}

QString PreviousVersionFolder(const QString& registryValue) {
    if (registryValue.isEmpty())
        return kPreviousVersionDefault;
    if (registryValue.contains(u'~'))
        return registryValue.left(2) + kPreviousVersionDefault.mid(2);
    return registryValue;
}

namespace {

// A file of the previous version's folder. The folder comes from the registry and is usually a
// Windows path: one that is not absolute on this system is not looked into at all, so that
// nothing is ever read relative to the working folder by mistake.
QString previousFile(const QString& folder, const QString& name) {
    if (QDir::isRelativePath(folder))
        return {};
    return QDir(folder).filePath(name);
}

bool fileIn(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

FirstRunResult RunFirstRunSteps(const QString& workingFolder, core::Registry& registry,
                                ui::Prompter& prompter, const PreviousVersionImport& import,
                                const std::function<void()>& openSettings) {
    FirstRunResult result;
    const QString ini = core::iniPath(workingFolder);

    // 1. A folder without settings takes over the previous version's folder.
    if (!QFileInfo::exists(ini)) {
        result.previousFolder =
            PreviousVersionFolder(registry.readString(rk::kPreviousVersion, rk::kWorkPath));
        const QString previousIni = previousFile(result.previousFolder, kFileName);
        if (fileIn(previousIni)) {
            // QFile::copy never replaces an existing file.
            result.settingsCopied = QFile::copy(previousIni, ini);
            const QString costTable = previousFile(result.previousFolder, QStringLiteral("Cost.db"));
            if (import.estimates && fileIn(costTable) && prompter.confirm(kImportEstimatesQuestion))
                import.estimates(costTable);
            const QString templatesTable =
                previousFile(result.previousFolder, QStringLiteral("ListService.db"));
            if (import.templates && fileIn(templatesTable) && prompter.confirm(kImportTemplatesQuestion))
                import.templates(templatesTable);
            result.takenOver = true;
        }
    }

    // 2. The settings file, created when missing.
    if (!QFileInfo::exists(ini)) {
        QFile file(ini);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            file.close();
    }
    core::IniFile settings(ini);
    const QString firmName = settings.readString(kOrganisation, kFirmName);

    // 3. The taken-over settings now belong to this folder.
    if (result.takenOver) {
        registry.writeString(rk::kVelta2, rk::kWorkPath, workingFolder);
        settings.setAutoFlush(false);
        settings.writeString(kSetup, kWorkFolder, workingFolder);
        settings.writeString(kSetup, kTemplatesFolder, workingFolder);
        settings.flush();
    }

    // 4. An organisation without a name is asked for its details.
    if (firmName.isEmpty() && openSettings) {
        openSettings();
        result.settingsOpened = true;
    }
    return result;
}

Startup::Startup(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)),
      m_registry(m_options.registry ? *m_options.registry : core::Registry::system()),
      m_prompter(m_options.prompter ? *m_options.prompter : ui::Prompter::current()),
      m_workingFolder(m_options.workingFolder), m_templatesFolder(m_options.workingFolder) {}

Startup::~Startup() {
    // The windows go before the data module whose datasets they show.
    m_setup.reset();
    m_main.reset();
    m_dm.reset();
}

void Startup::run() {
    // 1-2. The splash, seen while the rest loads, and the log's header.
    m_splash = std::make_unique<TAbout>(m_workingFolder);
    m_splash->showCentred();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize();
    m_log.open(m_workingFolder);
    m_log.write(StartLogHeader::current(m_workingFolder, screenSize).lines());

    // 3. The application title is the splash's caption while the program loads; afterwards the
    // task bar shows the main window's own caption.

    // 4. The main window on the working folder. Its datasets do not exist yet.
    m_failed = false;
    m_templatesFolder = m_workingFolder;
    m_main = std::make_unique<TMain>(m_workingFolder, m_prompter);
    ui::setHelpFile(ui::findHelpFile(m_workingFolder));
    if (QFileInfo::exists(core::iniPath(m_workingFolder))) {
        const core::IniFile ini(core::iniPath(m_workingFolder));
        m_templatesFolder = TemplatesFolderValue(ini.readString(kSetup, kTemplatesFolder), m_workingFolder);
        m_savedCostId = ini.readInteger(kInterface, kSavedCostId, 0);
        m_main->restoreInterface();
    }
    m_main->closeRequested = [this] { return mainClosing(); };
    connect(m_main.get(), &TMain::shown, this, &Startup::mainShown);
    connect(m_main.get(), &TMain::activated, this, &Startup::mainActivated);
    if (screen)
        m_main->setGeometry(screen->availableGeometry());
    m_main->setWindowState(Qt::WindowMaximized);

    // 5. The data module.
    startDataModule();

    // 6. The main window takes over from the splash.
    m_splash->hide();
    m_main->show();
}

void Startup::startDataModule() {
    data::TDM4::Options options;
    options.workingFolder = m_workingFolder;
    options.database = data::DatabaseSettings::load(m_workingFolder);
    options.registry = &m_registry;
    options.programVersion = ui::programVersion();
    options.log = [this](const QString& line) { m_log.write(line); };
    m_dm = std::make_unique<data::TDM4>(std::move(options));

    QString openingError;
    bool connected = false;
    try {
        connected = m_dm->start();
    } catch (const std::exception& e) {
        // The datasets opened so far stay open and the program goes on with them.
        connected = true;
        openingError = QString::fromUtf8(e.what());
    }
    m_log.close();

    if (!connected) {
        m_failed = true;
        m_splash->hide(); // the message must not sit under the splash
        if (!m_dm->connectionError().isEmpty())
            m_prompter.notice(m_dm->connectionError());
        return;
    }
    m_main->attachData(m_dm.get());
    if (!openingError.isEmpty()) {
        m_splash->hide();
        m_prompter.error(openingError);
    }
}

TSetup& Startup::setup() {
    if (!m_setup) {
        m_setup = std::make_unique<TSetup>(m_workingFolder, m_registry, m_main.get());
        connect(m_setup.get(), &TSetup::foldersChanged, this,
                [this](const QString& working, const QString& templates) {
                    m_workingFolder = working;
                    m_templatesFolder = templates;
                });
    }
    return *m_setup;
}

void Startup::mainShown() {
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (!m_dm || !m_dm->isServiceConnected() || !m_dm->isVeltaConnected()) {
        // The activation ends such a program; on a desktop that activates no window by itself
        // the end must not wait for a click.
        QTimer::singleShot(0, this, &Startup::endIfNotConnected);
        return;
    }
    data::Dataset& cost = m_dm->TbCost();
    if (!cost.isOpen())
        return;
    // The list stands in its stored sort order (the main window applied it when the data came);
    // the estimate the user last worked on becomes current again, when it still exists.
    if (m_savedCostId != 0)
        cost.locate(QStringLiteral("ID_Cost"), m_savedCostId);
    // The user's own entries of the Print menu (reports.lst) come with the report printing.

    bool empty = false;
    try {
        empty =
            m_dm->velta()->run(QStringLiteral(R"(Select First 1 "ID_Cost" From "Cost")"), {}).rows.empty();
    } catch (const std::exception& e) {
        m_prompter.error(QString::fromUtf8(e.what()));
        return;
    }
    if (empty)
        RunFirstRunSteps(m_workingFolder, m_registry, m_prompter, m_options.import,
                         [this] { setup().showSettings(); });
}

void Startup::mainActivated() {
    endIfNotConnected();
}

void Startup::endIfNotConnected() {
    if (m_ending || !m_dm || m_dm->isServiceConnected())
        return;
    m_ending = true;
    emit quitRequested(1);
}

bool Startup::mainClosing() {
    if (!m_failed && !m_prompter.confirm(kExitQuestion))
        return false;
    // A start that could not open its databases leaves everything as it found it: its window
    // never showed the user's layout, and a version written now would make the next start skip
    // the upgrade checks that this one never ran.
    if (m_failed)
        return true;

    m_main->storeInterface();
    if (m_dm && m_dm->isServiceConnected() && m_dm->TbCost().isOpen() && m_dm->TbCost().recordCount() > 0) {
        core::IniFile ini(core::iniPath(m_workingFolder));
        ini.writeInteger(kInterface, kSavedCostId, m_dm->TbCost().value(QStringLiteral("ID_Cost")).toInt());
    }

    if (m_dm) {
        // Every command has committed already; this is the last word for what the exit posts.
        for (void (data::TDM4::*commit)() : {&data::TDM4::commitService, &data::TDM4::commitVelta}) {
            try {
                (m_dm.get()->*commit)();
            } catch (const std::exception& e) {
                m_prompter.error(QString::fromUtf8(e.what()));
            }
        }
        try {
            if (m_dm->isServiceConnected()) {
                const auto result = m_dm->service()->run(
                    QStringLiteral(R"(Select "fPassive" From "ServiceKof" Where "ID_ServiceKof" = 10)"), {});
                if (!result.rows.empty() && !result.rows.front().isEmpty())
                    m_registry.writeString(rk::kVelta2, rk::kPasIdx2001,
                                           result.rows.front().front().toString());
            }
        } catch (...) {
        }
    }
    m_registry.writeString(rk::kVelta2, rk::kVersion, ui::programVersion());
    return true;
}

} // namespace velta::app
