#pragma once
// The main window TMain: the toolbar, the estimate list above and, in the bottom panel, the current
// estimate's collections, sections, parameter values and value lines; the main menu, the grids'
// pop-up menus and the status bar. The layout values of section "Интерфейс" of velta.ini survive
// from one run to the next through restoreInterface and storeInterface.
//
// The window is created before the data module: attachData binds the grids and the commands to
// the datasets once TDM4 exists.

#include <QMainWindow>
#include <QString>

#include <functional>

namespace velta::data {
class TDM4;
}

namespace velta::ui {
class Prompter;
}

namespace velta::app {

class TMain : public QMainWindow {
    Q_OBJECT
public:
    TMain(QString workingFolder, ui::Prompter& prompter, QWidget* parent = nullptr);
    ~TMain() override;

    // Binds the grids and the commands to the data module's datasets (not owned).
    void attachData(data::TDM4* dm);
    // Section "Интерфейс" of velta.ini in the working folder, read only when the file exists.
    void restoreInterface();
    // Writes every key of section "Интерфейс" (at exit).
    void storeInterface();

    // Asked when the window is about to close (the exit question and the exit writes); true lets
    // it close. Without it the window closes.
    std::function<bool()> closeRequested;

    const QString& workingFolder() const { return m_workingFolder; }

signals:
    void shown();
    void activated();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_workingFolder;
    ui::Prompter& m_prompter;
    data::TDM4* m_dm = nullptr;
};

} // namespace velta::app
