// The data module on fresh databases: start-up, keys and defaults, derived
// values, cascades, the start-up upgrade, free SQL and the by-name operations.

#include "common/db_fixture.h"
#include "core/registry.h"
#include "data/database.h"
#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/fb/transaction.h"
#include "data/tdm4.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using velta::data::Dataset;
using velta::data::TDM4;
namespace fb = velta::data::fb;

namespace {

class Tdm4Test : public velta::test::DbFixture {
protected:
    // Runs statements on a database file before the data module opens it.
    void prepare(const QString& file, const QStringList& statements) {
        fb::Connection c = fb::Connection::attach(file);
        fb::Transaction t(c);
        t.start();
        for (const QString& s : statements)
            c.execute(t, s);
        t.commit();
    }
    void catalogue(const QStringList& s) { prepare(folder().cataloguePath(), s); }
    void estimates(const QStringList& s) { prepare(folder().estimatesPath(), s); }

    std::unique_ptr<TDM4> startModule() {
        TDM4::Options o;
        o.workingFolder = folder().path();
        o.registry = m_registry.get();
        o.log = [this](const QString& line) { m_log << line; };
        o.nextCostNumber = [](const QString& previous) { return previous + QStringLiteral("+1"); };
        auto dm = std::make_unique<TDM4>(o);
        EXPECT_TRUE(dm->start()) << dm->connectionError().toStdString();
        return dm;
    }

    QVariant scalar(TDM4& dm, const QString& sql) {
        dm.runQuerySQL(sql);
        return dm.QuerySQL().isEmpty() ? QVariant(QStringLiteral("<no row>")) : dm.QuerySQL().valueAt(0, 0);
    }

