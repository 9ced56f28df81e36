// The catalogue read from the shipped catalogue database: every row of a
// collection arrives, and every section of the shipped collections prices
// through the whole calculation with the real evaluator (so every shipped
// formula is one it accepts).

#include "calc/sql_catalogue.h"
#include "calc_fixture.h"
#include "common/db_fixture.h"
#include "data/database.h"

using namespace velta::calc;

namespace {

class SqlCatalogue : public velta::test::DbFixture {
protected:
    velta::test::Catalogue catalogue() const override { return velta::test::Catalogue::Shipped; }
};

int count(velta::data::SqlExecutor& db, const QString& sql) {
    return db.run(sql, {}).rows.at(0).at(0).toInt();
}

TEST_F(SqlCatalogue, LoadsEveryRowAndPricesEverySection) {
    velta::data::Database db(folder().cataloguePath(), QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    std::vector<int> services;
    for (const auto& row : db.run(QStringLiteral("SELECT \"ID_Service\" FROM \"Service\""), {}).rows)
        services.push_back(row.at(0).toInt());
    if (services.empty())
        GTEST_SKIP() << "no shipped catalogue";
    InMemoryCatalogue cat;
    LoadCatalogue(db, services, cat);

    int sections = 0, params = 0, notes = 0, rows = 0;
    for (int s : services)
        for (const ServiceList* l : cat.sectionsOfService(s)) {
            ++sections;
            params += int(cat.parameters(l->idServiceList).size());
            notes += int(cat.notes(l->idServiceList).size());
            rows += int(cat.priceRows(l->idServiceList).size());
        }
    EXPECT_EQ(sections, count(db, QStringLiteral("SELECT COUNT(*) FROM \"ServiceList\"")));
    EXPECT_EQ(params, count(db, QStringLiteral("SELECT COUNT(*) FROM \"ServiceParam\"")));
    EXPECT_EQ(notes, count(db, QStringLiteral("SELECT COUNT(*) FROM \"ServiceNote\"")));
    EXPECT_EQ(rows, count(db, QStringLiteral("SELECT COUNT(*) FROM \"ServiceTbl\"")));

    Estimate est;
    est.cost.idCost = 1;
    est.cost.area = 25000;
    int id = 1;
    for (int s : services) {
        CostSrv srv;
        srv.idCostSrv = id++;
        srv.idService = s;
        srv.number = srv.idCostSrv;
        est.collections.push_back(srv);
        int number = 1;
        for (const ServiceList* l : cat.sectionsOfService(s)) {
            CostLnk lnk;
            lnk.idCostLnk = id++;
            lnk.idService = s;
            lnk.number = number++;
            lnk.idServiceList = l->idServiceList;
            lnk.name = l->name;
            est.sections.push_back(lnk);
        }
    }
    est.normalise();
    CalcSettings settings;
    settings.autoAppend = true;
    settings.index = true;
    CreateSectionParameters(est, cat);
    ApplyHeaderQuantities(est, cat);
    const CalcContext ctx{cat, settings};
    EXPECT_NO_THROW(Calculate(est, ctx));
    EXPECT_GT(est.cost.sumFull.value_or(0), 0);
}

} // namespace
