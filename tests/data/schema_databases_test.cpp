// Both schemas as the engine sees them, and create-databases with its seed.

#include "common/db_fixture.h"
#include "core/cp1251.h"
#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/fb/statement.h"
#include "data/fb/transaction.h"
#include "data/schema/database_files.h"
#include "data/schema/schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace fb = velta::data::fb;
namespace schema = velta::data::schema;

namespace {

QStringList column(fb::Connection& db, fb::Transaction& tr, const QString& sql) {
    fb::Statement st(db, tr, sql);
    fb::ResultSet rs = st.openCursor();
    QStringList out;
    while (rs.next())
        out << rs.string(0).trimmed();
    return out;
}

void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

class Schema : public velta::test::DbFixture {};

TEST_F(Schema, DatabasesHaveDialect3CharsetNoneAndNoLinksOrTriggers) {
    for (const QString& path : {folder().cataloguePath(), folder().estimatesPath()}) {
        fb::Connection db = fb::Connection::attach(path);
        fb::Transaction tr(db);
        tr.start();
        fb::Statement info(db, tr,
                           "Select M.MON$SQL_DIALECT, M.MON$PAGE_SIZE, D.RDB$CHARACTER_SET_NAME "
                           "From MON$DATABASE M, RDB$DATABASE D");
        info.execute();
        EXPECT_EQ(info.returned().at(0).toInt(), 3);
        EXPECT_EQ(info.returned().at(1).toInt(), 8192);
        EXPECT_EQ(info.returned().at(2).toString().trimmed(), "NONE");
        EXPECT_TRUE(column(db, tr,
                           "Select RDB$CONSTRAINT_NAME From RDB$RELATION_CONSTRAINTS "
                           "Where RDB$CONSTRAINT_TYPE = 'FOREIGN KEY'")
                        .isEmpty());
        EXPECT_TRUE(
            column(db, tr, "Select RDB$TRIGGER_NAME From RDB$TRIGGERS Where Coalesce(RDB$SYSTEM_FLAG, 0) = 0")
                .isEmpty());
    }
}

TEST_F(Schema, TablesKeysAndGeneratorsAreAsTheProgramNamesThem) {
    struct Expect {
        const char* table;
        int columns;
        const char* key; // nullptr: no primary key
    };
    const Expect catalogue[] = {{"Service", 5, "ID_Service"},
                                {"ServiceKof", 10, "ID_ServiceKof"},
                                {"TypeParameter", 4, "ID_TypeParameter"},
                                {"TypeUnit", 2, "ID_TypeUnit"},
                                {"ServiceList", 15, "ID_ServiceList"},
                                {"ServiceCat", 6, "ID_ServiceCat"},
                                {"ServiceParam", 12, "ID_ServiceParam"},
                                {"ServiceTbl", 17, "ID_ServiceTbl"},
                                {"ServiceNote", 41, "ID_ServiceNote"},
                                {"Export", 5, "Name"}};
    const Expect estimates[] = {{"Cost", 42, "ID_Cost"},
                                {"CostField", 22, nullptr},
                                {"CostSrv", 9, "ID_CostSrv"},
                                {"CostLnk", 21, "ID_CostLnk"},
                                {"CostParam", 10, "ID_CostParam"},
                                {"CostValue", 20, "ID_CostValue"},
                                {"ListService", 6, "ID_ListService"},
                                {"ListServiceLnk", 10, "ID_ListServiceLnk"}};
    auto check = [&](const QString& path, const auto& expected) {
        fb::Connection db = fb::Connection::attach(path);
        fb::Transaction tr(db);
        tr.start();
        const QStringList tables =
            column(db, tr, "Select RDB$RELATION_NAME From RDB$RELATIONS Where RDB$SYSTEM_FLAG = 0");
        EXPECT_EQ(tables.size(), qsizetype(std::size(expected)));
        for (const Expect& e : expected) {
            fb::Statement cols(db, tr,
                               "Select Count(*) From RDB$RELATION_FIELDS Where RDB$RELATION_NAME = :T");
            cols.set("T", e.table);
            cols.execute();
            EXPECT_EQ(cols.returned().at(0).toInt(), e.columns) << e.table;
            fb::Statement key(db, tr,
                              "Select S.RDB$FIELD_NAME From RDB$RELATION_CONSTRAINTS C, RDB$INDEX_SEGMENTS S "
                              "Where C.RDB$RELATION_NAME = :T And C.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' "
                              "And S.RDB$INDEX_NAME = C.RDB$INDEX_NAME");
            key.set("T", e.table);
            fb::ResultSet rs = key.openCursor();
            if (e.key) {
                ASSERT_TRUE(rs.next()) << e.table;
                EXPECT_EQ(rs.string(0).trimmed(), e.key);
                EXPECT_FALSE(rs.next()) << e.table;
            } else {
                EXPECT_FALSE(rs.next()) << e.table;
            }
        }
    };
    check(folder().cataloguePath(), catalogue);
    check(folder().estimatesPath(), estimates);

    fb::Connection db = fb::Connection::attach(folder().estimatesPath());
    fb::Transaction tr(db);
    tr.start();
    QStringList generators = column(
        db, tr, "Select RDB$GENERATOR_NAME From RDB$GENERATORS Where Coalesce(RDB$SYSTEM_FLAG, 0) = 0");
    generators.sort();
    EXPECT_EQ(generators, (QStringList{"ID_GEN_COST", "ID_GEN_COSTLNK", "ID_GEN_COSTPARAM", "ID_GEN_COSTSRV",
                                       "ID_GEN_COSTVALUE", "ID_GEN_LISTSERVICE", "ID_GEN_LISTSERVICELNK"}));
    // Payment_Sum has exactly the type the start-up upgrade gives older databases.
    fb::Statement paid(db, tr, R"(Select "Payment_Sum", "Payment_Date" From "Cost")");
    EXPECT_EQ(paid.columns()[0].type, fb::ColumnType::Numeric);
    EXPECT_EQ(paid.columns()[0].scale, -6);
    EXPECT_EQ(paid.columns()[1].type, fb::ColumnType::Date);
}

TEST_F(Schema, ReadingOrdersHaveIndexes) {
    fb::Connection db = fb::Connection::attach(folder().estimatesPath());
    fb::Transaction tr(db);
    tr.start();
    fb::Statement plan(db, tr,
                       "Select List(S.RDB$FIELD_NAME, ',') From RDB$INDICES I, RDB$INDEX_SEGMENTS S "
                       "Where I.RDB$RELATION_NAME = :T And S.RDB$INDEX_NAME = I.RDB$INDEX_NAME "
                       "Group By I.RDB$INDEX_NAME");
    plan.set("T", "CostLnk");
    const QStringList lnk = [&] {
        fb::ResultSet rs = plan.openCursor();
        QStringList out;
        while (rs.next())
            out << rs.string(0).remove(' ');
        return out;
    }();
    EXPECT_TRUE(lnk.contains("ID_Cost,ID_Service,Number")) << lnk.join(';').toStdString();
}

TEST_F(Schema, CyrillicTextReadsBackByteForByteThroughIsql) {
    const QString isql = QStandardPaths::findExecutable("isql-fb");
    if (isql.isEmpty())
        GTEST_SKIP() << "isql-fb is not installed";
    const QString name = QString::fromUtf8("Київська обл., с. Ґудзівка — «Їжак» №5 єЄіІїЇґҐ");
    {
        fb::Connection db = fb::Connection::attach(folder().estimatesPath());
        fb::Transaction tr(db);
        tr.start();
        fb::Statement st(db, tr, R"(Insert Into "Cost" ("ID_Cost", "Cust_Name") Values (1, :Name))");
        st.set("Name", name);
        st.execute();
        tr.commit();
    } // detached: the embedded engine lets one process hold the file
    const QString script = folder().filePath("read.sql");
    writeFile(script, "Set List On;\nSelect \"Cust_Name\" From \"Cost\";\n");
    QProcess p;
    p.start(isql, {"-q", "-ch", "NONE", "-user", "SYSDBA", "-i", script, folder().estimatesPath()});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QByteArray out = p.readAllStandardOutput();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    EXPECT_TRUE(out.contains(velta::core::toCp1251(name))) << out.toHex().constData();
}

TEST(CreateDatabases, RefusesWhenEitherFileExistsAndTouchesNothing) {
    QTemporaryDir dir;
    writeFile(dir.filePath("velta.fdb"), "not a database");
    try {
        schema::createDatabases(dir.path(), {});
        FAIL() << "created over an existing file";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.message().contains("velta.fdb")) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("service.fdb")));
    QFile f(dir.filePath("velta.fdb"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "not a database");
}

