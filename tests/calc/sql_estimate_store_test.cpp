// The Calculate command through the databases: the stored rows row by row,
// a repeated run, and failures (a formula the evaluator rejects, a database
// error half-way through the writes) that leave every row as it was.

#include "calc/calculate_command.h"
#include "calc/sql_estimate_store.h"
#include "data/fb/error.h"
#include "store_fixture.h"

using namespace velta::calc;
using namespace velta::calc::test;

namespace {

class SqlStore : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        cat = openDatabase(folder().cataloguePath());
        est = openDatabase(folder().estimatesPath());
    }

    bool calculate(int idCost) {
        SqlEstimateStore store(*est);
        return CalculateEstimate(store, *cat, idCost, kSettings());
    }

    void setGeneralFormula(const QString& formula) {
        cat->run(QStringLiteral(R"(UPDATE "ServiceNote" SET "Formula" = :F WHERE "ID_ServiceNote" = 99002)"),
                 {{QStringLiteral("F"), formula}});
    }

    std::unique_ptr<velta::data::Database> cat, est;
};

TEST_F(SqlStore, LoadsOneEstimateWithItsRows) {
    SqlEstimateStore store(*est);
    EXPECT_FALSE(store.load(3));
    const std::optional<Estimate> e = store.load(1);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->cost.costNumber, QStringLiteral("7/2024"));
    EXPECT_EQ(e->cost.area, 25000);
    EXPECT_FALSE(e->cost.sumReal);
    ASSERT_EQ(e->collections.size(), 1u);
    EXPECT_EQ(e->collections[0].idService, 901);
    ASSERT_EQ(e->sections.size(), 1u);
    const CostLnk& s = e->sections[0];
    EXPECT_EQ(s.idServiceList, 9101);
    ASSERT_EQ(s.params.size(), 1u);
    EXPECT_EQ(s.params[0].pValue, 12);
    ASSERT_EQ(s.values.size(), 1u);
    EXPECT_EQ(s.values[0].name, QStringLiteral("стара"));
    EXPECT_EQ(store.estimateKeys(), (std::vector<int>{1, 2}));
}

TEST_F(SqlStore, StoresEveryRowTheCalculationWrites) {
    const QStringList other = estimateRows(*est, 2);
    ASSERT_TRUE(calculate(1));
    EXPECT_EQ(estimateRows(*est), calculatedEstimateOne());
    EXPECT_EQ(estimateRows(*est, 2), other);
    // The amount to pay follows Sum_Real where there is one.
    ASSERT_TRUE(calculate(2));
    EXPECT_EQ(dumpRows(*est, QStringLiteral(R"(SELECT "Sum_Full", "Sum" FROM "Cost" WHERE "ID_Cost" = 2)")),
              QStringList{QStringLiteral("1716.49 | 1000")});
    EXPECT_FALSE(calculate(3));

    // Committed: a new attachment reads the same rows.
    est.reset();
    auto fresh = openDatabase(folder().estimatesPath());
    EXPECT_EQ(estimateRows(*fresh), calculatedEstimateOne());
}

TEST_F(SqlStore, ARepeatedRunAddsNothing) {
    ASSERT_TRUE(calculate(1));
    ASSERT_TRUE(calculate(1));
    EXPECT_EQ(estimateRows(*est), calculatedEstimateOne());
}

TEST_F(SqlStore, AFormulaErrorLeavesEveryRowAsItWas) {
    ASSERT_TRUE(calculate(1)); // estimate 1 has lines and general provisions, estimate 2 none yet
    const struct {
        const char* formula;
        const char* shown; // what the message shows of it once n is filled in
    } cases[] = {{"n*(", "*("}, {"n+Nonesuch(1)", "+Nonesuch(1)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        setGeneralFormula(QString::fromUtf8(c.formula));
        const QStringList before = everyEstimateRow(*est);
        for (int id : {1, 2}) {
            try {
                calculate(id);
                ADD_FAILURE() << "no error for estimate " << id;
            } catch (const CalcError& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("Загальні положення"))) << e.what();
                EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.shown))) << e.what();
            }
        }
        EXPECT_EQ(everyEstimateRow(*est), before);
    }
}

TEST_F(SqlStore, ADatabaseErrorRollsTheWritesBack) {
    // Another attachment holds estimate 1's header, which is written last:
    // by then the new section, the parameter values and the lines are in.
    auto other = openDatabase(folder().estimatesPath());
    other->run(QStringLiteral(R"(UPDATE "Cost" SET "Note" = 'зайнято' WHERE "ID_Cost" = 1)"), {});
    const QStringList before = everyEstimateRow(*est);
    try {
        calculate(1);
        ADD_FAILURE() << "no error";
    } catch (const velta::data::fb::Error& error) {
        EXPECT_TRUE(error.isUpdateConflict()) << error.what();
    }
    EXPECT_EQ(everyEstimateRow(*est), before);

    // The transaction goes on: once the other lets go, the command succeeds.
    other->transaction().rollback();
    other->transaction().start();
    ASSERT_TRUE(calculate(1));
    EXPECT_EQ(estimateRows(*est), calculatedEstimateOne());
}

TEST_F(SqlStore, AFormulaLongerThanItsColumnIsStoredCut) {
    // Ten times 3000*0.001 once n is filled in: 109 characters.
    setGeneralFormula(
        QStringLiteral("n*0.001+n*0.001+n*0.001+n*0.001+n*0.001+n*0.001+n*0.001+n*0.001+n*0.001+n*0.001"));
    ASSERT_TRUE(calculate(1));
    const QStringList line =
        dumpRows(*est, QStringLiteral(R"(SELECT v."Formula", v."SumValue" FROM "CostValue" v JOIN "CostLnk" l
            ON l."ID_CostLnk" = v."ID_CostLnk" WHERE l."Number" = 99 AND v."ID_ServiceKof" IS NULL AND l."ID_Cost" = 1)"));
    QString full;
    for (int i = 0; i < 10; ++i)
        full += (i ? QStringLiteral("+") : QString()) + QStringLiteral("3000*0.001");
    EXPECT_EQ(line, QStringList{full.left(100) + QStringLiteral(" | 30")});
    EXPECT_EQ(estimateRows(*est).first(), QStringLiteral("7/2024 | T | 686.6 | 4119.59 | 4119.59"));
}

} // namespace