    QTemporaryDir m_registryDir;
    std::unique_ptr<velta::core::Registry> m_registry =
        std::make_unique<velta::core::ProfileRegistry>(m_registryDir.path());
    QStringList m_log;
};

TEST_F(Tdm4Test, StartOpensEverythingInOrderWithTheLogLabels) {
    auto dm = startModule();
    EXPECT_EQ(m_log, QStringList({"Открытие баз данных:",
                                  "Service",
                                  "ServiceLst",
                                  "ServiceLnk",
                                  "ServiceKof",
                                  "ServiceCat",
                                  "ServiceParam",
                                  "ServiceTable",
                                  "ServiceNote",
                                  "ListService",
                                  "ListServiceLnk",
                                  "TypeParameter",
                                  "TypeUnit",
                                  "Cost",
                                  "CostField",
                                  "CostSrv",
                                  "CostLnk",
                                  "CostParam",
                                  "CostValue",
                                  "Export",
                                  "Запуск программы успешно выполнен",
                                  ""}));
    for (const char* name : {"TbService", "TsSrvCat", "TbSrvNote", "TsSrvNote", "TbCostValue", "TbExport"})
        EXPECT_TRUE(dm->dataset(QString::fromLatin1(name))->isOpen()) << name;
    for (const char* name : {"TsCostSrv", "TlSrvNote", "TiSrvNote", "TbServiceList", "QbCostLnk", "QuerySQL"})
        EXPECT_FALSE(dm->dataset(QString::fromLatin1(name))->isOpen()) << name;
}

TEST_F(Tdm4Test, AMissingDatabaseTakesTheFailurePath) {
    QFile::remove(folder().estimatesPath());
    TDM4::Options o;
    o.workingFolder = folder().path();
    o.log = [this](const QString& line) { m_log << line; };
    TDM4 dm(o);
    EXPECT_FALSE(dm.start());
    EXPECT_TRUE(dm.connectionError().contains(QStringLiteral("velta.fdb")))
        << dm.connectionError().toStdString();
    EXPECT_FALSE(dm.isServiceConnected());
    EXPECT_FALSE(dm.isVeltaConnected());
    EXPECT_EQ(m_log, QStringList({"Программа не смогла открыть базу данных", ""}));
}

TEST_F(Tdm4Test, ASecondProgramOnTheSameFilesGetsAClearMessage) {
    // Another process (isql-fb, embedded like us) holds the estimates file.
    QProcess holder;
    holder.start(QStringLiteral("isql-fb"), {QStringLiteral("-user"), QStringLiteral("SYSDBA"),
                                             QStringLiteral("-q"), folder().estimatesPath()});
    if (!holder.waitForStarted(5000))
        GTEST_SKIP() << "isql-fb is not available";
    holder.write("SELECT 'attached' FROM RDB$DATABASE;\n");
    QByteArray out;
    while (!out.contains("attached") && holder.waitForReadyRead(10000))
        out += holder.readAllStandardOutput();
    ASSERT_TRUE(out.contains("attached")) << out.constData();

    TDM4::Options o;
    o.workingFolder = folder().path();
    o.log = [this](const QString& line) { m_log << line; };
    TDM4 dm(o);
    EXPECT_FALSE(dm.start());
    EXPECT_TRUE(
        dm.connectionError().startsWith(QStringLiteral("База даних вже відкрита іншою копією програми")))
        << dm.connectionError().toStdString();
    EXPECT_EQ(m_log, QStringList({"Программа не смогла открыть базу данных", ""}));
    holder.write("QUIT;\n");
    holder.closeWriteChannel();
    holder.waitForFinished(10000);
}

TEST_F(Tdm4Test, CatalogueKeysAndPriceRowNumbers) {
    catalogue(
        {R"(INSERT INTO "Service" ("ID_Service", "Name") VALUES (7, 'Збірник'))",
         R"(INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "Number") VALUES (40, 7, 1))",
         R"(INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceLnk", "Number") )"
         R"(VALUES (41, 7, 40, 1))",
         R"(INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number") VALUES (500, 41, 1))",
         R"(INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number") VALUES (501, 41, 2))",
         R"(INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number") VALUES (502, 41, 3))",
         R"(INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number") VALUES (503, 41, 10))"});
    auto dm = startModule();
    // An empty table starts at 1.
    dm->TbTypeUnit().append();
    EXPECT_EQ(dm->TbTypeUnit().value(QStringLiteral("ID_TypeUnit")).toInt(), 1);
    dm->TbTypeUnit().setValue(QStringLiteral("Name"), QStringLiteral("га"));
    dm->TbTypeUnit().post();
    dm->TbTypeUnit().append();
    EXPECT_EQ(dm->TbTypeUnit().value(QStringLiteral("ID_TypeUnit")).toInt(), 2);
    dm->TbTypeUnit().cancel();

    Dataset& lnk = dm->TbServiceLnk();
    lnk.setParam(QStringLiteral("idServiceList"), 40);
    lnk.refresh();
    ASSERT_EQ(lnk.recordCount(), 1);
    Dataset& table = dm->TbSrvTable();
    ASSERT_EQ(table.recordCount(), 4);
    table.moveTo(2); // the third row, number 3
    table.append();
    EXPECT_EQ(table.value(QStringLiteral("Number")).toInt(), 4);
    EXPECT_EQ(table.value(QStringLiteral("ID_ServiceList")).toInt(), 41);
    EXPECT_EQ(table.value(QStringLiteral("ID_ServiceTbl")).toInt(), 504);
    table.post();

    // A new subsection belongs to the section named by the parameter.
    lnk.append();
    EXPECT_EQ(lnk.value(QStringLiteral("ID_ServiceLnk")).toInt(), 40);
    EXPECT_EQ(lnk.value(QStringLiteral("ID_Service")).toInt(), 7);
    EXPECT_EQ(lnk.value(QStringLiteral("ID_ServiceType")).toInt(), 0);
    EXPECT_EQ(lnk.value(QStringLiteral("ID_ServiceList")).toInt(), 42);
    lnk.cancel();

    // Deleting a subsection takes its price rows with it.
    lnk.first();
    lnk.remove();
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "ServiceTbl" Where "ID_ServiceList" = 41)").toInt(), 0);
}

TEST_F(Tdm4Test, NewEstimateNumberFollowsThePreviousOne) {
    TDM4::Options o;
    o.workingFolder = folder().path();
    o.registry = m_registry.get();
    o.now = [] { return QDateTime(QDate(2026, 3, 9), QTime(10, 0)); };
    TDM4 dm(o);
    ASSERT_TRUE(dm.start()) << dm.connectionError().toStdString();
    Dataset& cost = dm.TbCost();
    cost.append();
    EXPECT_EQ(cost.value(QStringLiteral("Cost_Number")).toString(), QStringLiteral("1"));
    cost.setValue(QStringLiteral("Cost_Number"), QStringLiteral("12/ЗК/01.02.2026"));
    cost.post();
    cost.append();
    EXPECT_EQ(cost.value(QStringLiteral("Cost_Number")).toString(), QStringLiteral("13/ЗК/09.03.2026"));
    cost.cancel();
}