TEST(CreateDatabases, LoadsSeedFilesInNameOrderAsWindows1251) {
    QTemporaryDir share;
    writeFile(
        share.filePath("catalogue/service/02_units.sql"),
        "-- units of measure\nInsert Into \"TypeUnit\" (\"ID_TypeUnit\", \"Name\")\n  Values (2, 'га');\n"
        "Update \"TypeUnit\" Set \"Name\" = \"Name\" || ';' Where \"ID_TypeUnit\" = 1;\n");
    writeFile(share.filePath("catalogue/service/01_units.sql"),
              "Insert Into \"TypeUnit\" (\"ID_TypeUnit\", \"Name\") Values (1, 'кв.м');\n");
    QTemporaryDir dir;
    schema::createDatabases(dir.path(), {false, share.path()});

    fb::Connection db = fb::Connection::attach(dir.filePath("service.fdb"));
    fb::Transaction tr(db);
    tr.start();
    EXPECT_EQ(column(db, tr, R"(Select "Name" From "TypeUnit" Order By "ID_TypeUnit")"),
              (QStringList{QString::fromUtf8("кв.м;"), QString::fromUtf8("га")}));
    fb::Statement raw(db, tr, R"(Select Cast("Name" As Varchar(50) Character Set Octets) From "TypeUnit"
                                 Where "ID_TypeUnit" = 2)");
    raw.execute();
    EXPECT_EQ(raw.returned().at(0).toByteArray(), QByteArray("\xE3\xE0"));
}

