// The Firebird wrapper against real databases made by the fixture.

#include "common/db_fixture.h"
#include "core/cp1251.h"
#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/fb/statement.h"
#include "data/fb/transaction.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdio>

namespace fb = velta::data::fb;

namespace {

class FbWrapper : public velta::test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        m_connection = fb::Connection::attach(folder().estimatesPath());
        m_transaction = std::make_unique<fb::Transaction>(m_connection);
        m_transaction->start();
    }
    void TearDown() override {
        m_transaction.reset();
        m_connection.detach();
        DbFixture::TearDown();
    }
    fb::Connection& db() { return m_connection; }
    fb::Transaction& tr() { return *m_transaction; }

    int count(const QString& sql) {
        fb::Statement st(db(), tr(), sql);
        st.execute();
        return st.returned().at(0).toInt();
    }

private:
    fb::Connection m_connection;
    std::unique_ptr<fb::Transaction> m_transaction;
};

QString allCp1251Letters() {
    QByteArray bytes;
    for (int b = 0x20; b <= 0xFF; ++b)
        bytes.append(char(b));
    return velta::core::fromCp1251(bytes);
}

} // namespace

TEST_F(FbWrapper, EveryColumnTypeRoundTrips) {
    const QString text = allCp1251Letters();
    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary.append(char(i * 7));
    const QDate date(2024, 2, 29);
    const QDateTime stamp(QDate(2025, 12, 31), QTime(23, 59, 58, 123));

    fb::Statement insert(
        db(), tr(),
        R"(Insert Into "Cost" ("ID_Cost", "Cust_Name", "Note", "Area", "Payment_Sum", "Cost_Date",
                            "Created", "CountObject", "Color", "Sum_Real")
                            Values (:ID, :Name, :Note, :Area, :Paid, :Date, :Stamp, :Count, :Color, :Real))");
    insert.set("ID", 7);
    insert.set("Name", text.left(250));
    insert.set("Note", text + text + text);
    insert.set("Area", 12345.678901);
    insert.set("Paid", 1234567890.123456);
    insert.set("Date", date);
    insert.set("Stamp", stamp);
    insert.set("Count", qint64(2147483647));
    insert.set("Color", QString::fromLatin1("42")); // a text into an INTEGER column
    insert.setNull("Real");
    insert.execute();
    EXPECT_EQ(insert.rowsAffected(), 1);

    db().execute(tr(), QStringLiteral("Create Table \"Bin\" (\"ID\" BigInt, \"Data\" Blob Sub_Type 0)"));
    tr().commitRetaining(); // DDL needs a commit before use
    fb::Statement bin(db(), tr(), R"(Insert Into "Bin" Values (:ID, :Data))");
    bin.set("ID", qint64(1) << 40);
    bin.set("Data", binary);
    bin.execute();

    fb::Statement select(
        db(), tr(),
        R"(Select "ID_Cost", "Cust_Name", "Note", "Area", "Payment_Sum", "Cost_Date", "Created",
                            "CountObject", "Color", "Sum_Real" From "Cost" Where "ID_Cost" = :ID)");
    select.set("id", 7); // names ignore case
    fb::ResultSet rs = select.openCursor();
    ASSERT_TRUE(rs.next());
    EXPECT_EQ(rs.value(0).typeId(), QMetaType::Int);
    EXPECT_EQ(rs.integer("ID_Cost"), 7);
    EXPECT_EQ(rs.string("Cust_Name"), text.left(250));
    EXPECT_EQ(rs.string("Note"), text + text + text);
    EXPECT_DOUBLE_EQ(rs.number("Area"), 12345.678901);
    EXPECT_EQ(rs.value("Payment_Sum").typeId(), QMetaType::Double);
    EXPECT_NEAR(rs.number("Payment_Sum"), 1234567890.123456, 1e-6);
    EXPECT_EQ(rs.date("Cost_Date"), date);
    EXPECT_EQ(rs.dateTime("Created"), stamp);
    EXPECT_EQ(rs.integer("CountObject"), 2147483647);
    EXPECT_EQ(rs.integer("Color"), 42);
    EXPECT_TRUE(rs.isNull("Sum_Real"));
    EXPECT_FALSE(rs.next());

    fb::Statement readBin(db(), tr(), R"(Select "ID", "Data" From "Bin")");
    fb::ResultSet b = readBin.openCursor();
    ASSERT_TRUE(b.next());
    EXPECT_EQ(b.value(0).typeId(), QMetaType::LongLong);
    EXPECT_EQ(b.int64(0), qint64(1) << 40);
    EXPECT_EQ(b.bytes("Data"), binary);
}

