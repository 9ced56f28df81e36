// The settings window over a temporary working folder and registry, answered by the scripted
// Prompter: defaults of a new installation, visibility rules, Save, and every way of not saving.

#include "app/tsetup.h"

#include "core/ini_file.h"
#include "core/registry.h"
#include "core/settings.h"
#include "ui/help_window.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace velta;
using namespace velta::app;
using Kind = ui::ScriptedPrompter::Kind;
namespace keys = velta::core::ini_keys;

namespace {

class SetupFixture : public ::testing::Test {
protected:
    QTemporaryDir m_folder;
    QTemporaryDir m_registryFolder;
    core::ProfileRegistry m_registry{m_registryFolder.path()};
    ui::ScriptedPrompter m_prompter;
    ui::ScopedPrompter m_scope{m_prompter};

    template <typename T> T* find(TSetup& w, const char* name) {
        T* child = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QLineEdit* edit(TSetup& w, const char* name) { return find<QLineEdit>(w, name); }
    QCheckBox* box(TSetup& w, const char* name) { return find<QCheckBox>(w, name); }
    QComboBox* combo(TSetup& w, const char* name) { return find<QComboBox>(w, name); }

    // Runs the window modally; `act` runs inside the modal loop.
    QString run(TSetup& w, std::function<void()> act) {
        QTimer::singleShot(0, &w, act);
        return w.execIn(ui::kModeEdit);
    }
    core::IniFile ini() { return core::IniFile(core::iniPath(m_folder.path())); }
};

} // namespace

TEST_F(SetupFixture, NewInstallationShowsTheDefaults) {
    TSetup w(m_folder.path(), m_registry);
    EXPECT_EQ(w.windowTitle(), "Параметри");
    EXPECT_EQ(edit(w, "edFirmName")->text(), "");
    EXPECT_EQ(edit(w, "edBossPOS")->text(), "Директор");
    EXPECT_EQ(edit(w, "edBossPOS2")->text(), "директора");
    EXPECT_EQ(edit(w, "edBossDOC")->text(), "статуту");
    EXPECT_EQ(edit(w, "edWorkerPOS")->text(), "Кошторис склав");
    EXPECT_TRUE(box(w, "cbNDS")->isChecked());
    EXPECT_EQ(combo(w, "cbPercentNDS")->currentText(), "20");
    EXPECT_FALSE(box(w, "cbEDP")->isChecked());
    EXPECT_EQ(combo(w, "cbPercentEDP")->currentText(), "10");
    EXPECT_TRUE(box(w, "cbExpertise")->isChecked());
    EXPECT_EQ(combo(w, "cbPercentExpertise")->currentText(), "3");
    EXPECT_EQ(combo(w, "cbMinSumExpertise")->currentText(), "20");
    EXPECT_TRUE(box(w, "cbAutoGeneralProvisions")->isChecked());
    EXPECT_TRUE(box(w, "cbIndex")->isChecked());
    EXPECT_FALSE(box(w, "cbAutoDateStart")->isChecked());
    EXPECT_FALSE(box(w, "cbAutoDateFinish")->isChecked());
    // Both folders default to the working folder.
    EXPECT_EQ(edit(w, "edWorkFolder")->text(), m_folder.path());
    EXPECT_EQ(edit(w, "edTemplatesFolder")->text(), m_folder.path());
    // The drop-down choices as documented.
    const auto items = [](QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    };
    EXPECT_EQ(items(combo(w, "cbPercentNDS")), QStringList({"13", "18", "20"}));
    EXPECT_EQ(items(combo(w, "cbPercentEDP")), QStringList({"13", "18", "20"}));
    EXPECT_EQ(items(combo(w, "cbPercentExpertise")), QStringList({"3"}));
    EXPECT_EQ(items(combo(w, "cbMinSumExpertise")), QStringList({"20"}));
    EXPECT_FALSE(QFile::exists(core::iniPath(m_folder.path()))); // loading writes nothing
}

TEST_F(SetupFixture, TickBoxesShowAndHideTheirRatesAtOnce) {
    TSetup w(m_folder.path(), m_registry);
    const struct {
        const char* box;
        std::vector<const char*> dependents;
    } rules[] = {
        {"cbNDS", {"cbPercentNDS", "edFirmeNDSCode"}},
        {"cbEDP", {"cbPercentEDP"}},
        {"cbExpertise", {"cbPercentExpertise", "cbMinSumExpertise"}},
    };
    for (const auto& rule : rules) {
        QCheckBox* b = box(w, rule.box);
        for (const bool ticked : {true, false, true}) {
            b->setChecked(ticked);
            for (const char* name : rule.dependents)
                EXPECT_EQ(!w.findChild<QWidget*>(name)->isHidden(), ticked) << rule.box << " " << name;
        }
    }
    // Hiding the percent takes its "%" along: no sign is left visible while all three are unticked.
    for (const char* name : {"cbNDS", "cbEDP", "cbExpertise"})
        box(w, name)->setChecked(false);
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->text() == "%" || l->text() == "грн.") {
            EXPECT_TRUE(l->isHidden()) << l->text().toStdString();
        }
}

