#include "core/cp1251.h"
#include "core/ini_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velta::core;

namespace {

QByteArray cp(const char* utf8) {
    return toCp1251(QString::fromUtf8(utf8));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(IniFile, ReadsLikeTheProfileFunctions) {
    const IniFile ini = IniFile::fromBytes(cp("; коментар\r\n"
                                              "[Организация]\r\n"
                                              "  Название проектной организации =  ТОВ \"Земля\"  \r\n"
                                              "НДС=0\r\n"
                                              "Экспертиза= 7 \r\n"
                                              "Лицензия=\"  в лапках  \"\r\n"
                                              "Порожній=\r\n"
                                              "Процент=abc\r\n"
                                              "Великий=99999999999\r\n"
                                              "[ Інше ]\n"
                                              "ключ=значення"));
    const QString org = QStringLiteral("организация"); // section names ignore case, Cyrillic too
    EXPECT_EQ(ini.readString(org, QStringLiteral("НАЗВАНИЕ ПРОЕКТНОЙ ОРГАНИЗАЦИИ")),
              QStringLiteral("ТОВ \"Земля\""));
    EXPECT_EQ(ini.readString(org, QStringLiteral("Лицензия")), QStringLiteral("  в лапках  "));
    EXPECT_EQ(ini.readString(org, QStringLiteral("Порожній"), QStringLiteral("x")), QString());
    EXPECT_EQ(ini.readString(org, QStringLiteral("Немає"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(ini.readString(QStringLiteral("Немає"), QStringLiteral("НДС"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_FALSE(ini.readBool(org, QStringLiteral("ндс"), true));
    EXPECT_TRUE(ini.readBool(org, QStringLiteral("Экспертиза"), false)); // any non-zero is true
    EXPECT_EQ(ini.readInteger(org, QStringLiteral("Экспертиза"), 0), 7);
    EXPECT_EQ(ini.readInteger(org, QStringLiteral("Процент"), 20), 20);
    EXPECT_EQ(ini.readInteger(org, QStringLiteral("Великий"), 5), 5);
    EXPECT_TRUE(ini.readBool(org, QStringLiteral("Процент"), true)); // not a number: the default
    EXPECT_EQ(ini.readString(QStringLiteral("інше"), QStringLiteral("КЛЮЧ")), QStringLiteral("значення"));
    EXPECT_EQ(ini.sections(), (QStringList{QStringLiteral("Организация"), QStringLiteral("Інше")}));
}

TEST(IniFile, MissingOrUnreadableFileGivesDefaults) {
    QTemporaryDir dir;
    const IniFile missing(dir.filePath(QStringLiteral("velta.ini")));
    EXPECT_FALSE(missing.fileExists());
    EXPECT_EQ(missing.readInteger(QStringLiteral("a"), QStringLiteral("b"), 345), 345);
    const IniFile folder(dir.path()); // a folder cannot be read as a file
    EXPECT_EQ(folder.readString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(IniFile, WritingOneKeyKeepsEveryOtherByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("velta.ini"));
    const QByteArray before = cp("; Налаштування, відредаговані вручну\r\n"
                                 "[Интерфейс]\r\n"
                                 "Высота нижней панели = 300\r\n"
                                 "; ширини колонок\r\n"
                                 "Код записи=17\r\n"
                                 "\r\n"
                                 "[Организация]\r\n"
                                 "НДС=1\r\n"
                                 "\r\n"
                                 "[Свій розділ]\r\n"
                                 "щось=  як було  \r\n");
    writeAll(path, before);

    // A changed key keeps its spelling and position.
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("интерфейс"), QStringLiteral("КОД ЗАПИСИ"), 42));
    QByteArray expected = before;
    expected.replace(cp("Код записи=17"), cp("Код записи=42"));
    EXPECT_EQ(readAll(path), expected);

    // A new key goes to the end of its section, before the blank line.
    ASSERT_TRUE(ini.writeBool(QStringLiteral("Организация"), QStringLiteral("Экспертиза"), false));
    expected.replace(cp("НДС=1\r\n"), cp("НДС=1\r\nЭкспертиза=0\r\n"));
    EXPECT_EQ(readAll(path), expected);

    // A new section is appended after a blank line.
    ASSERT_TRUE(ini.writeString(QStringLiteral("Установки"), QStringLiteral("Рабочая папка"),
                                QStringLiteral("/home/кошториси")));
    expected += cp("\r\n[Установки]\r\nРабочая папка=/home/кошториси\r\n");
    EXPECT_EQ(readAll(path), expected);

    EXPECT_EQ(IniFile(path).readString(QStringLiteral("Свій розділ"), QStringLiteral("щось")),
              QStringLiteral("як було"));
}

TEST(IniFile, LineEndingsAndLastLineWithoutEnding) {
    IniFile unix = IniFile::fromBytes("[a]\nx=1");
    unix.setAutoFlush(false);
    unix.writeString(QStringLiteral("a"), QStringLiteral("y"), QStringLiteral("2"));
    unix.writeString(QStringLiteral("b"), QStringLiteral("z"), QStringLiteral("3"));
    EXPECT_EQ(unix.toBytes(), QByteArray("[a]\nx=1\ny=2\n\n[b]\nz=3\n"));

    IniFile noEnding = IniFile::fromBytes("[a]\r\nx=1");
    noEnding.setAutoFlush(false);
    noEnding.writeString(QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("5"));
    EXPECT_EQ(noEnding.toBytes(), QByteArray("[a]\r\nx=5"));
}

TEST(IniFile, LineBreakInValueCannotInjectLines) {
    IniFile ini = IniFile::fromBytes("");
    ini.setAutoFlush(false);
    ini.writeString(QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("1\r\n[b]\ny=2"));
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("b")));
    EXPECT_EQ(ini.readString(QStringLiteral("a"), QStringLiteral("x")), QStringLiteral("1  [b] y=2"));
}

TEST(IniFile, CreatedWhenMissingAndWriteFailureReported) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("velta.ini"));
    IniFile ini(path);
    ASSERT_TRUE(
        ini.writeString(QStringLiteral("Організація"), QStringLiteral("Ключ"), QStringLiteral("Так")));
    EXPECT_EQ(readAll(path), cp("[Організація]\r\nКлюч=Так\r\n"));

    IniFile nowhere(dir.filePath(QStringLiteral("no/such/folder/velta.ini")));
    EXPECT_FALSE(nowhere.writeString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
}

TEST(IniFile, DeleteKeyAndSection) {
    IniFile ini = IniFile::fromBytes("[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n");
    ini.setAutoFlush(false);
    ini.deleteKey(QStringLiteral("A"), QStringLiteral("X"));
    EXPECT_EQ(ini.keys(QStringLiteral("a")), QStringList{QStringLiteral("y")});
    ini.eraseSection(QStringLiteral("a"));
    EXPECT_EQ(ini.toBytes(), QByteArray("[b]\r\nz=3\r\n"));
}