TEST_F(Tdm4Test, EstimateDefaultsSumAndGeneratorKeys) {
    auto dm = startModule();
    Dataset& cost = dm->TbCost();
    cost.append();
    EXPECT_EQ(cost.value(QStringLiteral("Cost_Number")).toString(), QStringLiteral("1"));
    EXPECT_EQ(cost.value(QStringLiteral("Cost_Date")).toDate(), QDate::currentDate());
    cost.setValue(QStringLiteral("Sum_Real"), 0.0);
    cost.setValue(QStringLiteral("Sum_Full"), 1200.0);
    cost.setValue(QStringLiteral("Area"), 25000.0);
    EXPECT_DOUBLE_EQ(cost.value(QStringLiteral("S")).toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(cost.value(QStringLiteral("Sum")).toDouble(), 1200.0);
    EXPECT_TRUE(cost.value(QStringLiteral("ID_Cost")).isNull());
    cost.post();
    const int first = cost.value(QStringLiteral("ID_Cost")).toInt();
    EXPECT_GT(first, 0);
    EXPECT_DOUBLE_EQ(
        scalar(*dm, QStringLiteral(R"(Select "Sum" From "Cost" Where "ID_Cost" = %1)").arg(first)).toDouble(),
        1200.0);
    cost.edit();
    cost.setValue(QStringLiteral("Sum_Real"), 1000.0);
    cost.post();
    EXPECT_DOUBLE_EQ(
        scalar(*dm, QStringLiteral(R"(Select "Sum" From "Cost" Where "ID_Cost" = %1)").arg(first)).toDouble(),
        1000.0);

    // The next estimate is numbered after the one with the largest key; a key given by hand is kept.
    cost.append();
    EXPECT_EQ(cost.value(QStringLiteral("Cost_Number")).toString(), QStringLiteral("1+1"));
    cost.setValue(QStringLiteral("ID_Cost"), 900);
    cost.post();
    EXPECT_EQ(cost.value(QStringLiteral("ID_Cost")).toInt(), 900);
    EXPECT_EQ(scalar(*dm, QStringLiteral(R"(Select Count(*) From "Cost" Where "ID_Cost" = 900)")).toInt(), 1);

    // Value lines show their full name.
    ASSERT_TRUE(cost.locate(QStringLiteral("ID_Cost"), first));
    dm->TbCostSrv().append();
    dm->TbCostSrv().setValue(QStringLiteral("ID_Service"), 3);
    dm->TbCostSrv().post();
    dm->TbCostLnk().append();
    dm->TbCostLnk().setValue(QStringLiteral("ID_Service"), 3);
    dm->TbCostLnk().post();
    Dataset& values = dm->TbCostValue();
    values.append();
    values.setValue(QStringLiteral("Name"), QStringLiteral(" Зйомка "));
    values.setValue(QStringLiteral("Description"), QStringLiteral("1:500"));
    EXPECT_EQ(values.value(QStringLiteral("FullName")).toString(), QStringLiteral("Зйомка , 1:500"));
    values.setValue(QStringLiteral("Description"), QString());
    EXPECT_EQ(values.value(QStringLiteral("FullName")).toString(), QStringLiteral("Зйомка"));
    values.post();
    EXPECT_EQ(values.value(QStringLiteral("ID_CostLnk")),
              dm->TbCostLnk().value(QStringLiteral("ID_CostLnk")));
}

TEST_F(Tdm4Test, DeletingAnEstimateCascadesAndLeavesItsExtraValues) {
    auto dm = startModule();
    Dataset& cost = dm->TbCost();
    cost.append();
    cost.post();
    const QVariant id = cost.value(QStringLiteral("ID_Cost"));
    dm->TbCostField().append();
    dm->TbCostField().setValue(QStringLiteral("Field01"), QStringLiteral("x"));
    dm->TbCostField().post();
    for (int collection = 1; collection <= 2; ++collection) {
        dm->TbCostSrv().append();
        EXPECT_EQ(dm->TbCostSrv().value(QStringLiteral("Number")).toInt(), collection);
        dm->TbCostSrv().setValue(QStringLiteral("ID_Service"), 10 + collection);
        dm->TbCostSrv().post();
        for (int section = 1; section <= 3; ++section) {
            dm->TbCostLnk().append();
            EXPECT_EQ(dm->TbCostLnk().value(QStringLiteral("Number")).toInt(), section);
            dm->TbCostLnk().setValue(QStringLiteral("ID_Service"), 10 + collection);
            dm->TbCostLnk().post();
            dm->TbCostParam().append();
            dm->TbCostParam().post();
            dm->TbCostValue().append();
            dm->TbCostValue().post();
            dm->TbCostValue().append();
            dm->TbCostValue().post();
        }
        EXPECT_EQ(dm->TbCostLnk().recordCount(), 3);
    }
    // Another estimate's rows stay.
    cost.append();
    cost.post();
    dm->TbCostSrv().append();
    dm->TbCostSrv().setValue(QStringLiteral("ID_Service"), 11);
    dm->TbCostSrv().post();
    dm->TbCostLnk().append();
    dm->TbCostLnk().setValue(QStringLiteral("ID_Service"), 11);
    dm->TbCostLnk().post();

    ASSERT_TRUE(cost.locate(QStringLiteral("ID_Cost"), id));
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostLnk")").toInt(), 7);
    const int lastValue = scalar(*dm, R"(Select Max("ID_CostValue") From "CostValue")").toInt();
    dm->commit();
    {
        // Another connection holds the estimate's last value line: the
        // cascade fails near its end and takes back everything it did.
        velta::data::Database other(folder().estimatesPath(), QStringLiteral("SYSDBA"),
                                    QStringLiteral("masterkey"));
        other.run(R"(Update "CostValue" Set "Name" = 'x' Where "ID_CostValue" = :ID)", {{"ID", lastValue}});
        EXPECT_THROW(cost.remove(), fb::Error);
        EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostLnk")").toInt(), 7);
        EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostValue")").toInt(), 12);
        EXPECT_EQ(cost.value(QStringLiteral("ID_Cost")), id);
        EXPECT_EQ(dm->TbCostSrv().recordCount(), 2);
        EXPECT_EQ(dm->TbCostLnk().recordCount(), 3);
    }
    cost.remove();
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostSrv")").toInt(), 1);
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostLnk")").toInt(), 1);
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostParam")").toInt(), 0);
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostValue")").toInt(), 0);
    EXPECT_EQ(
        scalar(*dm,
               QStringLiteral(R"(Select Count(*) From "CostField" Where "ID_Cost" = %1)").arg(id.toInt()))
            .toInt(),
        1);
}

