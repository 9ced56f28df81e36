#pragma once
// The modal window protocol shared by every list window and editor.
//
// The caller puts a window into a mode ("New": a row has just been appended, "Edit": the current
// row is being edited, "Select": the list is used to choose a row) and shows it modally; the window
// hands back "Ok" or "Cancel" in the same mode text. Closing by the title-bar button, Esc or any
// other way than finishOk() counts as "Cancel". Windows are created once and kept: closing hides.

#include <QDialog>
#include <QString>

namespace velta::ui {

inline const QString kModeNew = QStringLiteral("New");
inline const QString kModeEdit = QStringLiteral("Edit");
inline const QString kModeSelect = QStringLiteral("Select");
inline const QString kResultOk = QStringLiteral("Ok");
inline const QString kResultCancel = QStringLiteral("Cancel");

class ModalWindow : public QDialog {
    Q_OBJECT
public:
    explicit ModalWindow(QWidget* parent = nullptr);

    // The mode text: the mode while the window is up, the result once it has closed.
    QString mode() const { return m_mode; }
    void setMode(const QString& mode) { m_mode = mode; }
    bool isNewMode() const { return m_mode == kModeNew; }
    bool isEditMode() const { return m_mode == kModeEdit; }
    bool isSelectMode() const { return m_mode == kModeSelect; }
    bool isOk() const { return m_mode == kResultOk; }

    // Puts the window into `mode`, shows it modally and returns the result ("Ok" or "Cancel").
    QString execIn(const QString& mode);

    // Ends the modal run with "Ok" (the OK, Save or Select buttons of the windows call this).
    void finishOk();
    // Ends the modal run with "Cancel".
    void finishCancel();

    void done(int r) override;

protected:
    // Called once per modal run, after the mode is set and before the window shows: the place
    // where a window fills its fields for the mode.
    virtual void enterMode() {}
    // Called when the window is about to close with "Cancel" (title bar, Esc, Cancel button).
    virtual void cancelled() {}

private:
    QString m_mode;
    bool m_finishingOk = false;
};

} // namespace velta::ui
