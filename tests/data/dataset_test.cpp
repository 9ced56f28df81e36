// Dataset over a small database of its own (two tables and a generator), so
// that each behaviour shows on a handful of rows.

#include "data/database.h"
#include "data/dataset.h"
#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/fb/transaction.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using velta::data::Database;
using velta::data::Dataset;
namespace fb = velta::data::fb;

namespace {

class DatasetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const QString file = m_dir.filePath(QStringLiteral("t.fdb"));
        {
            fb::CreateOptions options;
            options.forcedWrites = false;
            fb::Connection c = fb::Connection::create(file, options);
            fb::Transaction t(c);
            t.start();
            c.execute(t, R"(CREATE TABLE "Est" ("ID" INTEGER NOT NULL PRIMARY KEY, "Name" VARCHAR(50),
                            "Area" DOUBLE PRECISION, "Made" DATE))");
            c.execute(t, R"(CREATE TABLE "Part" ("ID_Part" INTEGER NOT NULL PRIMARY KEY, "ID" INTEGER,
                            "Number" INTEGER, "Name" VARCHAR(50)))");
            c.execute(t, R"(CREATE GENERATOR "G_EST")");
            t.commit();
            t.start();
            c.execute(t, R"(SET GENERATOR "G_EST" TO 100)");
            const char* rows[] = {
                R"(INSERT INTO "Est" VALUES (1, 'Київ', 25000, '2024-01-10'))",
                R"(INSERT INTO "Est" VALUES (2, 'Львів', 100, '2024-02-10'))",
                R"(INSERT INTO "Est" VALUES (3, 'київська обл.', NULL, NULL))",
                R"(INSERT INTO "Part" VALUES (10, 1, 1, 'a'))",
                R"(INSERT INTO "Part" VALUES (11, 1, 2, 'b'))",
                R"(INSERT INTO "Part" VALUES (12, 2, 1, 'c'))",
            };
            for (const char* sql : rows)
                c.execute(t, QString::fromUtf8(sql));
            t.commit();
        }
        m_db = std::make_unique<Database>(file, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
        m_est = std::make_unique<Dataset>(QStringLiteral("Est"));
        m_est->setExecutor(m_db.get());
        m_est->setSelectSql(R"(Select * From "Est" Order By "ID")");
        m_est->setTable(QStringLiteral("Est"), {QStringLiteral("ID")}, QStringLiteral("G_EST"));
        m_part = std::make_unique<Dataset>(QStringLiteral("Part"));
        m_part->setExecutor(m_db.get());
        m_part->setSelectSql(R"(Select * From "Part" Where "ID" = :ID Order By "Number")");
        m_part->setTable(QStringLiteral("Part"), {QStringLiteral("ID_Part")});
        m_part->setMaster(m_est.get(), {QStringLiteral("ID")});
    }

    // What the database holds, read past the datasets.
    QVariant scalar(const QString& sql) {
        const auto r = m_db->run(sql, {});
        return r.rows.empty() ? QVariant(QStringLiteral("<no row>")) : r.rows.front().front();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<Dataset> m_est;
    std::unique_ptr<Dataset> m_part;
};

TEST_F(DatasetTest, NavigationBofEofAndLocate) {
    m_est->open();
    EXPECT_EQ(m_est->recordCount(), 3);
    EXPECT_TRUE(m_est->bof());
    EXPECT_FALSE(m_est->eof());
    int seen = 0;
    while (!m_est->eof()) {
        ++seen;
        m_est->next();
    }
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(m_est->value(QStringLiteral("id")).toInt(), 3); // eof stays on the last row; names ignore case
    m_est->prior();
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 2);
    m_est->first();
    m_est->prior();
    EXPECT_TRUE(m_est->bof());
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 1);

    EXPECT_FALSE(m_est->locate(QStringLiteral("Name"), QStringLiteral("КИЇВСЬКА ОБЛ.")));
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 1); // a failed locate does not move
    EXPECT_TRUE(m_est->locate(QStringLiteral("Name"), QStringLiteral("КИЇВСЬКА ОБЛ."), true));
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 3);
    EXPECT_TRUE(m_est->locate(QStringLiteral("Area"), 100));
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 2);
    EXPECT_THROW(m_est->locate(QStringLiteral("Nope"), 1), std::runtime_error);

    m_est->setFilter(QStringLiteral("Made = Null Or Area > 1000"));
    m_est->setFiltered(true);
    EXPECT_EQ(m_est->recordCount(), 2);
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 1);
    m_est->last();
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 3);
    m_est->setFiltered(false);
    EXPECT_EQ(m_est->recordCount(), 3);
}

