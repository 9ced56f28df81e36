#include "app/tsetup.h"

#include "core/registry.h"
#include "ui/help_window.h"
#include "ui/prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace velta::app {

namespace {

QLineEdit* edit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QComboBox* rateBox(QWidget* parent, const char* name, const QStringList& choices) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(choices);
    c->setMinimumWidth(70);
    return c;
}

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QCheckBox* check(const QString& text, QWidget* parent, const char* name) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

} // namespace

TSetup::TSetup(const QString& workingFolder, core::Registry& registry, QWidget* parent)
    : ModalWindow(parent), m_registry(registry), m_workingFolder(workingFolder),
      m_templatesFolder(workingFolder) {
    setWindowTitle(QStringLiteral("Параметри"));

    // Organisation.
    auto* firm = new QGroupBox(QStringLiteral("Назва проектної організації"), this);
    m_firmName = edit(firm, "edFirmName");
    (new QVBoxLayout(firm))->addWidget(m_firmName);

    auto* boss = new QGroupBox(QStringLiteral("Керівник проектної організації"), this);
    m_bossFIO = edit(boss, "edBossFIO");
    m_bossPOS = edit(boss, "edBossPOS");
    m_bossPOS2 = edit(boss, "edBossPOS2");
    m_bossDOC = edit(boss, "edBossDOC");
    auto* bossGrid = new QGridLayout(boss);
    bossGrid->addWidget(label(QStringLiteral("ПІБ"), boss), 0, 0);
    bossGrid->addWidget(m_bossFIO, 0, 1, 1, 3);
    bossGrid->addWidget(label(QStringLiteral("посада"), boss), 1, 0);
    bossGrid->addWidget(m_bossPOS, 1, 1);
    bossGrid->addWidget(label(QStringLiteral("посади"), boss), 1, 2);
    bossGrid->addWidget(m_bossPOS2, 1, 3);
    bossGrid->addWidget(label(QStringLiteral("діє на підставі"), boss), 2, 0);
    bossGrid->addWidget(m_bossDOC, 2, 1, 1, 3);

    auto* worker = new QGroupBox(QStringLiteral("Кошторис склав"), this);
    m_workerFIO = edit(worker, "edWorkerFIO");
    m_workerPOS = edit(worker, "edWorkerPOS");
    auto* workerGrid = new QGridLayout(worker);
    workerGrid->addWidget(label(QStringLiteral("ПІБ"), worker), 0, 0);
    workerGrid->addWidget(m_workerFIO, 0, 1);
    workerGrid->addWidget(label(QStringLiteral("посада"), worker), 0, 2);
    workerGrid->addWidget(m_workerPOS, 0, 3);

    auto* details = new QWidget(this);
    m_firmCode = edit(details, "edFirmCode");
    m_firmLicense = edit(details, "edFirmLicense");
    m_firmBank = edit(details, "edFirmBank");
    m_firmCity = edit(details, "edFirmCity");
    m_firmAddress = edit(details, "edFirmAddress");
    m_firmPhone = edit(details, "edFirmPhone");
    m_firmeMail = edit(details, "edFirmeMail");
    auto* detailGrid = new QGridLayout(details);
    detailGrid->setContentsMargins(0, 0, 0, 0);
    detailGrid->addWidget(label(QStringLiteral("Код підприємства"), details), 0, 0);
    detailGrid->addWidget(m_firmCode, 0, 1);
    detailGrid->addWidget(label(QStringLiteral("Ліцензія"), details), 0, 2);
    detailGrid->addWidget(m_firmLicense, 0, 3);
    detailGrid->addWidget(label(QStringLiteral("Реквізити р/р"), details), 1, 0);
    detailGrid->addWidget(m_firmBank, 1, 1, 1, 3);
    detailGrid->addWidget(label(QStringLiteral("Місто"), details), 2, 0);
    detailGrid->addWidget(m_firmCity, 2, 1);
    detailGrid->addWidget(label(QStringLiteral("Адреса"), details), 2, 2);
    detailGrid->addWidget(m_firmAddress, 2, 3);
    detailGrid->addWidget(label(QStringLiteral("Телефон"), details), 3, 0);
    detailGrid->addWidget(m_firmPhone, 3, 1);
    detailGrid->addWidget(label(QStringLiteral("e-Mail"), details), 3, 2);
    detailGrid->addWidget(m_firmeMail, 3, 3);

    // Taxes and fees.
    auto* taxes = new QGroupBox(this);
    m_nds = check(QStringLiteral("Платник ПДВ"), taxes, "cbNDS");
    m_percentNDSLabel = label(QStringLiteral("Відсоток"), taxes);
    m_percentNDS =
        rateBox(taxes, "cbPercentNDS", {QStringLiteral("13"), QStringLiteral("18"), QStringLiteral("20")});
    m_percentNDSSign = label(QStringLiteral("%"), taxes);
    m_ndsCodeLabel = label(QStringLiteral("код платника ПДВ"), taxes);
    m_firmeNDSCode = edit(taxes, "edFirmeNDSCode");
    m_edp = check(QStringLiteral("Єдиний податок"), taxes, "cbEDP");
    m_percentEDPLabel = label(QStringLiteral("Відсоток"), taxes);
    m_percentEDP =
        rateBox(taxes, "cbPercentEDP", {QStringLiteral("13"), QStringLiteral("18"), QStringLiteral("20")});
    m_percentEDPSign = label(QStringLiteral("%"), taxes);
    m_expertise = check(QStringLiteral("Державна експертиза"), taxes, "cbExpertise");
    m_percentExpertiseLabel = label(QStringLiteral("Відсоток"), taxes);
    m_percentExpertise = rateBox(taxes, "cbPercentExpertise", {QStringLiteral("3")});
    m_percentExpertiseSign = label(QStringLiteral("%"), taxes);
    m_minSumLabel = label(QStringLiteral("Мінімальна сума"), taxes);
    m_minSumExpertise = rateBox(taxes, "cbMinSumExpertise", {QStringLiteral("20")});
    m_minSumSign = label(QStringLiteral("грн."), taxes);
    auto* taxGrid = new QGridLayout(taxes);
    taxGrid->addWidget(m_nds, 0, 0);
    taxGrid->addWidget(m_percentNDSLabel, 0, 1);
    taxGrid->addWidget(m_percentNDS, 0, 2);
    taxGrid->addWidget(m_percentNDSSign, 0, 3);
    taxGrid->addWidget(m_ndsCodeLabel, 0, 4);
    taxGrid->addWidget(m_firmeNDSCode, 0, 5);
    taxGrid->addWidget(m_edp, 1, 0);
    taxGrid->addWidget(m_percentEDPLabel, 1, 1);
    taxGrid->addWidget(m_percentEDP, 1, 2);
    taxGrid->addWidget(m_percentEDPSign, 1, 3);
    taxGrid->addWidget(m_expertise, 2, 0);
    taxGrid->addWidget(m_percentExpertiseLabel, 2, 1);
    taxGrid->addWidget(m_percentExpertise, 2, 2);
    taxGrid->addWidget(m_percentExpertiseSign, 2, 3);
    taxGrid->addWidget(m_minSumLabel, 2, 4);
    auto* minSum = new QHBoxLayout;
    minSum->addWidget(m_minSumExpertise);
    minSum->addWidget(m_minSumSign);
    minSum->addStretch();
    taxGrid->addLayout(minSum, 2, 5);
    taxGrid->setColumnStretch(5, 1);

    auto* behaviour = new QWidget(this);
    m_autoGeneralProvisions = check(QStringLiteral("Автоматичне створення загальних положень"), behaviour,
                                    "cbAutoGeneralProvisions");
    m_index = check(QStringLiteral("Використання коефіцієнтів індексації"), behaviour, "cbIndex");
    m_autoDateStart =
        check(QStringLiteral("Автоматичне заповнення дати початку робіт"), behaviour, "cbAutoDateStart");
    m_autoDateFinish =
        check(QStringLiteral("Автоматичне заповнення дати закінчення робіт"), behaviour, "cbAutoDateFinish");
    auto* behaviourGrid = new QGridLayout(behaviour);
    behaviourGrid->setContentsMargins(0, 0, 0, 0);
    behaviourGrid->addWidget(m_autoGeneralProvisions, 0, 0);
    behaviourGrid->addWidget(m_index, 0, 1);
    behaviourGrid->addWidget(m_autoDateStart, 1, 0);
    behaviourGrid->addWidget(m_autoDateFinish, 1, 1);

    // Folders.
    auto* folders = new QWidget(this);
    m_workFolder = edit(folders, "edWorkFolder");
    m_templatesFolderField = edit(folders, "edTemplatesFolder");
    auto* workButton = new QToolButton(folders);
    workButton->setObjectName(QStringLiteral("bWorkFolder"));
    workButton->setText(QStringLiteral("..."));
    auto* templatesButton = new QToolButton(folders);
    templatesButton->setObjectName(QStringLiteral("bTemplatesFolder"));
    templatesButton->setText(QStringLiteral("..."));
    auto* folderGrid = new QGridLayout(folders);
    folderGrid->setContentsMargins(0, 0, 0, 0);
    folderGrid->addWidget(label(QStringLiteral("Робоча папка"), folders), 0, 0);
    folderGrid->addWidget(m_workFolder, 0, 1);
    folderGrid->addWidget(workButton, 0, 2);
    folderGrid->addWidget(label(QStringLiteral("Папка з шаблонами документів"), folders), 1, 0);
    folderGrid->addWidget(m_templatesFolderField, 1, 1);
    folderGrid->addWidget(templatesButton, 1, 2);

    m_save = new QPushButton(QStringLiteral("Зберегти"), this);
    m_save->setObjectName(QStringLiteral("bSave"));
    m_cancel = new QPushButton(QStringLiteral("Відмінити"), this);
    m_cancel->setObjectName(QStringLiteral("bCancel"));
    // Enter in a field must not save behind the user's back.
    m_save->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(firm);
    layout->addWidget(boss);
    layout->addWidget(worker);
    layout->addWidget(details);
    layout->addWidget(taxes);
    layout->addWidget(behaviour);
    layout->addWidget(folders);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(640, 0)));

    connect(m_nds, &QCheckBox::toggled, this, &TSetup::updateVisibility);
    connect(m_edp, &QCheckBox::toggled, this, &TSetup::updateVisibility);
    connect(m_expertise, &QCheckBox::toggled, this, &TSetup::updateVisibility);
    connect(m_save, &QPushButton::clicked, this, &TSetup::bSaveClick);
    connect(m_cancel, &QPushButton::clicked, this, &TSetup::bCancelClick);
    connect(workButton, &QToolButton::clicked, this, &TSetup::bWorkFolderClick);
    connect(templatesButton, &QToolButton::clicked, this, &TSetup::bTemplatesFolderClick);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [] { ui::showHelp(QStringLiteral("Setup")); });

    loadSettings();
}