TEST_F(FbWrapper, ColumnMetadataGivesNamesTypesAndDeclaredSizes) {
    fb::Statement st(db(), tr(),
                     R"(Select "Cust_Name", "Cost_Number" As "Num", "Payment_Sum", "Note", "Area", "ID_Cost",
                        "Cost_Date", "Edited" From "Cost")");
    const auto& c = st.columns();
    ASSERT_EQ(c.size(), 8u);
    EXPECT_EQ(c[0].name, "Cust_Name");
    EXPECT_EQ(c[0].relation, "Cost");
    EXPECT_EQ(c[0].type, fb::ColumnType::Text);
    EXPECT_EQ(c[0].size, 250);
    EXPECT_EQ(c[1].name, "Num");
    EXPECT_EQ(c[1].field, "Cost_Number");
    EXPECT_EQ(c[1].size, 20);
    EXPECT_EQ(c[2].type, fb::ColumnType::Numeric);
    EXPECT_EQ(c[2].scale, -6);
    EXPECT_EQ(c[3].type, fb::ColumnType::TextBlob);
    EXPECT_EQ(c[4].type, fb::ColumnType::Double);
    EXPECT_EQ(c[5].type, fb::ColumnType::Integer);
    EXPECT_EQ(c[6].type, fb::ColumnType::Date);
    EXPECT_EQ(c[7].type, fb::ColumnType::Timestamp);
    EXPECT_TRUE(st.isSelect());
}

TEST_F(FbWrapper, RepeatedNamedParameterFillsEveryPosition) {
    db().execute(tr(), R"(Insert Into "CostSrv" ("ID_CostSrv", "Number", "Name") Values (1, 10, 'a:b'))");
    fb::Statement st(
        db(), tr(),
        R"(Update "CostSrv" Set "Number" = :N + 1, "Name" = 'x:Y' Where "ID_CostSrv" = :ID And "Number" = :N)");
    EXPECT_EQ(st.parameterNames(), (QStringList{"N", "ID"}));
    st.set("N", 10);
    st.set("ID", 1);
    st.execute();
    EXPECT_EQ(st.rowsAffected(), 1);
    EXPECT_EQ(count(R"(Select "Number" From "CostSrv" Where "Name" = 'x:Y')"), 11);
    EXPECT_THROW(st.set("Missing", 1), fb::Error);
}

TEST_F(FbWrapper, GeneratorsCountAndSurviveRollback) {
    EXPECT_EQ(db().nextValue(tr(), "ID_GEN_COST"), 1);
    EXPECT_EQ(db().nextValue(tr(), "ID_GEN_COST"), 2);
    tr().rollback();
    tr().start();
    EXPECT_EQ(db().currentValue(tr(), "ID_GEN_COST"), 2);
    EXPECT_EQ(db().nextValue(tr(), "ID_GEN_COSTLNK"), 1);
    EXPECT_THROW(db().nextValue(tr(), "NO_SUCH_GEN"), fb::Error);
}

TEST_F(FbWrapper, SavepointRollbackUndoesOnlyLaterWork) {
    db().execute(tr(), R"(Insert Into "ListService" ("ID_ListService") Values (1))");
    tr().savepoint("Calc");
    db().execute(tr(), R"(Insert Into "ListService" ("ID_ListService") Values (2))");
    db().execute(tr(), R"(Insert Into "ListService" ("ID_ListService") Values (3))");
    tr().rollbackToSavepoint("Calc");
    EXPECT_EQ(count(R"(Select Count(*) From "ListService")"), 1);
    tr().savepoint("Kept");
    db().execute(tr(), R"(Insert Into "ListService" ("ID_ListService") Values (4))");
    tr().releaseSavepoint("Kept");
    EXPECT_EQ(count(R"(Select Count(*) From "ListService")"), 2);
    try {
        tr().rollbackToSavepoint("Kept");
        FAIL() << "rolled back to a released savepoint";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.hasCode(fb::code::noSavepoint)) << e.message().toStdString();
    }
}

TEST_F(FbWrapper, CommitAndStartAgainKeepsStatementsAndSeesOtherWork) {
    fb::Statement countRows(db(), tr(), R"(Select Count(*) From "Cost")");
    fb::Connection other = fb::Connection::attach(folder().estimatesPath());
    fb::Transaction otherTr(other);
    otherTr.start();
    other.execute(otherTr, R"(Insert Into "Cost" ("ID_Cost") Values (500))");
    otherTr.commit();

    countRows.execute();
    EXPECT_EQ(countRows.returned().at(0).toInt(), 0); // our snapshot is older
    tr().commitRetaining();
    countRows.execute();
    EXPECT_EQ(countRows.returned().at(0).toInt(), 0); // and kept by commitRetaining
    tr().commit();
    EXPECT_FALSE(tr().isActive());
    EXPECT_THROW(countRows.execute(), fb::Error);
    tr().start();
    countRows.execute();
    EXPECT_EQ(countRows.returned().at(0).toInt(), 1);
}

