// The Calculate command end to end on the in-memory model: general
// provisions, the second pass for sum parameters, and a failed command that
// leaves the stored estimate as it was.

#include "calc/estimate_store.h"
#include "calc_fixture.h"
#include "core/settings.h"

using namespace velta::calc;
using namespace velta::calc::test;

namespace {

// A topographic survey priced per hectare at 197 with four reducing and
// raising coefficients on A (0.8 correction, 1.5 built-up, 0.5 partial,
// 1.2 winter), and the collection's general provisions: one percent of the
// estimate sum by a formula over a sum parameter, and an index of 1.32.
class Command : public CalcFixture {
protected:
    void SetUp() override {
        CalcFixture::SetUp();
        catSection(10);
        catParam(10, 1, kArea, 4, 1, 1);
        catRow(10, 1, 197, 0);
        int id = 1;
        for (auto [kind, kof] : {std::pair(kCount, 0.8), {kPlots, 1.5}, {kLength, 0.5}, {kPoints, 1.2}}) {
            cat.addNote(makeNote(id, 10, id, kind, 1, kof));
            ++id;
        }
        catSection(90, 1, std::nullopt, 90);
        ServiceList general = *cat.section(90);
        general.name = QStringLiteral("Загальні положення");
        cat.addSection(general);
        catParam(90, 2, kSumAll, 4, 0, 1);
        ServiceNote percent = makeNote(9, 90, 1, kSumAll, 0, 1);
        percent.formula = QStringLiteral("n*0.01");
        cat.addNote(percent);
        cat.addIndexCoefficient(
            {5, 1, 1, QStringLiteral("Індекс ПВР"), QStringLiteral("Лист Мінрегіону"), 1.32, {}, {}});
        lnk(100, 10);
        param(100, 1, kArea, 12, 1);
        settings.autoAppend = true;
        settings.index = true;
        settings.vat = true;
        settings.vatPercent = 20;
    }

    const CostLnk* general() {
        for (const auto& s : est.sections)
            if (s.idServiceList == 90)
                return &s;
        return nullptr;
    }
};

TEST_F(Command, GeneralProvisionsAndTheSecondPass) {
    EXPECT_EQ(Calculate(est, ctx()), 2);
    EXPECT_EQ(est.cost.fSumParam, QStringLiteral("T"));

    const CostLnk& priced = section(100);
    EXPECT_DOUBLE_EQ(*priced.sumField, 1702.08); // 197 * 12 * 0.8 * 1.5 * 0.5 * 1.2
    EXPECT_EQ(priced.calculation, QStringLiteral("197*12*0,8*1,5*0,5*1,2"));

    const CostLnk* g = general();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->number, 99);
    EXPECT_EQ(g->type(), 1);
    EXPECT_EQ(g->name, QStringLiteral("Загальні положення"));
    EXPECT_TRUE(g->state.isNew);
    // The formula saw this run's sum: the second pass filled it in.
    ASSERT_EQ(g->values.size(), 2u);
    // The fraction of 1702.08 is not short in binary, so the pattern writes it out.
    EXPECT_EQ(g->values[0].formula, QStringLiteral("1702.080000*0.01"));
    EXPECT_DOUBLE_EQ(*g->values[0].sumValue, 17.0208);
    EXPECT_EQ(g->values[0].calculation, QStringLiteral("1702,08*1702.080000*0.01+17,02"));
    EXPECT_EQ(g->values[1].idServiceKof, 5);
    EXPECT_DOUBLE_EQ(*g->values[1].sumValue, 550.11); // 0.32 * 1719.1008
    EXPECT_DOUBLE_EQ(*est.collections[0].summ, 2269.2108);
    EXPECT_DOUBLE_EQ(*est.cost.pdv, 453.84);
    EXPECT_DOUBLE_EQ(*est.cost.sumFull, 2723.0508);

    // A later run adds no second general-provisions section.
    const auto count = est.sections.size();
    EXPECT_EQ(Calculate(est, ctx()), 2);
    EXPECT_EQ(est.sections.size(), count);
    EXPECT_DOUBLE_EQ(*est.cost.sumFull, 2723.0508);
}