TEST_F(SetupFixture, SaveWritesEveryKeyAsTyped) {
    TSetup w(m_folder.path(), m_registry);
    const QString result = run(w, [&] {
        edit(w, "edFirmName")->setText("ТОВ «Земля і право»");
        edit(w, "edBossFIO")->setText("Іваненко Петро Семенович");
        edit(w, "edFirmeMail")->setText("office@zemlia.ua");
        combo(w, "cbPercentNDS")->setEditText("7,5");
        combo(w, "cbMinSumExpertise")->setEditText("не число");
        box(w, "cbEDP")->setChecked(true);
        box(w, "cbIndex")->setChecked(false);
        box(w, "cbAutoDateFinish")->setChecked(true);
        QTest::mouseClick(find<QPushButton>(w, "bSave"), Qt::LeftButton);
    });
    EXPECT_EQ(result, ui::kResultOk);
    core::IniFile file = ini();
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kFirmName), "ТОВ «Земля і право»");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kBossFIO), "Іваненко Петро Семенович");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kBossPOS), "Директор");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kFirmeMail), "office@zemlia.ua");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kPercentNDS), "7,5");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kMinSumExpertise), "не число");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kNDS), "1");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kEDP), "1");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kIndex), "0");
    EXPECT_EQ(file.readString(keys::kOrganisation, keys::kAutoDateFinish), "1");
    EXPECT_EQ(file.readString(keys::kSetup, keys::kWorkFolder), m_folder.path());
    EXPECT_EQ(file.readString(keys::kSetup, keys::kTemplatesFolder), m_folder.path());
    EXPECT_EQ(m_registry.readString(core::registry_keys::kVelta2, core::registry_keys::kWorkPath),
              m_folder.path());
    // Shown again, the window holds what was saved.
    EXPECT_EQ(edit(w, "edFirmName")->text(), "ТОВ «Земля і право»");
    EXPECT_TRUE(m_prompter.questions().isEmpty());
}

TEST_F(SetupFixture, EveryWayOfClosingWithoutSaveDiscardsTheEdits) {
    const struct {
        const char* name;
        std::function<void(TSetup&)> close;
    } ways[] = {
        {"title bar", [](TSetup& w) { w.close(); }},
        {"Відмінити",
         [](TSetup& w) { QTest::mouseClick(w.findChild<QPushButton*>("bCancel"), Qt::LeftButton); }},
        {"Esc", [](TSetup& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
    };
    TSetup w(m_folder.path(), m_registry);
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        const QString result = run(w, [&] {
            edit(w, "edFirmName")->setText("Не збережено");
            box(w, "cbNDS")->setChecked(false);
            way.close(w);
        });
        EXPECT_EQ(result, ui::kResultCancel);
        EXPECT_FALSE(QFile::exists(core::iniPath(m_folder.path())));
        // The live copy went back to the file at once, and the next show starts from it too.
        EXPECT_EQ(edit(w, "edFirmName")->text(), "");
        EXPECT_TRUE(box(w, "cbNDS")->isChecked());
        EXPECT_EQ(w.fieldSettings().firmName, "");
    }
}

TEST_F(SetupFixture, FolderFieldsLoseBlanksAndOneTrailingBackslash) {
    QTemporaryDir other;
    const struct {
        QString templatesField;
        QString templatesFolder; // the running program's after Save
    } cases[] = {
        {other.path() + "\\ ", other.path()},
        {other.path() + "/", other.path()},
        {"   ", m_folder.path()}, // blanks only: the templates folder stays the working folder
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.templatesField.toStdString());
        TSetup w(m_folder.path(), m_registry);
        ASSERT_EQ(run(w,
                      [&] {
                          edit(w, "edTemplatesFolder")->setText(c.templatesField);
                          w.bSaveClick();
                      }),
                  ui::kResultOk);
        EXPECT_EQ(w.templatesFolder(), c.templatesFolder);
        EXPECT_EQ(ini().readString(keys::kSetup, keys::kTemplatesFolder),
                  c.templatesField.trimmed().isEmpty() ? QString() : c.templatesField.trimmed());
    }

    // A new working folder applies at once; the settings just saved stay in the old folder's file.
    TSetup w(m_folder.path(), m_registry);
    QStringList changed;
    QObject::connect(&w, &TSetup::foldersChanged,
                     [&](const QString& work, const QString&) { changed << work; });
    run(w, [&] {
        edit(w, "edWorkFolder")->setText(other.path() + "\\");
        w.bSaveClick();
    });
    EXPECT_EQ(w.workingFolder(), other.path());
    EXPECT_EQ(changed, QStringList({other.path()}));
    EXPECT_EQ(ini().readString(keys::kSetup, keys::kWorkFolder), other.path() + "\\");
    EXPECT_FALSE(QFile::exists(core::iniPath(other.path())));
    EXPECT_EQ(m_registry.readString(core::registry_keys::kVelta2, core::registry_keys::kWorkPath),
              other.path());
}