void TSetup::loadSettings() {
    const core::Settings s = core::Settings::load(m_workingFolder, m_registry);
    m_firmName->setText(s.firmName);
    m_bossFIO->setText(s.bossFIO);
    m_bossPOS->setText(s.bossPOS);
    m_bossPOS2->setText(s.bossPOS2);
    m_bossDOC->setText(s.bossDOC);
    m_workerFIO->setText(s.workerFIO);
    m_workerPOS->setText(s.workerPOS);
    m_firmCode->setText(s.firmCode);
    m_firmLicense->setText(s.firmLicense);
    m_firmBank->setText(s.firmBank);
    m_firmCity->setText(s.firmCity);
    m_firmAddress->setText(s.firmAddress);
    m_firmPhone->setText(s.firmPhone);
    m_firmeMail->setText(s.firmeMail);
    m_firmeNDSCode->setText(s.firmeNDSCode);
    m_nds->setChecked(s.nds);
    m_percentNDS->setEditText(s.percentNDS);
    m_edp->setChecked(s.edp);
    m_percentEDP->setEditText(s.percentEDP);
    m_expertise->setChecked(s.expertise);
    m_percentExpertise->setEditText(s.percentExpertise);
    m_minSumExpertise->setEditText(s.minSumExpertise);
    m_autoGeneralProvisions->setChecked(s.autoGeneralProvisions);
    m_index->setChecked(s.index);
    m_autoDateStart->setChecked(s.autoDateStart);
    m_autoDateFinish->setChecked(s.autoDateFinish);
    m_workFolder->setText(s.workFolder);
    m_templatesFolderField->setText(s.templatesFolder);
    updateVisibility();
}

