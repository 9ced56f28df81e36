#include "ui/modal_window.h"

namespace velta::ui {

ModalWindow::ModalWindow(QWidget* parent) : QDialog(parent) {
    setModal(true);
}

QString ModalWindow::execIn(const QString& mode) {
    m_mode = mode;
    m_finishingOk = false;
    enterMode();
    exec();
    // A window hidden by some other means than done() (hide(), a parent closing) still has to
    // answer in the protocol's terms.
    if (m_mode != kResultOk && m_mode != kResultCancel)
        m_mode = kResultCancel;
    return m_mode;
}

void ModalWindow::finishOk() {
    m_finishingOk = true;
    accept();
}

void ModalWindow::finishCancel() {
    reject();
}

void ModalWindow::done(int r) {
    // Only finishOk() yields "Ok": a plain accept() from a default button or a key press must
    // not turn a window's closing into a confirmed edit behind its back.
    const bool ok = m_finishingOk && r == QDialog::Accepted;
    m_finishingOk = false;
    if (!ok)
        cancelled();
    m_mode = ok ? kResultOk : kResultCancel;
    QDialog::done(ok ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace velta::ui
