// The totals pass: section sums and their texts, percentage sections
// compounding on the collection's totals, and the estimate's taxes.

#include "calc_fixture.h"

using namespace velta::calc;
using namespace velta::calc::test;

namespace {

CostValue priceLine(double a, double paramA, double b = 0, double paramB = 1, double daysA = 0,
                    double daysB = 0) {
    CostValue v;
    v.idTypeValue = 0;
    v.a = a;
    v.b = b;
    v.paramA = paramA;
    v.paramB = paramB;
    v.daysA = daysA;
    v.daysB = daysB;
    v.kof = 1;
    return v;
}

CostValue noteLine(int typeCalc, double kof, const QString& formula = {}, int kind = 0, int level = 1) {
    CostValue v;
    v.idTypeValue = level;
    v.idTypeCalc = typeCalc;
    v.idTypeParameter = kind;
    v.kof = kof;
    v.formula = formula;
    return v;
}

class Totals : public CalcFixture {
protected:
    void SetUp() override {
        CalcFixture::SetUp();
        catSection(10);
        lnk(100, 10);
    }
    void shares(int section, double pf, double pc, double pf2, double pc2) {
        ServiceList s = *cat.section(section);
        s.perField = pf;
        s.perCameral = pc;
        s.perField2 = pf2;
        s.perCameral2 = pc2;
        cat.addSection(s);
    }
    void run() { CalculateTotals(est, ctx()); }
};

TEST_F(Totals, PricedSectionWithACoefficientOnAAndB) {
    section(100).values = {priceLine(1000, 2.5, 400, 2.5), noteLine(0, 1.2, {}, kCount)};
    run();
    const CostLnk& s = section(100);
    EXPECT_EQ(s.sumField, 3000);
    EXPECT_EQ(s.sumCameral, 1200);
    EXPECT_EQ(s.sum, 4200);
    EXPECT_EQ(s.calculation, QStringLiteral("(1000*2,5 +400*2,5)*1,2"));
    EXPECT_EQ(s.values[0].description, QStringLiteral("А = 1000*2,5; В = 400*2,5"));
    EXPECT_EQ(s.values[1].description, QStringLiteral("Кав х (1,2)"));
    EXPECT_FALSE(s.values[0].sumValue.has_value());
    EXPECT_FALSE(s.daysA.has_value());
    EXPECT_EQ(s.kofDaysA, 0);
    EXPECT_EQ(est.collections[0].summ, 4200);
    EXPECT_EQ(est.cost.sumFull, 4200);
    EXPECT_FALSE(est.cost.pdv.has_value());
}

TEST_F(Totals, SharesSplitAAndBBetweenFieldAndOffice) {
    shares(10, 70, 30, 100, 0);
    section(100).values = {priceLine(1000, 2.5, 400, 2.5), noteLine(0, 1.2)};
    run();
    EXPECT_EQ(section(100).sumField, 3300);
    EXPECT_EQ(section(100).sumCameral, 900);
    // Shares are whole percents: 69.5 goes to the even 70, 30.5 to 30.
    shares(10, 69.5, 30.5, 100, 0);
    run();
    EXPECT_EQ(section(100).sumField, 3300);
    EXPECT_EQ(section(100).sumCameral, 900);
}

TEST_F(Totals, AddedAmountsGoToFieldWorksWhenThereIsAnAPrice) {
    section(100).values = {priceLine(1000, 1, 400, 1), noteLine(3, 150)};
    run();
    EXPECT_EQ(section(100).sumField, 1150);
    EXPECT_EQ(section(100).sumCameral, 400);
    EXPECT_EQ(section(100).calculation, QStringLiteral("(1000*1 +400*1)+150"));
    EXPECT_EQ(section(100).values[1].description, QStringLiteral("Ц + (150)"));
    section(100).values = {priceLine(0, 1, 400, 1), noteLine(3, 150)};
    run();
    EXPECT_EQ(section(100).sumField, 0);
    EXPECT_EQ(section(100).sumCameral, 550);
    EXPECT_EQ(section(100).calculation, QStringLiteral("400*1+150"));
}

TEST_F(Totals, CoefficientsOnAOrBAndKopecksRoundedHalfUp) {
    // 0.5 * 4.69 is 2.3449999999999998 in binary and still gives 2.35.
    section(100).values = {priceLine(0.5, 4.69, 1.15, 3), noteLine(1, 1), noteLine(2, 1)};
    run();
    EXPECT_DOUBLE_EQ(*section(100).sumField, 2.35);
    EXPECT_DOUBLE_EQ(*section(100).sumCameral, 3.45);
    EXPECT_EQ(section(100).calculation, QStringLiteral("(0,5*4,69*1 +1,15*3*1)"));
    EXPECT_EQ(section(100).values[1].description, QStringLiteral("Ка х (1)"));
    EXPECT_EQ(section(100).values[2].description, QStringLiteral("Кв х (1)"));
}

TEST_F(Totals, ManDaysFromThePriceLine) {
    section(100).values = {priceLine(1000, 3, 400, 1, 2, 0)};
    run();
    EXPECT_EQ(section(100).kofDaysA, 500);
    EXPECT_EQ(section(100).daysA, 6);
    EXPECT_EQ(section(100).kofDaysB, 0);
    EXPECT_FALSE(section(100).daysB.has_value());
}

TEST_F(Totals, FormulaLinesWithAndWithoutKof) {
    // Kof 1.1 and a formula worth 50 on A and B: both coefficients times
    // 1.1, and 50 added once for A and once for B.
    section(100).values = {priceLine(1000, 2.5, 400, 2.5), noteLine(0, 1.1, QStringLiteral("25*2"))};
    run();
    EXPECT_EQ(section(100).sumField, 2850);
    EXPECT_EQ(section(100).sumCameral, 1100);
    EXPECT_EQ(section(100).calculation, QStringLiteral("(1000*2,5 +400*2,5)(*1,1+25*2)"));
    EXPECT_EQ(section(100).values[1].description, QStringLiteral("Кав х 1,1 + (25*2)"));
    // Kof 0: the formula is the coefficient.
    section(100).values = {priceLine(1000, 1), noteLine(1, 0, QStringLiteral("1+0.2*0.5"))};
    run();
    EXPECT_EQ(section(100).sumField, 1100);
    EXPECT_EQ(section(100).calculation, QStringLiteral("1000*1*(1+0.2*0.5)"));
    EXPECT_EQ(section(100).values[1].description, QStringLiteral("Ка х (1+0.2*0.5)"));
}

TEST_F(Totals, FormulaErrorNamesFormulaAndSection) {
    section(100).values = {priceLine(1000, 1), noteLine(1, 0, QStringLiteral("1+*m"))};
    try {
        run();
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("1+*m"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("Розділ 10"))) << e.message().toStdString();
    }
    eval = [](const QString&) { return std::nan(""); };
    EXPECT_THROW(run(), CalcError);
}

