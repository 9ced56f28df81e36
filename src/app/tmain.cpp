#include "app/tmain.h"

#include <QCloseEvent>
#include <QEvent>
#include <QShowEvent>

namespace velta::app {

TMain::TMain(QString workingFolder, ui::Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_workingFolder(std::move(workingFolder)), m_prompter(prompter) {}

TMain::~TMain() = default;

void TMain::attachData(data::TDM4* dm) {
    m_dm = dm;
}

void TMain::restoreInterface() {}

void TMain::storeInterface() {}

void TMain::closeEvent(QCloseEvent* event) {
    if (closeRequested && !closeRequested()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        emit shown();
}

void TMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit activated();
}

} // namespace velta::app
