#pragma once
// The settings of one working folder, kept in velta.ini there: the design
// organisation's details, the tax and fee rates with their default switches,
// the behaviour switches and the two folders (sections "Организация" and
// "Установки"), and the main window's layout values (section "Интерфейс").
//
// Readers load the settings right before they use them, so that what the
// settings window saved applies at the next command. Every key is read with
// its default, so a missing file, section or key is no error.

#include <QList>
#include <QString>

namespace velta::core {

class Registry;

namespace ini_keys {
inline const QString kFileName = QStringLiteral("velta.ini");

inline const QString kOrganisation = QStringLiteral("Организация");
inline const QString kFirmName = QStringLiteral("Название проектной организации");
inline const QString kBossFIO = QStringLiteral("Руководитель проектной организации");
inline const QString kBossPOS = QStringLiteral("Должность руководителя");
inline const QString kBossPOS2 = QStringLiteral("Должности руководителя");
inline const QString kBossDOC = QStringLiteral("Основание для руководителя");
inline const QString kWorkerFIO = QStringLiteral("Смету составил");
inline const QString kWorkerPOS = QStringLiteral("Должность сметчика");
inline const QString kFirmCode = QStringLiteral("Код предприятия");
inline const QString kFirmLicense = QStringLiteral("Лицензия");
inline const QString kFirmBank = QStringLiteral("Реквизиты");
inline const QString kFirmCity = QStringLiteral("Місто");
inline const QString kFirmAddress = QStringLiteral("Адрес");
inline const QString kFirmPhone = QStringLiteral("Телефон");
inline const QString kFirmeMail = QStringLiteral("eMail");
inline const QString kFirmeNDSCode = QStringLiteral("Код НДС");
inline const QString kNDS = QStringLiteral("НДС");
inline const QString kPercentNDS = QStringLiteral("Процент НДС");
inline const QString kEDP = QStringLiteral("Единый налог");
inline const QString kPercentEDP = QStringLiteral("Процент единого налога");
inline const QString kExpertise = QStringLiteral("Экспертиза");
inline const QString kPercentExpertise = QStringLiteral("Процент экспертизы");
inline const QString kMinSumExpertise = QStringLiteral("Минимальная сумма экспертизы");
inline const QString kAutoGeneralProvisions = QStringLiteral("Автоматичне створення загальних положень");
inline const QString kIndex = QStringLiteral("Индексация");
inline const QString kAutoDateStart = QStringLiteral("Автоматичне заповнення дати початку робіт");
inline const QString kAutoDateFinish = QStringLiteral("Автоматичне заповнення дати закінчення робіт");
inline const QString kParamListHeight = QStringLiteral("Высота списка параметров");

inline const QString kSetup = QStringLiteral("Установки");
inline const QString kWorkFolder = QStringLiteral("Рабочая папка");
inline const QString kTemplatesFolder = QStringLiteral("Папка с шаблонами");

inline const QString kInterface = QStringLiteral("Интерфейс");
inline const QString kBottomPanelHeight = QStringLiteral("Высота нижней панели");
inline const QString kValuePanelHeight = QStringLiteral("Высота панели значений");
inline const QString kSectionsPanelWidth = QStringLiteral("Ширина панели разделов");
inline const QString kCollectionsPanelWidth = QStringLiteral("Ширина панели сборников");
inline const QString kParamsPanelWidth = QStringLiteral("Ширина панели параметров");
inline const QString kSavedCostId = QStringLiteral("Код записи");
inline const QString kSortOrder = QStringLiteral("Сортировка записей");
inline const QString kBottomPanelVisible = QStringLiteral("Отображение нижней панели");
inline const QString kActivePrintButton = QStringLiteral("Активная кнопка печати");
// Column width keys are the prefix followed by the column's position from 1.
inline const QString kCostColumnWidth = QStringLiteral("Таблица смет - ширина поля ");
inline const QString kCollectionsColumnWidth = QStringLiteral("Таблица сборников - ширина поля ");
inline const QString kSectionsColumnWidth = QStringLiteral("Таблица разделов - ширина поля ");
inline const QString kParamsColumnWidth = QStringLiteral("Таблица параметров - ширина поля ");
inline const QString kValuesColumnWidth = QStringLiteral("Таблица значений - ширина поля ");
} // namespace ini_keys

// Path of velta.ini in a working folder.
QString iniPath(const QString& workingFolder);

// Sections "Организация" and "Установки". Rates are texts, stored as typed;
// their readers convert them with TxtToFloat.
struct Settings {
    QString firmName;
    QString bossFIO;
    QString bossPOS = QStringLiteral("Директор");
    QString bossPOS2 = QStringLiteral("директора");
    QString bossDOC = QStringLiteral("статуту");
    QString workerFIO;
    QString workerPOS = QStringLiteral("Кошторис склав");
    QString firmCode;
    QString firmLicense;
    QString firmBank;
    QString firmCity;
    QString firmAddress;
    QString firmPhone;
    QString firmeMail;
    QString firmeNDSCode;
    bool nds = true;
    QString percentNDS = QStringLiteral("20");
    bool edp = false;
    QString percentEDP = QStringLiteral("10");
    bool expertise = true;
    QString percentExpertise = QStringLiteral("3");
    QString minSumExpertise = QStringLiteral("20");
    bool autoGeneralProvisions = true;
    bool index = true;
    bool autoDateStart = false;
    bool autoDateFinish = false;
    // Not edited in the settings window: the height of the extra-values list
    // of the estimate header editor, which writes it itself.
    int paramListHeight = 345;