TEST_F(DatasetTest, PostWritesThroughGeneratedStatements) {
    m_est->open();
    // A row posted without a key takes the generator's next value; empty text becomes NULL.
    m_est->append();
    EXPECT_EQ(m_est->state(), Dataset::State::Insert);
    m_est->setValue(QStringLiteral("Name"), QString());
    m_est->setValue(QStringLiteral("Area"), 7.5);
    m_est->post();
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 101);
    EXPECT_TRUE(m_est->value(QStringLiteral("Name")).isNull());
    EXPECT_EQ(
        scalar(R"(Select Count(*) From "Est" Where "ID" = 101 And "Name" Is Null And "Area" = 7.5)").toInt(),
        1);
    // A row that carries its key keeps it and spends no generator value.
    m_est->append();
    m_est->setValue(QStringLiteral("ID"), 50);
    m_est->setValue(QStringLiteral("Name"), QStringLiteral("Ірпінь"));
    m_est->post();
    EXPECT_EQ(scalar(R"(Select "Name" From "Est" Where "ID" = 50)").toString(), QStringLiteral("Ірпінь"));
    EXPECT_EQ(scalar(R"(Select GEN_ID("G_EST", 0) From RDB$DATABASE)").toInt(), 101);
    // A cancelled insert writes nothing.
    m_est->append();
    m_est->setValue(QStringLiteral("ID"), 60);
    m_est->cancel();
    EXPECT_EQ(m_est->recordCount(), 5);
    EXPECT_EQ(scalar(R"(Select Count(*) From "Est")").toInt(), 5);

    // Edit finds the row by its old key, also when the key itself changes.
    ASSERT_TRUE(m_est->locate(QStringLiteral("ID"), 2));
    m_est->edit();
    m_est->setValue(QStringLiteral("ID"), 20);
    m_est->setValue(QStringLiteral("Name"), QStringLiteral("Львів-2"));
    m_est->post();
    EXPECT_EQ(scalar(R"(Select "Name" From "Est" Where "ID" = 20)").toString(), QStringLiteral("Львів-2"));
    EXPECT_EQ(scalar(R"(Select Count(*) From "Est" Where "ID" = 2)").toInt(), 0);
    // Cancel of an edit restores the cached row.
    m_est->edit();
    m_est->setValue(QStringLiteral("Name"), QStringLiteral("x"));
    m_est->cancel();
    EXPECT_EQ(m_est->value(QStringLiteral("Name")).toString(), QStringLiteral("Львів-2"));
    EXPECT_THROW(m_est->setValue(QStringLiteral("Name"), QStringLiteral("y")), std::runtime_error);

    // Delete removes the row and the next one becomes current.
    ASSERT_TRUE(m_est->locate(QStringLiteral("ID"), 1));
    m_est->remove();
    EXPECT_EQ(scalar(R"(Select Count(*) From "Est" Where "ID" = 1)").toInt(), 0);
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 20);

    // The rows survive a commit (hard commit and a new transaction).
    m_db->commit();
    EXPECT_EQ(m_est->recordCount(), 4);
    m_est->refresh();
    EXPECT_EQ(m_est->recordCount(), 4);
    EXPECT_EQ(m_est->value(QStringLiteral("ID")).toInt(), 20); // refresh keeps the row by its key
}

TEST_F(DatasetTest, InsertPlacesTheRowAndNavigationPostsIt) {
    m_est->open();
    m_est->moveTo(1);
    m_est->insert(); // before the current row
    EXPECT_EQ(m_est->currentIndex(), 1);
    m_est->setValue(QStringLiteral("Name"), QStringLiteral("new"));
    m_est->first(); // moving away posts
    EXPECT_EQ(m_est->state(), Dataset::State::Browse);
    EXPECT_EQ(m_est->valueAt(1, m_est->fieldIndex(QStringLiteral("Name"))).toString(), QStringLiteral("new"));
    EXPECT_EQ(scalar(R"(Select Count(*) From "Est" Where "Name" = 'new')").toInt(), 1);
}

TEST_F(DatasetTest, DetailFollowsItsMaster) {
    m_est->open();
    m_part->open();
    EXPECT_EQ(m_part->recordCount(), 2);
    m_est->next();
    EXPECT_EQ(m_part->recordCount(), 1);
    EXPECT_EQ(m_part->value(QStringLiteral("Name")).toString(), QStringLiteral("c"));
    m_est->next();
    EXPECT_TRUE(m_part->isEmpty());
    // A new master row has no key yet: its detail is empty until the post gives it one.
    m_est->append();
    EXPECT_TRUE(m_part->isEmpty());
    m_est->post();
    m_part->append();
    m_part->setValue(QStringLiteral("ID_Part"), 13);
    m_part->setValue(QStringLiteral("ID"), m_est->value(QStringLiteral("ID")));
    m_part->post();
    m_est->first();
    m_est->last();
    EXPECT_EQ(m_part->recordCount(), 1);
    EXPECT_EQ(m_part->value(QStringLiteral("ID_Part")).toInt(), 13);
}