TEST_F(Tdm4Test, QuerySqlRoutingAndQueryToList) {
    catalogue({R"(INSERT INTO "Service" ("ID_Service", "Name") VALUES (1, 'a'))",
               R"(INSERT INTO "Service" ("ID_Service", "Name") VALUES (2, 'b'))",
               R"(INSERT INTO "Service" ("ID_Service", "Name") VALUES (3, 'c'))"});
    estimates({R"(INSERT INTO "CostLnk" ("ID_CostLnk") VALUES (1))"});
    auto dm = startModule();
    // The table names are the same kind of text; only the quote before Cost decides.
    EXPECT_TRUE(TDM4::goesToEstimates(R"(Select Count(*) From "CostLnk")"));
    EXPECT_FALSE(TDM4::goesToEstimates(R"(Select Count(*) From "Service")"));
    EXPECT_FALSE(TDM4::goesToEstimates(R"(Select Count(*) From Cost)"));
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "CostLnk")").toInt(), 1);
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "Service")").toInt(), 3);
    EXPECT_TRUE(dm->QuerySQL().isOpen());
    // A statement with no rows runs and leaves nothing open.
    EXPECT_FALSE(dm->runQuerySQL(R"(Update "Service" Set "Name" = 'z' Where "ID_Service" = 3)"));
    EXPECT_EQ(scalar(*dm, R"(Select "Name" From "Service" Where "ID_Service" = 3)").toString(),
              QStringLiteral("z"));

    QStringList list{QStringLiteral("old")};
    dm->QueryToList(R"(Select "Name" From "Service" Where "ID_Service" = 1)", list);
    EXPECT_TRUE(list.isEmpty()); // one row is not a list
    dm->QueryToList(R"(Select "Name" From "Service" Where "ID_Service" <= 2 Order By 1)", list);
    EXPECT_EQ(list, QStringList({"a", "b"}));
    dm->QueryToList("Select Cast('k1' As Varchar(5)), Cast('v1' As Varchar(5)) From RDB$DATABASE Union All "
                    "Select 'k2', '' From RDB$DATABASE Union All Select '', 'v3' From RDB$DATABASE Union All "
                    "Select 'k4', 'v4' From RDB$DATABASE",
                    list);
    EXPECT_EQ(list, QStringList({"v1", "k2", "v4"}));
    EXPECT_FALSE(dm->QuerySQL().isOpen());
}