TEST_F(SetupFixture, FolderChoosersPutTheChosenFilesFolderIntoTheField) {
    QTemporaryDir templates;
    TSetup w(m_folder.path(), m_registry);
    m_prompter.queueFile(templates.filePath("Смета.fr3"));
    m_prompter.queueFile(m_folder.filePath("velta.ini"));
    QTest::mouseClick(find<QToolButton>(w, "bTemplatesFolder"), Qt::LeftButton);
    QTest::mouseClick(find<QToolButton>(w, "bWorkFolder"), Qt::LeftButton);
    EXPECT_EQ(edit(w, "edTemplatesFolder")->text(), QDir::toNativeSeparators(templates.path()));
    EXPECT_EQ(edit(w, "edWorkFolder")->text(), QDir::toNativeSeparators(m_folder.path()));

    ASSERT_EQ(m_prompter.questions().size(), 2);
    const ui::FileRequest& t = m_prompter.questions()[0].file;
    EXPECT_EQ(t.title, "Папка з шаблонами документів");
    EXPECT_EQ(t.filter, "Шаблони FastReport 3 (*.fr3)|*.fr3");
    EXPECT_EQ(t.defaultExtension, "*.fr3");
    const ui::FileRequest& f = m_prompter.questions()[1].file;
    EXPECT_EQ(f.title, "Робоча папка");
    EXPECT_TRUE(
        f.filter.startsWith("Кошториси на виконання земельно-кадастрових робіт (Velta2.exe)|Velta2.exe"));
    EXPECT_EQ(f.defaultExtension, "Velta2.exe");

    // A cancelled chooser leaves the field alone.
    QTest::mouseClick(find<QToolButton>(w, "bTemplatesFolder"), Qt::LeftButton);
    EXPECT_EQ(edit(w, "edTemplatesFolder")->text(), QDir::toNativeSeparators(templates.path()));
}

TEST_F(SetupFixture, F1OpensTheSetupTopic) {
    ui::setHelpFile(QStringLiteral(VELTA_SOURCE_DIR "/share/help/velta.html"));
    TSetup w(m_folder.path(), m_registry);
    QString topic;
    run(w, [&] {
        QApplication::setActiveWindow(&w); // shortcuts go to the active window
        QTest::keyClick(&w, Qt::Key_F1);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<ui::HelpWindow*>(top); help && help->isVisible()) {
                topic = help->currentTopic();
                help->close();
            }
        w.close();
    });
    ui::setHelpFile({});
    EXPECT_EQ(topic, "Setup");
    EXPECT_TRUE(m_prompter.questions().isEmpty());
}

TEST_F(SetupFixture, ReadOnlyFolderIsReportedAndTheEditsStay) {
    TSetup w(m_folder.path(), m_registry);
    QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile probe(m_folder.filePath("probe")); probe.open(QIODevice::WriteOnly)) {
        QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    bool stillOpen = false;
    const QString result = run(w, [&] {
        edit(w, "edFirmName")->setText("Нова назва");
        w.bSaveClick();
        stillOpen = w.isVisible();
        w.close();
    });
    QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, ui::kResultCancel);
    ASSERT_EQ(m_prompter.texts(Kind::Error).size(), 1);
    EXPECT_TRUE(m_prompter.texts(Kind::Error)[0].startsWith("Не вдалося записати файл налаштувань"));
}