core::Settings TSetup::fieldSettings() const {
    // Start from the file so that the values this window does not edit keep theirs.
    core::Settings s = core::Settings::load(m_workingFolder, m_registry);
    s.firmName = m_firmName->text();
    s.bossFIO = m_bossFIO->text();
    s.bossPOS = m_bossPOS->text();
    s.bossPOS2 = m_bossPOS2->text();
    s.bossDOC = m_bossDOC->text();
    s.workerFIO = m_workerFIO->text();
    s.workerPOS = m_workerPOS->text();
    s.firmCode = m_firmCode->text();
    s.firmLicense = m_firmLicense->text();
    s.firmBank = m_firmBank->text();
    s.firmCity = m_firmCity->text();
    s.firmAddress = m_firmAddress->text();
    s.firmPhone = m_firmPhone->text();
    s.firmeMail = m_firmeMail->text();
    s.firmeNDSCode = m_firmeNDSCode->text();
    s.nds = m_nds->isChecked();
    s.percentNDS = m_percentNDS->currentText();
    s.edp = m_edp->isChecked();
    s.percentEDP = m_percentEDP->currentText();
    s.expertise = m_expertise->isChecked();
    s.percentExpertise = m_percentExpertise->currentText();
    s.minSumExpertise = m_minSumExpertise->currentText();
    s.autoGeneralProvisions = m_autoGeneralProvisions->isChecked();
    s.index = m_index->isChecked();
    s.autoDateStart = m_autoDateStart->isChecked();
    s.autoDateFinish = m_autoDateFinish->isChecked();
    s.workFolder = m_workFolder->text();
    s.templatesFolder = m_templatesFolderField->text();
    return s;
}

