#include "core/cp1251.h"
#include "core/ini_file.h"
#include "core/registry.h"
#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velta::core;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir work;
    QTemporaryDir config;
    ProfileRegistry registry{config.path()};
};

} // namespace

TEST_F(SettingsTest, NewInstallationShowsDefaults) {
    const Settings s = Settings::load(work.path(), registry);
    EXPECT_EQ(s.bossPOS, QStringLiteral("Директор"));
    EXPECT_EQ(s.bossPOS2, QStringLiteral("директора"));
    EXPECT_EQ(s.bossDOC, QStringLiteral("статуту"));
    EXPECT_EQ(s.workerPOS, QStringLiteral("Кошторис склав"));
    EXPECT_TRUE(s.firmName.isEmpty());
    EXPECT_TRUE(s.nds);
    EXPECT_EQ(s.percentNDS, QStringLiteral("20"));
    EXPECT_FALSE(s.edp);
    EXPECT_EQ(s.percentEDP, QStringLiteral("10"));
    EXPECT_TRUE(s.expertise);
    EXPECT_EQ(s.percentExpertise, QStringLiteral("3"));
    EXPECT_EQ(s.minSumExpertise, QStringLiteral("20"));
    EXPECT_TRUE(s.autoGeneralProvisions);
    EXPECT_TRUE(s.index);
    EXPECT_FALSE(s.autoDateStart);
    EXPECT_FALSE(s.autoDateFinish);
    EXPECT_EQ(s.paramListHeight, 345);
    // Both folders default to the registry WorkPath, itself defaulting to the working folder.
    EXPECT_EQ(s.workFolder, work.path());
    EXPECT_EQ(s.templatesFolder, work.path());
    EXPECT_FALSE(QFile::exists(iniPath(work.path()))); // loading writes nothing
}

TEST_F(SettingsTest, SavedFileReadsBackByteForByte) {
    Settings s;
    s.firmName = QStringLiteral("ТОВ «Землевпорядник» ҐЄІЇ");
    s.bossFIO = QStringLiteral("Прізвище Ім'я По-батькові");
    s.percentNDS = QStringLiteral("двадцять"); // stored as typed
    s.nds = false;
    s.edp = true;
    s.workFolder = work.path();
    s.templatesFolder = QStringLiteral("/srv/шаблони/");
    const auto result = s.save(work.path(), registry);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.workingFolder, work.path());
    EXPECT_EQ(result.templatesFolder, QStringLiteral("/srv/шаблони"));

    const QByteArray bytes = readAll(iniPath(work.path()));
    // Windows-1251 on disk: the section name and the guillemets are single bytes.
    EXPECT_TRUE(bytes.startsWith(toCp1251(QStringLiteral("[Установки]\r\n"))));
    EXPECT_TRUE(bytes.contains(
        toCp1251(QStringLiteral("Название проектной организации=ТОВ «Землевпорядник» ҐЄІЇ\r\n"))));
    EXPECT_TRUE(bytes.contains(toCp1251(QStringLiteral("НДС=0\r\nЕдиный налог=1\r\n"))));

    const Settings back = Settings::load(work.path(), registry);
    EXPECT_EQ(back.firmName, s.firmName);
    EXPECT_EQ(back.bossFIO, s.bossFIO);
    EXPECT_EQ(back.percentNDS, s.percentNDS);
    EXPECT_FALSE(back.nds);
    EXPECT_TRUE(back.edp);
    EXPECT_EQ(back.templatesFolder, s.templatesFolder);

    // Saving what was read changes nothing on disk.
    back.save(work.path(), registry);
    EXPECT_EQ(readAll(iniPath(work.path())), bytes);
}

TEST_F(SettingsTest, SaveKeepsHandEditedLinesAndOtherSections) {
    const QString path = iniPath(work.path());
    const QByteArray hand = toCp1251(QStringLiteral("[Интерфейс]\r\n"
                                                    "; не чіпати\r\n"
                                                    "Код записи=12\r\n"
                                                    "\r\n"
                                                    "[Организация]\r\n"
                                                    "; реквізити з договору\r\n"
                                                    "Реквизиты=UA00 0000\r\n"
                                                    "\r\n"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(hand);
    }
    Settings s = Settings::load(work.path(), registry);
    s.firmBank = QStringLiteral("UA11 1111");
    s.save(work.path(), registry);
    const QString text = fromCp1251(readAll(path));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Интерфейс]\r\n; не чіпати\r\nКод записи=12\r\n\r\n"
                                               "[Организация]\r\n; реквізити з договору\r\n"
                                               "Реквизиты=UA11 1111\r\n")));
    EXPECT_EQ(InterfaceSettings::load(work.path()).savedCostId, 12);
}

