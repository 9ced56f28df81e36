#pragma once
// The road from program start to the first usable main window, and back out at exit:
//
//   1-2. the splash TAbout shows, the start-up log opens and gets its header lines;
//   3.   the application title;
//   4.   the main window TMain on the working folder (the current directory), with its layout
//        values, the templates folder and the saved estimate key read from velta.ini;
//   5.   the data module TDM4, which connects the catalogue and then the estimates database and
//        opens every dataset, writing its lines into the log; the log is closed;
//   6.   the splash hides and the main window shows.
//
// The main window's shown handler makes the saved estimate current and, on an empty estimates
// database, runs the first-run steps; its activation ends a program whose catalogue is not
// connected; its close handler asks "Бажаєте вийти з програми ?" and writes the layout, commits
// both databases and leaves the version in the registry.

#include "app/start_log.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace velta::core {
class Registry;
}
namespace velta::data {
class TDM4;
}
namespace velta::ui {
class Prompter;
}

namespace velta::app {

class TAbout;
class TMain;
class TSetup;

inline const QString kExitQuestion = QStringLiteral("Бажаєте вийти з програми ?");
inline const QString kImportEstimatesQuestion =
    QStringLiteral("Виконати імпорт кошторисів з попоредньої версії програми ЛУМАК ?");
inline const QString kImportTemplatesQuestion =
    QStringLiteral("Виконати імпорт шаблонів кошторисів з попоредньої версії програми ЛУМАК ?");
// Where the previous version was installed when its registry value says nothing useful.
inline const QString kPreviousVersionDefault = QStringLiteral("C:\\Program Files\\ЛУМАК");

// The templates folder from the stored value of "Папка с шаблонами": trimmed and without one
// trailing backslash; a blank value leaves it at the working folder.
QString TemplatesFolderValue(const QString& stored, const QString& workingFolder);

// The previous version's folder from its registry value WorkPath: empty gives the default
// folder, a short 8.3 path (one holding "~") the default folder on the same drive.
QString PreviousVersionFolder(const QString& registryValue);

// The import of the previous version's estimates (Cost.db) and templates (ListService.db). Each
// is offered with its question only when it is set and its table is in the previous folder.
struct PreviousVersionImport {
    std::function<void(const QString& costTable)> estimates;
    std::function<void(const QString& templatesTable)> templates;
};

struct FirstRunResult {
    QString previousFolder;      // empty when velta.ini was already in the working folder
    bool settingsCopied = false; // the previous folder's velta.ini was copied
    bool takenOver = false;      // the previous version's folder was taken over
    bool settingsOpened = false; // the organisation had no name: the settings window was opened
};

// The first-run steps of an empty estimates database. openSettings shows the settings window.
FirstRunResult RunFirstRunSteps(const QString& workingFolder, core::Registry& registry,
                                ui::Prompter& prompter, const PreviousVersionImport& import,
                                const std::function<void()>& openSettings);

class Startup : public QObject {
    Q_OBJECT
public:
    struct Options {
        // The working folder: the program passes the current directory.
        QString workingFolder;
        // Not owned; nullptr: the system registry and the installed prompter.
        core::Registry* registry = nullptr;
        ui::Prompter* prompter = nullptr;
        PreviousVersionImport import;
    };

    explicit Startup(Options options, QObject* parent = nullptr);
    ~Startup() override;

    // Steps 1 to 6: ends with the main window shown (its shown handler has run).
    void run();

    // The start-up failed flag: a database could not be opened.
    bool failed() const { return m_failed; }
    const QString& workingFolder() const { return m_workingFolder; }
    const QString& templatesFolder() const { return m_templatesFolder; }
    int savedCostId() const { return m_savedCostId; }

    TAbout* splash() const { return m_splash.get(); }
    TMain* mainWindow() const { return m_main.get(); }
    data::TDM4* dataModule() const { return m_dm.get(); }
    // The settings window, created on first need and kept until exit.
    TSetup& setup();

    // The main window's handlers.
    void mainShown();
    void mainActivated();
    // True lets the window close.
    bool mainClosing();

signals:
    // The program is to end with this exit code (a start whose databases could not be opened).
    void quitRequested(int exitCode);

private:
    void startDataModule();
    void endIfNotConnected();

    Options m_options;
    core::Registry& m_registry;
    ui::Prompter& m_prompter;
    QString m_workingFolder;
    QString m_templatesFolder;
    int m_savedCostId = 0;
    bool m_failed = false;
    bool m_shownOnce = false;
    bool m_ending = false;

    StartLog m_log;
    std::unique_ptr<TAbout> m_splash;
    std::unique_ptr<data::TDM4> m_dm;
    std::unique_ptr<TMain> m_main; // destroyed before the data module it shows
    std::unique_ptr<TSetup> m_setup;
};

} // namespace velta::app