TEST_F(DatasetTest, EventsAndCalculatedFields) {
    QStringList log;
    m_est->addCalculatedField(QStringLiteral("S"));
    m_est->setCalculate([](Dataset& d) {
        const QVariant area = d.value(QStringLiteral("Area"));
        d.setValue(QStringLiteral("S"), area.isNull() ? QVariant() : QVariant(area.toDouble() / 10000));
    });
    m_est->onAfterOpen([&](Dataset&) { log << QStringLiteral("open"); });
    m_est->onAfterScroll([&](Dataset& d) { log << QStringLiteral("scroll %1").arg(d.currentIndex()); });
    m_est->onBeforeInsert([&](Dataset&) { log << QStringLiteral("before-insert"); });
    m_est->onNewRecord([&](Dataset& d) {
        log << QStringLiteral("new");
        d.setValue(QStringLiteral("Name"), QStringLiteral("default"));
    });
    m_est->onBeforePost([&](Dataset& d) {
        log << QStringLiteral("before-post");
        if (d.value(QStringLiteral("Area")).toDouble() < 0)
            throw std::runtime_error("Площа не може бути від'ємною");
    });
    m_est->onAfterPost([&](Dataset&) { log << QStringLiteral("after-post"); });
    m_est->onBeforeDelete([&](Dataset&) { log << QStringLiteral("before-delete"); });

    m_est->open();
    EXPECT_DOUBLE_EQ(m_est->value(QStringLiteral("S")).toDouble(), 2.5);
    EXPECT_EQ(m_est->fieldIndex(QStringLiteral("s")), m_est->fieldCount() - 1);
    m_est->append();
    EXPECT_EQ(m_est->value(QStringLiteral("Name")).toString(), QStringLiteral("default"));
    m_est->setValue(QStringLiteral("Area"), -5000.0);
    EXPECT_DOUBLE_EQ(m_est->value(QStringLiteral("S")).toDouble(), -0.5); // recomputed on change
    EXPECT_THROW(m_est->post(), std::runtime_error);
    EXPECT_EQ(m_est->state(), Dataset::State::Insert); // refused: still editing, nothing written
    EXPECT_EQ(scalar(R"(Select Count(*) From "Est")").toInt(), 3);
    m_est->setValue(QStringLiteral("Area"), 5000.0);
    m_est->post();
    m_est->remove();
    EXPECT_EQ(log, QStringList({"open", "scroll 0", "before-insert", "new", "scroll 3", "before-post",
                                "before-post", "after-post", "scroll 3", "before-delete", "scroll 2"}));
}

TEST_F(DatasetTest, ChangeNotificationsForGrids) {
    QStringList seen;
    QObject::connect(m_est.get(), &Dataset::rowsReset, [&] { seen << QStringLiteral("reset"); });
    QObject::connect(m_est.get(), &Dataset::rowInserted,
                     [&](int r) { seen << QStringLiteral("ins %1").arg(r); });
    QObject::connect(m_est.get(), &Dataset::rowRemoved,
                     [&](int r) { seen << QStringLiteral("rem %1").arg(r); });
    m_est->open();
    m_est->append();
    m_est->cancel();
    EXPECT_EQ(seen, QStringList({"reset", "ins 3", "rem 3"}));
}

TEST_F(DatasetTest, AnUpdateConflictKeepsTheEditAndItsValues) {
    m_est->open();
    m_est->edit();
    m_est->setValue(QStringLiteral("Name"), QStringLiteral("перший"));
    m_est->post(); // not committed: the row stays locked by this transaction

    Database other(m_dir.filePath(QStringLiteral("t.fdb")), QStringLiteral("SYSDBA"),
                   QStringLiteral("masterkey"));
    Dataset second(QStringLiteral("Est2"));
    second.setExecutor(&other);
    second.setSelectSql(m_est->selectSql());
    second.setTable(QStringLiteral("Est"), {QStringLiteral("ID")});
    second.open();
    second.edit();
    second.setValue(QStringLiteral("Name"), QStringLiteral("другий"));
    try {
        second.post();
        FAIL() << "the second post should meet the lock";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.isUpdateConflict()) << e.message().toStdString();
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_EQ(second.state(), Dataset::State::Edit);
    EXPECT_EQ(second.value(QStringLiteral("Name")).toString(), QStringLiteral("другий"));
    m_db->commit();
    EXPECT_EQ(scalar(R"(Select "Name" From "Est" Where "ID" = 1)").toString(), QStringLiteral("перший"));
}

} // namespace