TEST_F(SettingsTest, WorkPathWithTildeIsReplacedAndWrittenBack) {
    registry.writeString(registry_keys::kVelta2, registry_keys::kWorkPath,
                         QStringLiteral("C:\\PROGRA~1\\VELTA2"));
    const Settings s = Settings::load(work.path(), registry);
    EXPECT_EQ(s.workFolder, work.path());
    EXPECT_EQ(registry.readString(QStringLiteral("\\software\\VELTA2"), QStringLiteral("workpath")),
              work.path());
}

TEST_F(SettingsTest, SaveMovesWorkingFolderWithoutTrailingDelimiter) {
    QTemporaryDir other;
    Settings s = Settings::load(work.path(), registry);
    s.workFolder = other.path() + QStringLiteral("/ ");
    const auto result = s.save(work.path(), registry);
    EXPECT_EQ(result.workingFolder, other.path());
    EXPECT_TRUE(result.templatesFolder == work.path());
    EXPECT_EQ(registry.readString(registry_keys::kVelta2, registry_keys::kWorkPath), other.path());
    // The settings just saved stay in the old folder's file.
    EXPECT_TRUE(QFile::exists(iniPath(work.path())));
    EXPECT_FALSE(QFile::exists(iniPath(other.path())));

    s.workFolder = QStringLiteral("   ");
    EXPECT_EQ(s.save(work.path(), registry).workingFolder, work.path());
}

TEST_F(SettingsTest, InterfaceValues) {
    // A file without the interface keys gives every default.
    {
        IniFile ini(iniPath(work.path()));
        ini.writeString(QStringLiteral("Организация"), QStringLiteral("НДС"), QStringLiteral("1"));
    }
    InterfaceSettings ui = InterfaceSettings::load(work.path());
    EXPECT_EQ(ui.valuePanelHeight, 120);
    EXPECT_EQ(ui.sortOrder, 2);
    EXPECT_EQ(ui.activePrintButton, QStringLiteral("aPrint1"));
    EXPECT_EQ(ui.costColumnWidths, (QList<int>{82, 94, 305, 292, 88, 93}));

    ui.bottomPanelVisible = false;
    ui.savedCostId = 99;
    ui.costColumnWidths.append(150); // a seventh column is stored but not restored
    ASSERT_TRUE(ui.save(work.path(), /*writeSavedCostId=*/false));
    const IniFile ini(iniPath(work.path()));
    EXPECT_EQ(ini.readInteger(ini_keys::kInterface, QStringLiteral("Таблица смет - ширина поля 7"), 0), 150);
    EXPECT_FALSE(ini.valueExists(ini_keys::kInterface, ini_keys::kSavedCostId));
    const InterfaceSettings back = InterfaceSettings::load(work.path());
    EXPECT_FALSE(back.bottomPanelVisible);
    EXPECT_EQ(back.costColumnWidths.size(), 6);
}

TEST(ProfileRegistry, NamesIgnoreCaseMissingGivesDefaultFailedWriteIsFalse) {
    QTemporaryDir config;
    ProfileRegistry reg(config.filePath(QStringLiteral("new/sub"))); // folder created on first write
    EXPECT_EQ(reg.readString(registry_keys::kVelta2, registry_keys::kVersion, QStringLiteral("none")),
              QStringLiteral("none"));
    ASSERT_TRUE(reg.writeString(registry_keys::kVelta2, registry_keys::kVersion, QStringLiteral("2.0.0.7")));
    EXPECT_EQ(reg.readString(QStringLiteral("SOFTWARE\\velta2\\"), QStringLiteral("VERSION")),
              QStringLiteral("2.0.0.7"));
    // The previous version's key is another key, not the same one in other case.
    EXPECT_EQ(reg.readString(registry_keys::kPreviousVersion, registry_keys::kVersion), QString());

    QFile blocker(config.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProfileRegistry blocked(config.filePath(QStringLiteral("file/inside")));
    EXPECT_FALSE(blocked.writeString(registry_keys::kVelta2, registry_keys::kWorkPath, QStringLiteral("x")));
}