TEST(CreateDatabases, FailingSeedStatementNamesFileAndLineAndLeavesNoFiles) {
    QTemporaryDir share;
    writeFile(share.filePath("catalogue/velta/01.sql"),
              "Insert Into \"ListService\" (\"ID_ListService\") Values (1);\n\n"
              "Insert Into \"NoSuchTable\" Values (1);\n");
    QTemporaryDir dir;
    try {
        schema::createDatabases(dir.path(), {false, share.path()});
        FAIL() << "a broken seed was accepted";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.message().contains("01.sql, рядок 3")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("NoSuchTable")) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("service.fdb")));
    EXPECT_FALSE(QFile::exists(dir.filePath("velta.fdb")));

    // With --empty-catalogue the same seed folder is not read at all.
    schema::createDatabases(dir.path(), {true, share.path()});
    EXPECT_TRUE(QFile::exists(dir.filePath("velta.fdb")));
}

TEST(CreateDatabases, SplitsSeedStatementsAtSemicolonsEndingALine) {
    const auto s = schema::splitSeed(QString::fromUtf8("-- header\r\nInsert Into T Values ('a;b');\r\n"
                                                       "\nInsert Into T\n-- inside\nValues (2);\nSelect 1"));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].sql, "Insert Into T Values ('a;b')");
    EXPECT_EQ(s[0].line, 2);
    EXPECT_EQ(s[1].sql, "Insert Into T\nValues (2)");
    EXPECT_EQ(s[1].line, 4);
    EXPECT_EQ(s[2].sql, "Select 1");
}