TEST_F(Tdm4Test, ByNameOperationsNeedTheDm4Prefix) {
    auto dm = startModule();
    dm->TbCost().append();
    dm->TbCost().post();
    dm->TbCost().append();
    dm->TbCost().setValue(QStringLiteral("Cust_Name"), QStringLiteral("Київ"));
    dm->TbCost().post();
    EXPECT_EQ(dm->RecordCount(QStringLiteral("TbCost")), 0);
    EXPECT_EQ(dm->RecordCount(QStringLiteral("xdm4.TbCost")), 0);
    EXPECT_EQ(dm->RecordCount(QStringLiteral("dm.TbCost")), 0);
    EXPECT_EQ(dm->RecordCount(QStringLiteral("dm4.TbCostX")), 0);
    EXPECT_EQ(dm->RecordCount(QStringLiteral("DM4.TBCOST")), 2);
    EXPECT_EQ(dm->GetValue(QStringLiteral("dm4.TbCost"), QStringLiteral("NoSuchField")), QVariant(false));
    EXPECT_EQ(dm->GetValue(QStringLiteral("TbCost"), QStringLiteral("ID_Cost")), QVariant(false));

    EXPECT_TRUE(
        dm->LocateData(QStringLiteral("dm4.TbCost"), QStringLiteral("Cust_Name"), QStringLiteral("КИЇВ")));
    dm->SetValue(QStringLiteral("dm4.tbcost"), QStringLiteral("Cust_Name"), QStringLiteral("Львів"));
    EXPECT_EQ(dm->TbCost().state(), Dataset::State::Browse);
    EXPECT_EQ(scalar(*dm, R"(Select Count(*) From "Cost" Where "Cust_Name" = 'Львів')").toInt(), 1);

    dm->FilterData(QStringLiteral("dm4.TbCost"), QStringLiteral("Cust_Name = Null"));
    EXPECT_EQ(dm->RecordCount(QStringLiteral("dm4.TbCost")), 1);
    dm->FilterData(QStringLiteral("dm4.TbCost"), QStringLiteral("  "));
    EXPECT_EQ(dm->RecordCount(QStringLiteral("dm4.TbCost")), 2);
    dm->DataFirst(QStringLiteral("dm4.TbCost"));
    EXPECT_TRUE(dm->DataBof(QStringLiteral("dm4.TbCost")));
    dm->DataNext(QStringLiteral("dm4.TbCost"));
    dm->DataNext(QStringLiteral("dm4.TbCost"));
    EXPECT_TRUE(dm->DataEof(QStringLiteral("dm4.TbCost")));
    EXPECT_FALSE(dm->DataEof(QStringLiteral("TbCost")));
}

TEST_F(Tdm4Test, UpgradeAddsThePaymentColumnsOnce) {
    estimates({R"(ALTER TABLE "Cost" DROP "Payment_Sum", DROP "Payment_Date")"});
    const QString count =
        R"(Select Count(*) "Cost" From RDB$RELATION_FIELDS Where RDB$RELATION_NAME = 'Cost' And )"
        R"(RDB$FIELD_NAME In ('Payment_Sum', 'Payment_Date'))";
    {
        auto dm = startModule();
        EXPECT_EQ(scalar(*dm, count).toInt(), 2);
        EXPECT_TRUE(dm->TbCost().hasField(QStringLiteral("Payment_Sum")));
        // The new columns take values at once.
        dm->TbCost().append();
        dm->TbCost().setValue(QStringLiteral("Payment_Sum"), 12.5);
        dm->TbCost().post();
        dm->commit();
    }
    m_log.clear();
    auto dm = startModule();
    EXPECT_EQ(m_log.last(2).first(), QStringLiteral("Запуск программы успешно выполнен"));
    EXPECT_EQ(scalar(*dm, count).toInt(), 2);
    EXPECT_DOUBLE_EQ(dm->TbCost().value(QStringLiteral("Payment_Sum")).toDouble(), 12.5);
}