void TSetup::updateVisibility() {
    const bool nds = m_nds->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_percentNDSLabel, m_percentNDS, m_percentNDSSign,
                                                      m_ndsCodeLabel, m_firmeNDSCode})
        w->setVisible(nds);
    const bool edp = m_edp->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_percentEDPLabel, m_percentEDP, m_percentEDPSign})
        w->setVisible(edp);
    const bool expertise = m_expertise->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_percentExpertiseLabel, m_percentExpertise, m_percentExpertiseSign,
                                         m_minSumLabel, m_minSumExpertise, m_minSumSign})
        w->setVisible(expertise);
}

void TSetup::bSaveClick() {
    const core::Settings s = fieldSettings();
    const core::Settings::SaveResult result = s.save(m_workingFolder, m_registry);
    if (!result.written) {
        // The user would otherwise believe the settings kept: say so and keep the edits open.
        ui::Prompter::current().error(QStringLiteral("Не вдалося записати файл налаштувань %1")
                                          .arg(QDir::toNativeSeparators(core::iniPath(m_workingFolder))));
        return;
    }
    m_workingFolder = result.workingFolder;
    if (!result.templatesFolder.isEmpty())
        m_templatesFolder = result.templatesFolder;
    emit foldersChanged(m_workingFolder, m_templatesFolder);
    finishOk();
}

void TSetup::bCancelClick() {
    finishCancel();
}

QString TSetup::chooseFolder(const QString& title, const QString& filter, const QString& extension,
                             const QString& current) {
    ui::FileRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultExtension = extension;
    const QString start = current.trimmed();
    request.folder = !start.isEmpty() && QFileInfo(start).isDir() ? start : m_workingFolder;
    const QString chosen = ui::Prompter::current().openFileName(request);
    if (chosen.isEmpty())
        return current;
    return QDir::toNativeSeparators(QFileInfo(chosen).absolutePath());
}

void TSetup::bWorkFolderClick() {
    // The program file does not live in a working folder here, so the chooser also accepts the
    // files that make one; the filter reads as it always has.
    QString filter =
        QStringLiteral("Кошториси на виконання земельно-кадастрових робіт (Velta2.exe)|Velta2.exe");
#ifndef Q_OS_WIN
    filter += QStringLiteral(";velta2;velta.ini;velta.fdb;service.fdb");
#endif
    m_workFolder->setText(chooseFolder(QStringLiteral("Робоча папка"), filter, QStringLiteral("Velta2.exe"),
                                       m_workFolder->text()));
}

void TSetup::bTemplatesFolderClick() {
    m_templatesFolderField->setText(chooseFolder(QStringLiteral("Папка з шаблонами документів"),
                                                 QStringLiteral("Шаблони FastReport 3 (*.fr3)|*.fr3"),
                                                 QStringLiteral("*.fr3"), m_templatesFolderField->text()));
}

void TSetup::enterMode() {
    loadSettings();
}

void TSetup::done(int r) {
    ModalWindow::done(r);
    // Whatever closed the window, the fields go back to what the file holds.
    loadSettings();
}

} // namespace velta::app