    // Section "Установки", as shown in the settings window.
    QString workFolder;
    QString templatesFolder;

    // Reads velta.ini of workingFolder. The registry WorkPath (default: the
    // working folder) is the default of both folders; a WorkPath holding "~"
    // (a short 8.3 path of the old installation) is replaced by the working
    // folder and written back.
    static Settings load(const QString& workingFolder, Registry& registry);
    static Settings load(const QString& workingFolder);

    struct SaveResult {
        bool written = false;    // velta.ini could be written
        QString workingFolder;   // the working folder from now on
        QString templatesFolder; // the templates folder from now on (empty: unchanged)
    };
    // Writes both sections to velta.ini of workingFolder (the folder before
    // any change), then the registry WorkPath with the new working folder:
    // the folder field trimmed and without one trailing delimiter when it is
    // not blank, else workingFolder. Keys not written here stay as they were.
    SaveResult save(const QString& workingFolder, Registry& registry) const;
    SaveResult save(const QString& workingFolder) const;
};

// Section "Интерфейс": the main window's layout between runs.
struct InterfaceSettings {
    int bottomPanelHeight = 253;
    int valuePanelHeight = 120;
    int sectionsPanelWidth = 465;
    int collectionsPanelWidth = 342;
    int paramsPanelWidth = 340;
    int savedCostId = 0;
    int sortOrder = 2;
    bool bottomPanelVisible = true;
    QString activePrintButton = QStringLiteral("aPrint1");
    // Column widths by position. Loading fills only as many columns as have
    // defaults (later columns keep their designed widths at start); saving
    // writes every entry of the list.
    QList<int> costColumnWidths{82, 94, 305, 292, 88, 93};
    QList<int> collectionsColumnWidths{40, 200, 64};
    QList<int> sectionsColumnWidths{40, 200, 64, 64};
    QList<int> paramsColumnWidths{40, 200, 64};
    QList<int> valuesColumnWidths{310, 64, 64, 64, 64, 64, 64, 64, 147, 64};

    static InterfaceSettings load(const QString& workingFolder);
    // The saved estimate key is written only when writeSavedCostId is set
    // (the catalogue is connected and the estimate list is open and not
    // empty); otherwise the stored key stays as it was.
    bool save(const QString& workingFolder, bool writeSavedCostId = true) const;
};

} // namespace velta::core
