#pragma once
// The settings window TSetup ("Параметри"): the organisation's details, the tax and fee rates with
// their default switches, four behaviour switches and the two folders of velta.ini. Its fields are
// reloaded from the file whenever it is created, shown or closed, so edits that were not saved
// are never seen by anybody. The result of a modal run is "Ok" (saved) or "Cancel".

#include "core/settings.h"
#include "ui/modal_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velta::core {
class Registry;
}

namespace velta::app {

class TSetup : public ui::ModalWindow {
    Q_OBJECT
public:
    explicit TSetup(const QString& workingFolder, core::Registry& registry, QWidget* parent = nullptr);

    // Shows the window modally; true when it was closed by Save.
    bool showSettings() { return execIn(ui::kModeEdit) == ui::kResultOk; }

    // The folders of the running program, as Save has left them.
    QString workingFolder() const { return m_workingFolder; }
    QString templatesFolder() const { return m_templatesFolder; }

    // Fills the fields from velta.ini of the working folder.
    void loadSettings();
    // The settings as the fields hold them now.
    core::Settings fieldSettings() const;

    // The buttons' handlers.
    void bSaveClick();
    void bCancelClick();
    void bWorkFolderClick();
    void bTemplatesFolderClick();

signals:
    // Save changed the folders of the running program.
    void foldersChanged(const QString& workingFolder, const QString& templatesFolder);

protected:
    void enterMode() override;
    void done(int r) override;

private:
    void updateVisibility();
    QString chooseFolder(const QString& title, const QString& filter, const QString& extension,
                         const QString& current);

    core::Registry& m_registry;
    QString m_workingFolder;
    QString m_templatesFolder;

    QLineEdit* m_firmName;
    QLineEdit* m_bossFIO;
    QLineEdit* m_bossPOS;
    QLineEdit* m_bossPOS2;
    QLineEdit* m_bossDOC;
    QLineEdit* m_workerFIO;
    QLineEdit* m_workerPOS;
    QLineEdit* m_firmCode;
    QLineEdit* m_firmLicense;
    QLineEdit* m_firmBank;
    QLineEdit* m_firmCity;
    QLineEdit* m_firmAddress;
    QLineEdit* m_firmPhone;
    QLineEdit* m_firmeMail;

    QCheckBox* m_nds;
    QLabel* m_percentNDSLabel;
    QComboBox* m_percentNDS;
    QLabel* m_percentNDSSign;
    QLabel* m_ndsCodeLabel;
    QLineEdit* m_firmeNDSCode;

    QCheckBox* m_edp;
    QLabel* m_percentEDPLabel;
    QComboBox* m_percentEDP;
    QLabel* m_percentEDPSign;

    QCheckBox* m_expertise;
    QLabel* m_percentExpertiseLabel;
    QComboBox* m_percentExpertise;
    QLabel* m_percentExpertiseSign;
    QLabel* m_minSumLabel;
    QComboBox* m_minSumExpertise;
    QLabel* m_minSumSign;

    QCheckBox* m_autoGeneralProvisions;
    QCheckBox* m_index;
    QCheckBox* m_autoDateStart;
    QCheckBox* m_autoDateFinish;

    QLineEdit* m_workFolder;
    QLineEdit* m_templatesFolderField;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

} // namespace velta::app