TEST_F(FbWrapper, UpdateConflictGivesEngineTextAndLosesNothing) {
    db().execute(tr(), R"(Insert Into "Cost" ("ID_Cost", "Cust_Name") Values (1, 'before'))");
    tr().commit();
    tr().start();

    fb::Connection other = fb::Connection::attach(folder().estimatesPath());
    fb::Transaction otherTr(other);
    otherTr.start();
    fb::Statement otherUpdate(other, otherTr, R"(Update "Cost" Set "Cust_Name" = :Name Where "ID_Cost" = 1)");
    otherUpdate.set("Name", QString::fromUtf8("друге"));
    otherUpdate.execute();

    fb::Statement update(db(), tr(), R"(Update "Cost" Set "Cust_Name" = :Name Where "ID_Cost" = 1)");
    update.set("Name", QString::fromUtf8("перше"));
    try {
        update.execute();
        FAIL() << "no conflict reported";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.isUpdateConflict());
        EXPECT_TRUE(e.hasCode(fb::code::updateConflict));
        EXPECT_TRUE(e.message().contains("update conflicts with concurrent update"))
            << e.message().toStdString();
    }
    // Our transaction goes on; the other one's change is kept.
    EXPECT_TRUE(tr().isActive());
    otherTr.commit();
    tr().commit();
    tr().start();
    fb::Statement read(db(), tr(), R"(Select "Cust_Name" From "Cost" Where "ID_Cost" = 1)");
    read.execute();
    EXPECT_EQ(read.returned().at(0).toString(), QString::fromUtf8("друге"));
}

TEST_F(FbWrapper, CursorOverBlobRowsSurvivesCommitRetaining) {
    for (int i = 1; i <= 5; ++i) {
        fb::Statement ins(db(), tr(), R"(Insert Into "Cost" ("ID_Cost", "Note") Values (:ID, :Note))");
        ins.set("ID", i);
        ins.set("Note", QString::fromUtf8("примітка %1").arg(i));
        ins.execute();
    }
    fb::Statement sel(db(), tr(), R"(Select "ID_Cost", "Note" From "Cost" Order By "ID_Cost")");
    fb::ResultSet rs = sel.openCursor();
    ASSERT_TRUE(rs.next());
    tr().commitRetaining();
    int n = 1;
    while (rs.next())
        EXPECT_EQ(rs.string("Note"), QString::fromUtf8("примітка %1").arg(++n));
    EXPECT_EQ(n, 5);
}

TEST(FbConnection, MissingDatabaseGivesTheEngineText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("does_not_exist.fdb");
    try {
        fb::Connection::attach(path);
        FAIL() << "attached a missing file";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.hasCode(fb::code::ioError));
        EXPECT_TRUE(e.hasCode(fb::code::ioOpenError));
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("No such file or directory")) << e.message().toStdString();
    }
}

TEST(FbConnection, ServerAddressFromSettings) {
    EXPECT_EQ(fb::Connection::address("", "/work/a", "velta.fdb"), "/work/a/velta.fdb");
    EXPECT_EQ(fb::Connection::address("office", "/srv/db", "velta.fdb"), "office:/srv/db/velta.fdb");
    EXPECT_EQ(fb::Connection::address("office/3051", "/srv/db/", "service.fdb"),
              "office/3051:/srv/db/service.fdb");
}

// The engine settles its lock folder once per process, so these run a second
// copy of this test program that only tries to attach (FbChildProcess.Attach).
namespace {

struct ChildResult {
    int exitCode = -1;
    QString output;
};

ChildResult attachInChild(const QString& database, const QString& lockFolder = QString()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VELTA_CHILD_ATTACH", database);
    if (!lockFolder.isEmpty())
        env.insert("FIREBIRD_LOCK", lockFolder);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=FbChildProcess.Attach"});
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

} // namespace

TEST(FbChildProcess, Attach) {
    const QString database = qEnvironmentVariable("VELTA_CHILD_ATTACH");
    if (database.isEmpty())
        GTEST_SKIP() << "runs only as the child of another test";
    try {
        fb::Connection::attach(database);
        std::printf("CHILD attached\n");
    } catch (const fb::Error& e) {
        std::printf("CHILD error%s%s\n%s\n", e.isDatabaseInUse() ? " in-use" : "",
                    e.hasCode(fb::code::sysRequest) ? " lock-folder" : "", e.message().toUtf8().constData());
    }
}

TEST_F(FbWrapper, SecondProcessCannotOpenTheHeldDatabase) {
    const ChildResult r = attachInChild(folder().estimatesPath());
    EXPECT_TRUE(r.output.contains("CHILD error in-use")) << r.output.toStdString();
}

TEST(FbConnection, UnusableLockFolderGetsAMessageSayingWhatToDo) {
    velta::test::DbFolder folder;
    ASSERT_TRUE(folder.isValid());
    // A lock folder below a plain file can never be made, whoever runs the test.
    QFile blocker(folder.filePath("not_a_folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ChildResult r = attachInChild(folder.estimatesPath(), blocker.fileName() + "/locks");
    EXPECT_TRUE(r.output.contains("CHILD error lock-folder")) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains("FIREBIRD_LOCK")) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(blocker.fileName() + "/locks")) << r.output.toStdString();
}