TEST_F(Totals, TextsAreCutToTheirColumns) {
    // A formula of 99 characters: the line text grows past 100 and the
    // section text past 250 after three such lines.
    QString formula = QStringLiteral("1");
    while (formula.size() < 99)
        formula += QStringLiteral("+0");
    section(100).values = {priceLine(1000, 1)};
    for (int i = 0; i < 3; ++i)
        section(100).values.push_back(noteLine(1, 1.1, formula));
    run();
    const QString line = QStringLiteral("Ка х 1,1 + (") + formula + QLatin1Char(')');
    EXPECT_EQ(section(100).values[1].description, line.left(100));
    EXPECT_EQ(section(100).calculation.size(), 250);
    EXPECT_TRUE(section(100).calculation.startsWith(QStringLiteral("(((1000*1*1,1+1+0")));
    EXPECT_DOUBLE_EQ(*section(100).sumField, 1334.0); // 1000 * 1.1^3 + 3
}

class Percentage : public Totals {
protected:
    void SetUp() override {
        Totals::SetUp();
        catSection(90, 1, std::nullopt, 90);
        lnk(900, 90, 99, 1);
        // Field 7000 with 10 man-days (700 a day), office 3000.
        section(100).values = {priceLine(7000, 1, 3000, 1, 10)};
    }
};

TEST_F(Percentage, IndexLineRaisesTheCollection) {
    CostValue index = noteLine(0, 1.2);
    index.idServiceKof = 5;
    section(900).values = {index};
    run();
    const CostValue& l = section(900).values[0];
    EXPECT_EQ(l.sumValue, 2000);
    EXPECT_EQ(l.calculation, QStringLiteral("10000*1,2"));
    EXPECT_EQ(section(900).sumField, 1400);
    EXPECT_EQ(section(900).sumCameral, 600);
    EXPECT_EQ(section(900).sum, 2000);
    EXPECT_EQ(section(900).kof, 1.2);
    EXPECT_EQ(est.collections[0].summ, 12000);
}

TEST_F(Percentage, ShareOfFieldWorks) {
    section(900).values = {noteLine(5, 0.1, {}, kCount)};
    run();
    const CostValue& l = section(900).values[0];
    EXPECT_EQ(l.sumValue, 700);
    EXPECT_EQ(l.calculation, QStringLiteral("10000+7000*0,1"));
    EXPECT_EQ(l.description, QStringLiteral("Кількість суміжників"));
    EXPECT_EQ(section(900).sumField, 700);
    EXPECT_EQ(est.collections[0].summ, 10700);
}

