#pragma once
// Working folders for the calculation through the databases: the shipped
// catalogue with a small collection of our own on top (key 901: a priced
// section and its general provisions, numbers chosen so that every sum can
// be worked out by hand), and two estimates on it in the estimates database.
//
// Estimate 1 prices 12 ha at 200 with a coefficient 1.25 on A (a note whose
// parameter is created with its default 1); the general provisions are added
// by the command and hold a one-percent line over the estimate sum and an
// index of 1.1. Estimate 2 is a second estimate that no test of estimate 1
// may touch.

#include "calc/calc_context.h"
#include "calc_fixture.h"
#include "common/db_fixture.h"
#include "data/database.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace velta::calc::test {

inline std::unique_ptr<data::Database> openDatabase(const QString& file) {
    return std::make_unique<data::Database>(file, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
}

inline void runAll(data::Database& db, const QStringList& statements) {
    for (const QString& s : statements)
        db.run(s, {});
}

// One line per row: the columns joined by " | ", NULL as "-", numbers with
// fifteen significant digits and a full stop.
inline QStringList dumpRows(data::SqlExecutor& db, const QString& sql) {
    QStringList out;
    for (const auto& row : db.run(sql, {}).rows) {
        QStringList cells;
        for (const QVariant& v : row) {
            if (v.isNull())
                cells << QStringLiteral("-");
            else if (v.typeId() == QMetaType::Double)
                cells << QString::number(v.toDouble(), 'g', 15);
            else
                cells << v.toString();
        }
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

// Every row of the five estimate tables, every column, by key.
inline QStringList everyEstimateRow(data::SqlExecutor& db) {
    QStringList out;
    for (const char* t : {"Cost", "CostSrv", "CostLnk", "CostParam", "CostValue"}) {
        const QString table = QString::fromLatin1(t);
        out << QStringLiteral("== ") + table;
        out << dumpRows(db, QStringLiteral("SELECT * FROM \"%1\" ORDER BY \"ID_%1\"").arg(table));
    }
    return out;
}

// The rows of estimate 1 a calculation writes, without the keys that the
// generators hand out: sections by Number, their rows under it.
inline QStringList estimateRows(data::SqlExecutor& db, int idCost = 1) {
    const QString id = QString::number(idCost);
    QStringList out;
    out << dumpRows(db, QStringLiteral(R"(SELECT "Cost_Number", "fSumParam", "PDV", "Sum_Full", "Sum"
                        FROM "Cost" WHERE "ID_Cost" = %1)")
                            .arg(id));
    out << dumpRows(db, QStringLiteral(R"(SELECT "Number", "ID_Service", "Name", "Summ" FROM "CostSrv"
                        WHERE "ID_Cost" = %1 ORDER BY "Number")")
                            .arg(id));
    out << dumpRows(db, QStringLiteral(R"(SELECT "Number", "ID_Service", "ID_ServiceList", "ID_ServiceType",
                        "Name", "Sum", "Sum_Field", "Sum_Cameral", "Kof", "KofA", "KofB", "Calculation",
                        "KofDaysA", "DaysA", "KofDaysB", "DaysB" FROM "CostLnk" WHERE "ID_Cost" = %1
                        ORDER BY "Number")")
                            .arg(id));
    out << dumpRows(db, QStringLiteral(R"(SELECT l."Number", p."ID_TypeParameter", p."Number", p."Name",
                        p."PValue", p."ID_TypeKof", p."ID_ServiceList" FROM "CostParam" p
                        JOIN "CostLnk" l ON l."ID_CostLnk" = p."ID_CostLnk" WHERE l."ID_Cost" = %1
                        ORDER BY l."Number", p."Number", p."ID_CostParam")")
                            .arg(id));
    out << dumpRows(db, QStringLiteral(R"(SELECT l."Number", v."ID_TypeValue", v."ID_TypeCalc",
                        v."ID_ServiceTbl", v."ID_TypeParameter", v."Name", v."A", v."B", v."DaysA", v."DaysB",
                        v."Formula", v."Kof", v."ParamA", v."ParamB", v."Description", v."Calculation",
                        v."SumValue", v."ID_ServiceKof", v."ID_TypeKof" FROM "CostValue" v
                        JOIN "CostLnk" l ON l."ID_CostLnk" = v."ID_CostLnk" WHERE l."ID_Cost" = %1
                        ORDER BY l."Number", v."ID_TypeValue", v."ID_CostValue")")
                            .arg(id));
    return out;
}

// What estimate 1 holds after the Calculate command under kSettings(): the
// priced section 200*12*1.25 = 3000 (man-day price 200/100 = 2, so 1500
// man-days); general provisions 1 % of 3000 = 30 and the index 0.1 of 3030
// = 303, so 333; the collection 3333; expertise 3 % = 99.99, VAT 20 % of
// 3432.99 = 686.60; the estimate 4119.59.
inline QStringList calculatedEstimateOne() {
    return {
        "7/2024 | T | 686.6 | 4119.59 | 4119.59",
        "1 | 901 | Тестовий збірник | 3333",
        "1 | 901 | 9101 | 0 | Топографічне знімання | 3000 | 3000 | 0 | - | - | - | 200*12*1,25 | 2 | 1500 "
        "| 0 | -",
        "99 | 901 | 9190 | 1 | Загальні положення | 333 | 333 | 0 | 1.1 | 1.1 | 1.1 | - | - | - | - | -",
        "1 | 9001 | 1 | Площа ділянки | 12 | - | -",
        "1 | 9002 | 11 | Забудована територія | 1 | - | -",
        "99 | 9003 | 1 | Сума кошторису | 3000 | - | -",
        "1 | 0 | 0 | 99001 | 0 | т. 1 | 200 | 0 | 100 | 0 | - | 1 | 12 | 1 | А = 200*12 | 12 га | - | - | -",
        "1 | 1 | 1 | 0 | 9002 | п. 3 прим. | 0 | 0 | 0 | 0 | - | 1.25 | 0 | 0 | Ка х (1,25) | - | - | - | -",
        "99 | 1 | 0 | 0 | 9003 | п. № 1 | 0 | 0 | 0 | 0 | 3000*0.01 | 1 | 0 | 0 | Сума кошторису (т) | "
        "3000*3000*0.01+30 | 30 | - | -",
        "99 | 1 | 0 | 0 | 0 | Лист № 1 | 0 | 0 | 0 | 0 | - | 1.1 | 0 | 0 | Індекс 2024 | 3030*1,1 | 303 | "
        "9901 "
        "| -",
    };
}

inline CalcSettings kSettings() {
    CalcSettings s;
    s.vat = true;
    s.vatPercent = 20;
    s.expertise = true;
    s.expertisePercent = 3;
    s.expertiseMinSum = 20;
    s.index = true;
    s.autoAppend = true;
    return s;
}

class StoreFixture : public velta::test::DbFixture {
protected:
    velta::test::Catalogue catalogue() const override { return velta::test::Catalogue::Shipped; }

    void SetUp() override {
        DbFixture::SetUp();
        seedCatalogue();
        seedEstimates();
    }

    void seedCatalogue() {
        auto db = openDatabase(folder().cataloguePath());
        runAll(*db,
               {
                   R"(INSERT INTO "TypeUnit" VALUES (901, 'га'))",
                   R"(INSERT INTO "TypeParameter" VALUES (9001, 'Площа ділянки, га', 9, 901))",
                   R"(INSERT INTO "TypeParameter" VALUES (9002, 'Забудована територія', 2, NULL))",
                   R"(INSERT INTO "TypeParameter" VALUES (9003, 'Сума кошторису (т)', 19, NULL))",
                   R"(INSERT INTO "Service" ("ID_Service", "Name", "Date")
                      VALUES (901, 'Тестовий збірник', '2024-01-01'))",
                   R"(INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceType", "Number",
                      "Table", "Name") VALUES (9101, 901, 0, 1, 'т. 1', 'Топографічне знімання'))",
                   R"(INSERT INTO "ServiceList" ("ID_ServiceList", "ID_Service", "ID_ServiceType", "Number",
                      "Name") VALUES (9190, 901, 1, 90, 'Загальні положення'))",
                   R"(INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter",
                      "ID_TypeValue", "Number", "Name", "Default")
                      VALUES (99001, 9101, 9001, 4, 1, 'Площа ділянки', 0))",
                   R"(INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter",
                      "ID_TypeValue", "Number", "Name", "Default")
                      VALUES (99002, 9190, 9003, 4, 1, 'Сума кошторису', 0))",
                   R"(INSERT INTO "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "A", "DaysA")
                      VALUES (99001, 9101, 1, 200, 100))",
                   R"(INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "ID_TypeParameter",
                      "ID_TypeCalc", "ID_TypeValue", "Number", "ValueFrom", "Kof", "NameParameter",
                      "Default", "NameTable", "ID_TypeKof", "CountParameters")
                      VALUES (99001, 9101, 9002, 1, 0, 1, 1, 1.25, 'Забудована територія', 1, 'п. 3 прим.',
                      0, 0))",
                   R"(INSERT INTO "ServiceNote" ("ID_ServiceNote", "ID_ServiceList", "ID_TypeParameter",
                      "ID_TypeCalc", "Number", "Kof", "Formula", "NameParameter", "ID_TypeKof")
                      VALUES (99002, 9190, 9003, 0, 1, 1, 'n*0.01', 'Сума кошторису', 0))",
                   R"(INSERT INTO "ServiceKof" ("ID_ServiceKof", "ID_Service", "Date", "Name", "Description",
                      "Kof", "fPassive") VALUES (9901, 901, '2024-01-01', 'Індекс 2024', 'Лист № 1', 1.1, 'F'))",
               });
        db->commit();
    }

    void seedEstimates() {
        auto db = openDatabase(folder().estimatesPath());
        runAll(
            *db,
            {
                R"(INSERT INTO "Cost" ("ID_Cost", "Cost_Number", "Area") VALUES (1, '7/2024', 25000))",
                R"(INSERT INTO "CostSrv" ("ID_CostSrv", "ID_Cost", "ID_Service", "Number", "Name")
                      VALUES (1, 1, 901, 1, 'Тестовий збірник'))",
                R"(INSERT INTO "CostLnk" ("ID_CostLnk", "ID_Cost", "Number", "ID_Service", "ID_ServiceList",
                      "ID_ServiceType", "Name") VALUES (1, 1, 1, 901, 9101, 0, 'Топографічне знімання'))",
                R"(INSERT INTO "CostParam" ("ID_CostParam", "ID_CostLnk", "ID_TypeParameter", "Number",
                      "Name", "PValue") VALUES (1, 1, 9001, 1, 'Площа ділянки', 12))",
                // A line of an earlier calculation: it must go.
                R"(INSERT INTO "CostValue" ("ID_CostValue", "ID_CostLnk", "ID_TypeValue", "Name", "A")
                      VALUES (1, 1, 0, 'стара', 1))",

                R"(INSERT INTO "Cost" ("ID_Cost", "Cost_Number", "Sum_Real") VALUES (2, '8/2024', 1000))",
                R"(INSERT INTO "CostSrv" ("ID_CostSrv", "ID_Cost", "ID_Service", "Number", "Name")
                      VALUES (2, 2, 901, 1, 'Тестовий збірник'))",
                R"(INSERT INTO "CostLnk" ("ID_CostLnk", "ID_Cost", "Number", "ID_Service", "ID_ServiceList",
                      "ID_ServiceType", "Name") VALUES (2, 2, 1, 901, 9101, 0, 'Топографічне знімання'))",
                R"(INSERT INTO "CostParam" ("ID_CostParam", "ID_CostLnk", "ID_TypeParameter", "Number",
                      "Name", "PValue") VALUES (2, 2, 9001, 1, 'Площа ділянки', 5))",
            });
        // Past the keys written above.
        for (const char* g :
             {"ID_GEN_COST", "ID_GEN_COSTSRV", "ID_GEN_COSTLNK", "ID_GEN_COSTPARAM", "ID_GEN_COSTVALUE"})
            db->connection().execute(db->transaction(),
                                     QStringLiteral("SET GENERATOR \"%1\" TO 100").arg(QLatin1String(g)));
        db->commit();
    }
};

} // namespace velta::calc::test
