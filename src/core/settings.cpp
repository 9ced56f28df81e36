#include "core/settings.h"

#include "core/ini_file.h"
#include "core/registry.h"
#include "core/text_functions.h"

#include <QDir>

namespace velta::core {
namespace {

using namespace ini_keys;

// WorkPath of the registry, with the "~" rule applied.
QString registryWorkPath(const QString& workingFolder, Registry& registry) {
    QString path = registry.readString(registry_keys::kVelta2, registry_keys::kWorkPath, workingFolder);
    if (path.contains(u'~')) {
        // A short 8.3 path left by the old installation points nowhere useful.
        path = workingFolder;
        registry.writeString(registry_keys::kVelta2, registry_keys::kWorkPath, path);
    }
    return path;
}

void readWidths(const IniFile& ini, const QString& prefix, QList<int>& widths) {
    for (qsizetype i = 0; i < widths.size(); ++i)
        widths[i] = ini.readInteger(kInterface, prefix + QString::number(i + 1), widths[i]);
}

void writeWidths(IniFile& ini, const QString& prefix, const QList<int>& widths) {
    for (qsizetype i = 0; i < widths.size(); ++i)
        ini.writeInteger(kInterface, prefix + QString::number(i + 1), widths[i]);
}

} // namespace

QString iniPath(const QString& workingFolder) {
    return QDir(workingFolder).filePath(kFileName);
}

Settings Settings::load(const QString& workingFolder) {
    return load(workingFolder, Registry::system());
}

Settings Settings::load(const QString& workingFolder, Registry& registry) {
    const IniFile ini(iniPath(workingFolder));
    const QString workPath = registryWorkPath(workingFolder, registry);
    Settings s;
    s.workFolder = ini.readString(kSetup, kWorkFolder, workPath);
    s.templatesFolder = ini.readString(kSetup, kTemplatesFolder, workPath);

    const auto text = [&](const QString& key, QString& field) {
        field = ini.readString(kOrganisation, key, field);
    };
    const auto flag = [&](const QString& key, bool& field) {
        field = ini.readBool(kOrganisation, key, field);
    };
    text(kFirmName, s.firmName);
    text(kBossFIO, s.bossFIO);
    text(kBossPOS, s.bossPOS);
    text(kBossPOS2, s.bossPOS2);
    text(kBossDOC, s.bossDOC);
    text(kWorkerFIO, s.workerFIO);
    text(kWorkerPOS, s.workerPOS);
    text(kFirmCode, s.firmCode);
    text(kFirmLicense, s.firmLicense);
    text(kFirmBank, s.firmBank);
    text(kFirmCity, s.firmCity);
    text(kFirmAddress, s.firmAddress);
    text(kFirmPhone, s.firmPhone);
    text(kFirmeMail, s.firmeMail);
    text(kFirmeNDSCode, s.firmeNDSCode);
    flag(kNDS, s.nds);
    text(kPercentNDS, s.percentNDS);
    flag(kEDP, s.edp);
    text(kPercentEDP, s.percentEDP);
    flag(kExpertise, s.expertise);
    text(kPercentExpertise, s.percentExpertise);
    text(kMinSumExpertise, s.minSumExpertise);
    flag(kAutoGeneralProvisions, s.autoGeneralProvisions);
    flag(kIndex, s.index);
    flag(kAutoDateStart, s.autoDateStart);
    flag(kAutoDateFinish, s.autoDateFinish);
    s.paramListHeight = ini.readInteger(kOrganisation, kParamListHeight, s.paramListHeight);
    return s;
}

Settings::SaveResult Settings::save(const QString& workingFolder) const {
    return save(workingFolder, Registry::system());
}

Settings::SaveResult Settings::save(const QString& workingFolder, Registry& registry) const {
    // The file of the folder the program worked in until now: the settings
    // just saved stay there even when the working folder changes.
    IniFile ini(iniPath(workingFolder));
    ini.setAutoFlush(false);

    SaveResult result;
    result.workingFolder = workingFolder;
    ini.writeString(kSetup, kWorkFolder, workFolder);
    if (!workFolder.trimmed().isEmpty())
        result.workingFolder = TrimPathDelimiter(workFolder);
    ini.writeString(kSetup, kTemplatesFolder, templatesFolder);
    if (!templatesFolder.trimmed().isEmpty())
        result.templatesFolder = TrimPathDelimiter(templatesFolder);

    const auto text = [&](const QString& key, const QString& field) {
        ini.writeString(kOrganisation, key, field);
    };
    const auto flag = [&](const QString& key, bool field) { ini.writeBool(kOrganisation, key, field); };
    text(kFirmName, firmName);
    text(kBossFIO, bossFIO);
    text(kBossPOS, bossPOS);
    text(kBossPOS2, bossPOS2);
    text(kBossDOC, bossDOC);
    text(kWorkerFIO, workerFIO);
    text(kWorkerPOS, workerPOS);
    text(kFirmCode, firmCode);
    text(kFirmLicense, firmLicense);
    text(kFirmBank, firmBank);
    text(kFirmCity, firmCity);
    text(kFirmAddress, firmAddress);
    text(kFirmPhone, firmPhone);
    text(kFirmeMail, firmeMail);
    text(kFirmeNDSCode, firmeNDSCode);
    text(kPercentNDS, percentNDS);
    text(kPercentEDP, percentEDP);
    text(kPercentExpertise, percentExpertise);
    text(kMinSumExpertise, minSumExpertise);
    flag(kNDS, nds);
    flag(kEDP, edp);
    flag(kExpertise, expertise);
    flag(kAutoGeneralProvisions, autoGeneralProvisions);
    flag(kIndex, index);
    flag(kAutoDateStart, autoDateStart);
    flag(kAutoDateFinish, autoDateFinish);
    // One atomic replacement of the file for the whole save.
    result.written = ini.flush();

    registry.writeString(registry_keys::kVelta2, registry_keys::kWorkPath, result.workingFolder);
    return result;
}

InterfaceSettings InterfaceSettings::load(const QString& workingFolder) {
    const IniFile ini(iniPath(workingFolder));
    InterfaceSettings s;
    s.bottomPanelHeight = ini.readInteger(kInterface, kBottomPanelHeight, s.bottomPanelHeight);
    s.valuePanelHeight = ini.readInteger(kInterface, kValuePanelHeight, s.valuePanelHeight);
    s.sectionsPanelWidth = ini.readInteger(kInterface, kSectionsPanelWidth, s.sectionsPanelWidth);
    s.collectionsPanelWidth = ini.readInteger(kInterface, kCollectionsPanelWidth, s.collectionsPanelWidth);
    s.paramsPanelWidth = ini.readInteger(kInterface, kParamsPanelWidth, s.paramsPanelWidth);
    s.savedCostId = ini.readInteger(kInterface, kSavedCostId, s.savedCostId);
    s.sortOrder = ini.readInteger(kInterface, kSortOrder, s.sortOrder);
    readWidths(ini, kCostColumnWidth, s.costColumnWidths);
    readWidths(ini, kCollectionsColumnWidth, s.collectionsColumnWidths);
    readWidths(ini, kSectionsColumnWidth, s.sectionsColumnWidths);
    readWidths(ini, kParamsColumnWidth, s.paramsColumnWidths);
    readWidths(ini, kValuesColumnWidth, s.valuesColumnWidths);
    s.bottomPanelVisible = ini.readBool(kInterface, kBottomPanelVisible, s.bottomPanelVisible);
    s.activePrintButton = ini.readString(kInterface, kActivePrintButton, s.activePrintButton);
    return s;
}

bool InterfaceSettings::save(const QString& workingFolder, bool writeSavedCostId) const {
    IniFile ini(iniPath(workingFolder));
    ini.setAutoFlush(false);
    ini.writeInteger(kInterface, kBottomPanelHeight, bottomPanelHeight);
    ini.writeInteger(kInterface, kValuePanelHeight, valuePanelHeight);
    ini.writeInteger(kInterface, kSectionsPanelWidth, sectionsPanelWidth);
    ini.writeInteger(kInterface, kCollectionsPanelWidth, collectionsPanelWidth);
    ini.writeInteger(kInterface, kParamsPanelWidth, paramsPanelWidth);
    if (writeSavedCostId)
        ini.writeInteger(kInterface, kSavedCostId, savedCostId);
    ini.writeInteger(kInterface, kSortOrder, sortOrder);
    ini.writeBool(kInterface, kBottomPanelVisible, bottomPanelVisible);
    ini.writeString(kInterface, kActivePrintButton, activePrintButton);
    writeWidths(ini, kCostColumnWidth, costColumnWidths);
    writeWidths(ini, kCollectionsColumnWidth, collectionsColumnWidths);
    writeWidths(ini, kSectionsColumnWidth, sectionsColumnWidths);
    writeWidths(ini, kParamsColumnWidth, paramsColumnWidths);
    writeWidths(ini, kValuesColumnWidth, valuesColumnWidths);
    return ini.flush();
}

} // namespace velta::core
