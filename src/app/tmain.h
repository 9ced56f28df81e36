#pragma once
// The main window TMain: the toolbar, the estimate list above and, in the bottom panel, the current
// estimate's collections, sections, parameter values and value lines; the main menu, the grids'
// pop-up menus and the status bar. The layout values of section "Интерфейс" of velta.ini survive
// from one run to the next through restoreInterface and storeInterface.
//
// The window is created before the data module: attachData binds the grids and the commands to
// the datasets once TDM4 exists. Until then the grids are empty and the data commands disabled.

#include "core/settings.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTableView;
class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace velta::core {
class Registry;
}

namespace velta::data {
class TDM4;
}

namespace velta::estimates {
class CostList;
}

namespace velta::ui {
class DatasetModel;
class Prompter;
} // namespace velta::ui

namespace velta::app {

class TSetup;

// The main window's caption: the program's title, its version and the edition label.
QString mainCaption();

// The five print commands of the print button, in the order of its drop-down.
inline const std::array<const char*, 5> kPrintCommands = {"aPrint1", "aPrint2", "aPrintScore",
                                                          "aPrintAgreement", "aPrintAkt"};

class TMain : public QMainWindow {
    Q_OBJECT
public:
    TMain(QString workingFolder, ui::Prompter& prompter, QWidget* parent = nullptr);
    ~TMain() override;

    // Binds the grids and the commands to the data module's datasets (not owned), and applies
    // the estimate list's part of the restored layout (sort button and column widths).
    void attachData(data::TDM4* dm);
    // Section "Интерфейс" of velta.ini in the working folder, read only when the file exists;
    // without it the designed layout stands.
    void restoreInterface();
    // Writes every key of section "Интерфейс" (at exit). The saved estimate key is written only
    // when the catalogue is connected and the estimate list is open and not empty.
    void storeInterface();

    // Asked when the window is about to close (the exit question and the exit writes); true lets
    // it close. Without it the window closes.
    std::function<bool()> closeRequested;
    // "Сервіс" / "Параметри": opens the settings window. Without it the window opens a settings
    // window of its own over the system registry.
    std::function<void()> settingsRequested;

    const QString& workingFolder() const { return m_workingFolder; }
    data::TDM4* dataModule() const { return m_dm; }
    // The interface values as restored (or designed, without velta.ini).
    const core::InterfaceSettings& restoredInterface() const { return m_interface; }

    // Commands.
    // "Обчислити" (F5): the Calculate command on the current estimate; nothing without one. An
    // error of the calculation is shown in the error box and leaves the estimate as it was.
    void calculate();
    // The bottom-panel toggle ("Відображення панелі розділів").
    void setBottomPanelShown(bool shown);
    bool isBottomPanelShown() const;

    // Parts of the window, for the commands of other windows and for tests.
    QAction* action(const QString& name) const; // by object name; nullptr when none
    QToolBar* toolBar() const { return m_toolBar; }
    QToolButton* printButton() const { return m_printButton; }
    // The print button's current command ("aPrint1", ...).
    QString activePrintCommand() const;
    estimates::CostList* costList() const { return m_costList; }
    QTableView* costGrid() const;
    QTableView* collectionsGrid() const { return m_srvGrid; }
    QTableView* sectionsGrid() const { return m_lnkGrid; }
    QTableView* parametersGrid() const { return m_paramGrid; }
    QTableView* valuesGrid() const { return m_valueGrid; }
    QWidget* bottomPanel() const { return m_bottomPanel; }
    QMenu* collectionsMenu() const { return m_srvMenu; }
    QMenu* sectionsMenu() const { return m_lnkMenu; }
    QList<QLabel*> statusPanels() const { return m_statusPanels; }

    // The sizes the next storeInterface writes.
    int bottomPanelHeight() const;
    int valuePanelHeight() const;
    int collectionsPanelWidth() const;
    int sectionsPanelWidth() const;
    int parametersPanelWidth() const;

signals:
    void shown();
    void activated();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildPanels();
    void buildStatusBar();
    QAction* makeAction(const QString& name, const QString& text, const QString& icon = {},
                        const QKeySequence& shortcut = {});
    void bindCostList();
    void bindBottomGrids();
    void applySizes();
    void applyInnerSizes();
    void rememberSizes();
    void applyColumnWidths();
    void setActivePrintCommand(const QString& name);
    void openSettings();
    void runGuarded(const std::function<void()>& command);

    QString m_workingFolder;
    ui::Prompter& m_prompter;
    data::TDM4* m_dm = nullptr;
    core::InterfaceSettings m_interface; // restored values; the designed ones until restore
    bool m_restored = false;             // velta.ini was read
    bool m_shownOnce = false;
    bool m_innerSizesPending = true; // the bottom panel's splitters have not been laid out yet

    QToolBar* m_toolBar = nullptr;
    QToolButton* m_printButton = nullptr;
    QAction* m_activePrint = nullptr;
    QWidget* m_estimateArea = nullptr;
    QVBoxLayout* m_estimateLayout = nullptr;
    QWidget* m_placeholder = nullptr;
    estimates::CostList* m_costList = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QWidget* m_bottomPanel = nullptr;
    QSplitter* m_bottomSplitter = nullptr;
    QSplitter* m_upperSplitter = nullptr;
    QTableView* m_srvGrid = nullptr;
    QTableView* m_lnkGrid = nullptr;
    QTableView* m_paramGrid = nullptr;
    QTableView* m_valueGrid = nullptr;
    ui::DatasetModel* m_srvModel = nullptr;
    ui::DatasetModel* m_lnkModel = nullptr;
    ui::DatasetModel* m_paramModel = nullptr;
    ui::DatasetModel* m_valueModel = nullptr;
    QMenu* m_srvMenu = nullptr;
    QMenu* m_lnkMenu = nullptr;
    QList<QLabel*> m_statusPanels;
    std::unique_ptr<TSetup> m_setup;
};

} // namespace velta::app