TEST_F(Tdm4Test, CoefficientTenFollowsTheRegistryOnlyAfterAVersionChange) {
    catalogue(
        {R"(INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "fPassive") VALUES (10, 1, 'F'))"});
    using namespace velta::core::registry_keys;
    m_registry->writeString(kVelta2, kPasIdx2001, QStringLiteral("T"));
    const QString read = R"(Select "fPassive" From "ServiceKof" Where "ID_ServiceKof" = 10)";
    {
        m_registry->writeString(kVelta2, kVersion, QStringLiteral(VELTA_VERSION));
        auto dm = startModule();
        EXPECT_EQ(scalar(*dm, read).toString(), QStringLiteral("F"));
    }
    {
        m_registry->writeString(kVelta2, kVersion, QString());
        auto dm = startModule();
        EXPECT_EQ(scalar(*dm, read).toString(), QStringLiteral("F")); // no version yet: a first run
    }
    m_registry->writeString(kVelta2, kVersion, QStringLiteral("2.0.0.6"));
    auto dm = startModule();
    EXPECT_EQ(scalar(*dm, read).toString(), QStringLiteral("T"));
}

TEST_F(Tdm4Test, UpgradeCreatesTheExportTableAndCommitKeepsTheRows) {
    catalogue({R"(DROP TABLE "Export")"});
    auto dm = startModule();
    ASSERT_TRUE(dm->TbExport().isOpen());
    Dataset& ex = dm->TbExport();
    ex.append();
    ex.setValue(QStringLiteral("Name"), QStringLiteral("Cust_Name"));
    ex.setValue(QStringLiteral("DataBase"), QStringLiteral("Cost"));
    ex.setValue(QStringLiteral("Note"), QStringLiteral("Замовник - ПІБ"));
    ex.post();
    // A new text field starts from the current one.
    ex.append();
    EXPECT_EQ(ex.value(QStringLiteral("Name")).toString(), QStringLiteral("Cust"));
    EXPECT_EQ(ex.value(QStringLiteral("DataBase")).toString(), QStringLiteral("Cost"));
    EXPECT_EQ(ex.value(QStringLiteral("Note")).toString(), QStringLiteral("Замовник "));
    ex.cancel();
    dm->commit();
    EXPECT_EQ(ex.recordCount(), 1);
    EXPECT_EQ(ex.value(QStringLiteral("Name")).toString(), QStringLiteral("Cust_Name"));
}

} // namespace

namespace {

TEST_F(Tdm4Test, UpgradeAddsTheLaterParameterKindOnceWithItsCyrillicName) {
    catalogue({R"(INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "ID_TypeParameter") )"
               R"(VALUES (317, 150, 5))"});
    const QString name = QStringLiteral("виконання робіт для новостворених господарств, що мають "
                                        "правовстановлювальні документи на землю");
    for (int run = 0; run < 2; ++run) {
        auto dm = startModule();
        dm->runQuerySQL(
            R"(Select "Name", "ID_TypeValue" From "TypeParameter" Where "ID_TypeParameter" = 1064)");
        ASSERT_EQ(dm->QuerySQL().recordCount(), 1) << "run " << run;
        EXPECT_EQ(dm->QuerySQL().value(QStringLiteral("Name")).toString(), name);
        EXPECT_EQ(dm->QuerySQL().value(QStringLiteral("ID_TypeValue")).toInt(), 2);
        dm->runQuerySQL(
            R"(Select "ID_TypeParameter", "NameParameter" From "ServiceNote" Where "ID_ServiceNote" = 317)");
        EXPECT_EQ(dm->QuerySQL().value(QStringLiteral("ID_TypeParameter")).toInt(), 1064);
        EXPECT_EQ(dm->QuerySQL().value(QStringLiteral("NameParameter")).toString(), name);
        // The step is not committed by the start; the next commit makes it durable.
        dm->commit();
    }
}

} // namespace