TEST_F(Percentage, LinesOfCodes0357CompoundInOrder) {
    section(900).values = {noteLine(0, 1.1, {}, kCount), noteLine(3, 1.05, {}, kPlots),
                           noteLine(5, 0.1, {}, kLength), noteLine(7, 50, {}, kAmount)};
    run();
    struct Expect {
        double sum;
        QString text;
    };
    const Expect expected[] = {
        {1000, QStringLiteral("10000*1,1")},
        {550, QStringLiteral("11000*1,05")},
        {808.5, QStringLiteral("11550+8085*0,1")},
        {500, QStringLiteral("12358,5+10*50")},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(*section(900).values[i].sumValue, expected[i].sum);
        EXPECT_EQ(section(900).values[i].calculation, expected[i].text);
    }
    EXPECT_DOUBLE_EQ(*section(900).sumField, 2393.5);
    EXPECT_DOUBLE_EQ(*section(900).sumCameral, 465);
    EXPECT_DOUBLE_EQ(*section(900).kof, 1.155);
    EXPECT_DOUBLE_EQ(*section(900).kofA, 1.155);
    EXPECT_DOUBLE_EQ(*est.collections[0].summ, 12858.5);
}

TEST_F(Percentage, CoefficientsOnOnePartAndTheUsersAmount) {
    CostValue amount = noteLine(3, 250, {}, kAmount);
    amount.idTypeKof = 1;
    section(900).values = {noteLine(1, 1.1), noteLine(2, 1.5), amount};
    run();
    const auto& v = section(900).values;
    EXPECT_EQ(v[0].sumValue, 700);
    EXPECT_EQ(v[0].calculation, QStringLiteral("3000+7000*1,1"));
    EXPECT_EQ(v[1].sumValue, 1500);
    EXPECT_EQ(v[1].calculation, QStringLiteral("7700+3000*1,5"));
    EXPECT_EQ(v[2].sumValue, 250);
    EXPECT_EQ(v[2].calculation, QStringLiteral("12200+250 грн"));
    EXPECT_EQ(section(900).sumField, 700);
    EXPECT_EQ(section(900).sumCameral, 1750);
    EXPECT_DOUBLE_EQ(*section(900).kof, 1.65);
    EXPECT_EQ(section(900).kofA, 1.1);
    EXPECT_EQ(section(900).kofB, 1.5);
}

TEST_F(Percentage, SumParametersTakeThePricedTotals) {
    param(900, 1, kSumAll, 0, 1);
    param(900, 2, kSumField, 0, 2);
    param(900, 3, kCount, 4, 3);
    run();
    EXPECT_EQ(findParam(900, kSumAll)->pValue, 10000);
    EXPECT_EQ(findParam(900, kSumField)->pValue, 7000);
    EXPECT_TRUE(findParam(900, kSumAll)->state.dirty);
    EXPECT_EQ(findParam(900, kCount)->pValue, 4);
    EXPECT_FALSE(findParam(900, kCount)->state.dirty);
}

TEST_F(Percentage, TypeTwoSectionsTakeNoPart) {
    catSection(20, 2);
    lnk(200, 20, 3, 2);
    section(200).values = {priceLine(5000, 1)};
    section(200).sum = 77;
    run();
    EXPECT_EQ(section(200).sum, 77);
    EXPECT_EQ(est.collections[0].summ, 10000);
}

struct TaxCase {
    const char* name;
    double total;
    QString fPDV, fEDP, fExpert;
    bool vat, single, expertise;
    std::optional<double> pdv, sumFull;
};

class Taxes : public Totals, public ::testing::WithParamInterface<TaxCase> {};

TEST_P(Taxes, ExpertiseThenSingleTaxThenVat) {
    const TaxCase& c = GetParam();
    settings = {c.vat, 20, c.single, 10, c.expertise, 3, 20, false, false};
    est.cost.fPDV = c.fPDV;
    est.cost.fEDP = c.fEDP;
    est.cost.fExpert = c.fExpert;
    if (c.total > 0)
        section(100).values = {priceLine(c.total, 1)};
    run();
    EXPECT_EQ(est.cost.pdv, c.pdv);
    EXPECT_EQ(est.cost.sumFull, c.sumFull);
    if (c.total == 0) {
        EXPECT_FALSE(est.collections[0].summ.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Taxes,
    ::testing::Values(
        // 3 % of 500 is 15, raised to the minimum 20; 10 % of 520; 20 % of 572.
        TaxCase{"minimumExpertise", 500, {}, {}, {}, true, true, true, 114.4, 686.4},
        TaxCase{"expertiseAboveMinimum", 1000, {}, {}, {}, true, true, true, 226.6, 1359.6},
        TaxCase{
            "flagSwitchesVatOff", 1000, QStringLiteral("F"), {}, {}, true, true, true, std::nullopt, 1133},
        TaxCase{"flagSwitchesVatOn", 1000, QStringLiteral("T"), QStringLiteral("F"), QStringLiteral("F"),
                false, true, true, 200, 1200},
        TaxCase{"emptyFlagsFollowSettings", 1000, {}, {}, {}, false, false, false, std::nullopt, 1000},
        TaxCase{"zeroTotal", 0, {}, {}, {}, true, true, true, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