TEST_F(Command, WithoutAutoAppendNoSectionAndNoIndexLines) {
    settings.autoAppend = false;
    EXPECT_EQ(Calculate(est, ctx()), 1);
    EXPECT_EQ(general(), nullptr);
    // An empty flag already reads as "not set": nothing to store.
    EXPECT_TRUE(est.cost.fSumParam.isEmpty());
    EXPECT_DOUBLE_EQ(*est.collections[0].summ, 1702.08);
    EXPECT_DOUBLE_EQ(*est.cost.sumFull, 2042.5); // 1702.08 + 340.42 VAT
}

TEST_F(Command, StaleSumFlagRunsOnceAndIsCleared) {
    settings.autoAppend = false;
    est.cost.fSumParam = QStringLiteral("T");
    EXPECT_EQ(Calculate(est, ctx()), 1);
    EXPECT_EQ(est.cost.fSumParam, QStringLiteral("F"));
    EXPECT_TRUE(est.cost.dirty);
}

TEST_F(Command, FailedCommandLeavesTheStoredEstimateAsItWas) {
    InMemoryEstimateStore store;
    const int id = store.put(est);
    const Estimate before = *store.find(id);
    eval = [](const QString& f) -> double { throw std::runtime_error("bad formula " + f.toStdString()); };
    EXPECT_THROW(CalculateStored(store, id, ctx()), CalcError);
    EXPECT_EQ(store.saves(), 0);
    const Estimate& after = *store.find(id);
    EXPECT_EQ(after.sections.size(), before.sections.size());
    EXPECT_EQ(after.sections[0].params.size(), before.sections[0].params.size());
    EXPECT_TRUE(after.sections[0].values.empty());
    EXPECT_EQ(after.cost.fSumParam, before.cost.fSumParam);
    EXPECT_FALSE(after.cost.sumFull.has_value());
}

TEST_F(Command, StoredCommandSavesKeysAndNothingWithoutAnEstimate) {
    InMemoryEstimateStore store;
    const int id = store.put(est);
    EXPECT_FALSE(CalculateStored(store, std::nullopt, ctx()));
    EXPECT_FALSE(CalculateStored(store, id + 1000, ctx()));
    EXPECT_EQ(store.saves(), 0);
    ASSERT_TRUE(CalculateStored(store, id, ctx()));
    EXPECT_EQ(store.saves(), 1);
    const Estimate& e = *store.find(id);
    EXPECT_DOUBLE_EQ(*e.cost.sumFull, 2723.0508);
    for (const auto& s : e.sections) {
        EXPECT_GT(s.idCostLnk, 0);
        EXPECT_FALSE(s.state.isNew);
        for (const auto& p : s.params)
            EXPECT_GT(p.idCostParam, 0);
        for (const auto& v : s.values)
            EXPECT_GT(v.idCostValue, 0);
    }
}

} // namespace

namespace {

TEST(CalcSettings, TakenFromTheIniSettings) {
    velta::core::Settings s;
    s.nds = true;
    s.percentNDS = QStringLiteral("20");
    s.edp = false;
    s.percentEDP = QStringLiteral("5,5");
    s.expertise = true;
    s.percentExpertise = QStringLiteral("3.5 %");
    s.minSumExpertise = QStringLiteral("");
    s.index = false;
    s.autoGeneralProvisions = true;
    const CalcSettings c = CalcSettingsFrom(s);
    EXPECT_TRUE(c.vat);
    EXPECT_EQ(c.vatPercent, 20);
    EXPECT_FALSE(c.singleTax);
    EXPECT_EQ(c.singleTaxPercent, 5.5);
    EXPECT_TRUE(c.expertise);
    EXPECT_EQ(c.expertisePercent, 3.5);
    EXPECT_EQ(c.expertiseMinSum, 0);
    EXPECT_FALSE(c.index);
    EXPECT_TRUE(c.autoAppend);
}

} // namespace
