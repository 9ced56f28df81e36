// The value-line pass: choosing the price table row, note conditions, the
// letters of note formulas, remarks, the user's coefficients and the index
// coefficient lines.

#include "calc_fixture.h"

using namespace velta::calc;
using namespace velta::calc::test;

namespace {

using Bounds = std::array<std::optional<double>, 6>;
constexpr std::nullopt_t none = std::nullopt;

ServiceParam sp(int kind, int column, std::optional<int> divisor = std::nullopt,
                std::optional<int> unit = std::nullopt) {
    static int id = 0;
    ServiceParam p;
    p.idServiceParam = ++id;
    p.idTypeParameter = kind;
    p.idTypeValue = column;
    p.number = id;
    p.divisor = divisor;
    p.idUnit = unit;
    return p;
}

ServiceTbl row(int id, Bounds bounds, std::optional<int> category = std::nullopt,
               std::optional<int> unit = std::nullopt) {
    ServiceTbl r;
    r.idServiceTbl = id;
    r.number = id;
    r.parameter = bounds;
    r.idCategory = category;
    r.idUnit = unit;
    r.a = 100 * id;
    return r;
}

CostLnk sectionWith(std::vector<std::pair<int, double>> values) {
    CostLnk s;
    int id = 0;
    for (auto [kind, value] : values) {
        CostParam p;
        p.idCostParam = ++id;
        p.idTypeParameter = kind;
        p.number = id;
        p.pValue = value;
        p.state.seq = id;
        s.params.push_back(p);
    }
    return s;
}

int chosen(const PriceLookup& l) {
    return l.row ? l.row->idServiceTbl : 0;
}

TEST(PriceLookup, RangesCategoriesAndFallbacks) {
    const std::vector<ServiceTbl> plain = {row(1, {0, 1}), row(2, {1, 3}), row(3, {3, 10})};
    const std::vector<ServiceTbl> cat2 = {row(1, {0, 1}, 2), row(2, {1, 3}, 2), row(3, {3, 10}, 2)};
    // One parameter feeds both sides of the first range.
    const std::vector<ServiceParam> both = {sp(kArea, 9), sp(kArea, 1)};
    const std::vector<ServiceParam> withCategory = {sp(kCategory, 0), sp(kArea, 9), sp(kArea, 1)};
    struct Case {
        const char* what;
        const std::vector<ServiceTbl>& rows;
        const std::vector<ServiceParam>& params;
        std::vector<std::pair<int, double>> values;
        int expected;
    };
    const Case cases[] = {
        {"lower bound inclusive", plain, both, {{kArea, 1}}, 1},
        {"inside second", plain, both, {{kArea, 2}}, 2},
        {"upper bound inclusive, first wins", plain, both, {{kArea, 3}}, 2},
        {"above every range, no category: first row", plain, both, {{kArea, 12}}, 1},
        {"below every range, no category: first row", plain, both, {{kArea, -1}}, 1},
        {"category rows, no category parameter", cat2, both, {{kArea, 2}}, 1},
        {"category 2 inside", cat2, withCategory, {{kCategory, 2}, {kArea, 2}}, 2},
        {"category 2 above its ranges: none", cat2, withCategory, {{kCategory, 2}, {kArea, 12}}, 0},
        {"category 2 below its first range", cat2, withCategory, {{kCategory, 2}, {kArea, -1}}, 1},
        {"unknown category: none", plain, withCategory, {{kCategory, 3}, {kArea, 2}}, 0},
        {"missing parameter counts as 0", plain, both, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(chosen(LookupPriceRow(sectionWith(c.values), c.params, c.rows)), c.expected);
    }
}

TEST(PriceLookup, SingleValueBoundsMatchExactly) {
    const std::vector<ServiceTbl> rows = {row(1, {5, none}), row(2, {6, none}), row(3, {none, 8})};
    const std::vector<ServiceParam> from = {sp(kCount, 9)};
    const std::vector<ServiceParam> to = {sp(kCount, 1)};
    EXPECT_EQ(chosen(LookupPriceRow(sectionWith({{kCount, 5}}), from, rows)), 1);
    EXPECT_EQ(chosen(LookupPriceRow(sectionWith({{kCount, 6}}), from, rows)), 2);
    EXPECT_EQ(chosen(LookupPriceRow(sectionWith({{kCount, 8}}), to, rows)), 3);
    // 5.5 matches none; without a category the first row is taken.
    EXPECT_EQ(chosen(LookupPriceRow(sectionWith({{kCount, 5.5}}), from, rows)), 1);
}

TEST(PriceLookup, CategoryAloneSelectsItsRows) {
    const std::vector<ServiceTbl> rows = {row(1, {}, 1), row(2, {}, 2), row(3, {}, none), row(4, {}, 0)};
    const std::vector<ServiceParam> params = {sp(kCategory, 0)};
    EXPECT_EQ(chosen(LookupPriceRow(sectionWith({{kCategory, 2}}), params, rows)), 2);
    // Missing: C is 0 and only rows of category 0 or empty can match.
    EXPECT_EQ(chosen(LookupPriceRow(sectionWith({}), params, rows)), 3);
}

TEST(PriceLookup, SingleRowIsTakenWhateverTheParameters) {
    const std::vector<ServiceTbl> rows = {row(7, {100, 200}, 3, 2)};
    const std::vector<ServiceParam> params = {sp(kLength, 9), sp(kLength, 1), sp(kCategory, 0),
                                              sp(kPlots, 4, none, 2), sp(kArea, 4, none, 1)};
    const PriceLookup l =
        LookupPriceRow(sectionWith({{kLength, 1}, {kCategory, 1}, {kPlots, 6}, {kArea, 4}}), params, rows);
    EXPECT_EQ(chosen(l), 7);
    // Nor is the unit pass run: the quantity is the last one of the list,
    // not the one of the row's unit.
    EXPECT_EQ(l.qa, 4);
    EXPECT_EQ(l.quantityKind, kArea);
}

TEST(PriceLookup, DivisorAppliesToSearchAndQuantity) {
    const std::vector<ServiceTbl> rows = {row(1, {0, 2}), row(2, {2, 3})};
    const std::vector<ServiceParam> params = {sp(kAreaSqM, 9, 1000), sp(kAreaSqM, 1, 1000),
                                              sp(kAreaSqM, 6, 1000)};
    const PriceLookup l = LookupPriceRow(sectionWith({{kAreaSqM, 2500}}), params, rows);
    EXPECT_EQ(chosen(l), 2);
    EXPECT_EQ(l.qa, 2.5);
    EXPECT_EQ(l.qb, 2.5);
    EXPECT_EQ(l.quantityKind, kAreaSqM);
}

TEST(PriceLookup, UnitOfTheRowPicksItsQuantityParameter) {
    // Per-plot rows take the plot count, per-hectare rows the area.
    const std::vector<ServiceTbl> rows = {row(1, {0, 5}, none, 2), row(2, {5, 50}, none, 1)};
    const std::vector<ServiceParam> params = {sp(kPlots, 4, none, 2), sp(kArea, 4, none, 1), sp(kArea, 9),
                                              sp(kArea, 1)};
    PriceLookup l = LookupPriceRow(sectionWith({{kPlots, 3}, {kArea, 4}}), params, rows);
    EXPECT_EQ(chosen(l), 1);
    EXPECT_EQ(l.qa, 3);
    EXPECT_EQ(l.quantityKind, kPlots);
    l = LookupPriceRow(sectionWith({{kPlots, 3}, {kArea, 20}}), params, rows);
    EXPECT_EQ(chosen(l), 2);
    EXPECT_EQ(l.qa, 20);
    EXPECT_EQ(l.quantityKind, kArea);
}

TEST(NoteCondition, Comparisons) {
    struct Case {
        int code;
        double from, to, x;
        bool holds;
    };
    const Case cases[] = {
        {0, 2, 0, 2, true},     {0, 2, 0, 2.0001, false}, {1, 2, 0, 3, true},    {1, 2, 0, 2, false},
        {2, 2, 0, 2.5, true},   {2, 2, 0, 2, false},      {3, 2, 0, 1.5, true},  {3, 2, 0, 2, false},
        {4, 2, 5, 2, true},     {4, 2, 5, 5, false},      {5, 2, 5, 2, true},    {5, 2, 5, 5, true},
        {5, 2, 5, 1.99, false}, {6, 2, 5, 2, false},      {6, 2, 5, 5, true},    {7, 2, 5, 2, false},
        {7, 2, 5, 4.99, true},  {8, 2, 0, 2, true},       {8, 2, 0, 1.9, false}, {9, 2, 5, 3, false},
        {-1, 2, 5, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " x " << c.x);
        ServiceNote n = makeNote(42, 1, 1, kCount, 1, 1.1);
        n.idTypeValue[0] = c.code;
        n.valueFrom[0] = c.from;
        n.valueTo[0] = c.to;
        const NoteCondition r = TestNoteCondition(n, sectionWith({{kCount, c.x}}));
        EXPECT_EQ(r.key, c.holds ? 42 : 0);
        EXPECT_EQ(r.v[0], c.x);
    }
}

TEST(NoteCondition, OperatorsJoinTheParameters) {
    struct Case {
        int count;
        std::array<int, 3> ops;
        std::array<bool, 4> match;
        bool holds;
    };
    const Case cases[] = {
        {1, {1, 0, 0}, {true, false}, true},
        {1, {1, 0, 0}, {false, true}, true},
        {1, {1, 0, 0}, {false, false}, false},
        {1, {0, 0, 0}, {true, false}, false},
        {1, {0, 0, 0}, {true, true}, true},
        {1, {2, 0, 0}, {true, true}, false},
        {2, {0, 1, 0}, {false, false, true}, true},
        {2, {0, 7, 0}, {true, true, false}, true},
        {3, {0, 0, 1}, {false, true, true, true}, true},
        {3, {1, 0, 0}, {true, false, true, false}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "count " << c.count << " ops " << c.ops[0] << c.ops[1] << c.ops[2]);
        ServiceNote n = makeNote(5, 1, 1, kCount, 1, 1.1);
        n.countParameters = c.count;
        const int kinds[] = {kCount, kPlots, kArea, kLength};
        std::vector<std::pair<int, double>> values;
        for (int i = 0; i <= c.count; ++i) {
            n.idTypeParameter[i] = kinds[i];
            n.idTypeValue[i] = 0;
            n.valueFrom[i] = 10 + i;
            values.push_back({kinds[i], c.match[i] ? 10 + i : 0});
        }
        for (int i = 1; i <= 3; ++i)
            n.op[i] = c.ops[i - 1];
        EXPECT_EQ(TestNoteCondition(n, sectionWith(values)).key, c.holds ? 5 : 0);
    }
}

TEST(NoteCondition, MissingParameterFailsAndKeepsZero) {
    ServiceNote n = makeNote(5, 1, 1, kCount, 1, 1.1);
    n.idTypeValue[0] = 1; // "<>" 0 would hold for any value present
    n.valueFrom[0] = 0;
    const NoteCondition r = TestNoteCondition(n, sectionWith({{kPlots, 3}}));
    EXPECT_EQ(r.key, 0);
    EXPECT_EQ(r.v[0], 0);
}

TEST(SubstituteVariable, LettersOutsideFunctionNames) {
    struct Case {
        const char* formula;
        char letter;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"n*n", 'n', 12.5, "12,5*12,5"},
        {"Int(n)+N", 'n', 12.5, "Int(12,5)+12,5"},
        {"1+0.1*(n-1)", 'n', 3, "1+0.1*(3-1)"},
        {"1-0.04*(15-m)", 'm', 0.1234567, "1-0.04*(15-0,123457)"},
        {"", 'n', 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SubstituteVariable(QString::fromUtf8(c.formula), QLatin1Char(c.letter), c.value),
                  QString::fromUtf8(c.expected))
            << c.formula;
}

// Only a letter that stands as a name of its own is a variable: the letters of
// function names and of longer names are left alone.
TEST(SubstituteVariable, WholeNamesOnly) {
    struct Case {
        const char* formula;
        char letter;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"Round(n*1.5)", 'n', 3, "Round(3*1.5)"},
        {"Min(n, m)", 'm', 2, "Min(n, 2)"},
        {"Max(M,1)", 'm', 2, "Max(2,1)"},
        {"Exp(p)+Sqrt(p)", 'p', 0.5, "Exp(0,5)+Sqrt(0,5)"},
        {"Power(o,2)", 'o', 4, "Power(4,2)"},
        {"n1+n_+_n+n", 'n', 7, "n1+n_+_n+7"},
        {"2n", 'n', 7, "2n"},
        {"(N)", 'n', 7, "(7)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SubstituteVariable(QString::fromUtf8(c.formula), QLatin1Char(c.letter), c.value),
                  QString::fromUtf8(c.expected))
            << c.formula;
}

// The formula a note line carries: decimal commas of the catalogue text become
// full stops, commas between arguments stay, the four letters are filled in
// with full stops, and the result is one the evaluator accepts.
TEST(NoteFormula, DecimalCommasArgumentCommasAndFunctionNames) {
    struct Case {
        const char* formula;
        const char* expected;
        double value;
    };
    // n = 2.5, m = 3, p = 0.25, o = 4
    const Case cases[] = {
        {"Min(n,m)", "Min(2.5,3)", 2.5},
        {"Max(n, 1,5)", "Max(2.5, 1.5)", 2.5},
        {"Min(m,10)*Max(p,o)", "Min(3,10)*Max(0.25,4)", 12},
        {"Round(n*1,2)", "Round(2.5*1.2)", 3},
        {"1+0,1*(n-1)", "1+0.1*(2.5-1)", 1.15},
        {"Power(o,2)/Int(n)", "Power(4,2)/Int(2.5)", 8},
        {"Max(1.5,2)+Exp(0)", "Max(1.5,2)+Exp(0)", 3},
        {"1+0,04*Trunc(p*100/5)", "1+0.04*Trunc(0.25*100/5)", 1.2},
    };
    InMemoryCatalogue catalogue;
    CostParam visited;
    visited.pValue = 2.5;
    NoteCondition condition;
    condition.v = {2.5, 3, 0.25, 4};
    const Evaluator evaluate = defaultEvaluator();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        ServiceNote note = makeNote(1, 10, 1, kCount, 1, 0);
        note.formula = QString::fromUtf8(c.formula);
        CostLnk section;
        WriteNoteLine(section, note, 1, 3, visited, condition, catalogue);
        ASSERT_EQ(section.values.size(), 1u);
        EXPECT_EQ(section.values[0].formula, QString::fromUtf8(c.expected));
        EXPECT_DOUBLE_EQ(evaluate(section.values[0].formula), c.value);
    }
}

TEST(NoteFormula, RemarkOnATwoArgumentFormulaKeepsItsArguments) {
    InMemoryCatalogue catalogue;
    ServiceNote note = makeNote(1, 10, 1, kCount, 1, 0);
    note.formula = QStringLiteral("Min(n,m)");
    ServiceNote remark = makeNote(2, 10, 2, kPlots, 4, 0.5);
    remark.idNumber = 1;
    catalogue.addNote(remark);
    CostParam visited;
    visited.pValue = 2.5;
    NoteCondition condition;
    condition.v = {2.5, 3};
    CostLnk section; // the remark holds while the plot count is 0
    CostParam plots;
    plots.idTypeParameter = kPlots;
    plots.pValue = 0;
    section.params.push_back(plots);
    WriteNoteLine(section, note, 1, 1, visited, condition, catalogue);
    ASSERT_EQ(section.values.size(), 1u);
    EXPECT_EQ(section.values[0].formula, QStringLiteral("Min(2.5,3)*0.5"));
    EXPECT_DOUBLE_EQ(defaultEvaluator()(section.values[0].formula), 1.25);
}

class Notes : public CalcFixture {
protected:
    void SetUp() override {
        CalcFixture::SetUp();
        catSection(10);
        catParam(10, 1, kArea, 4, 1, 1);
        catRow(10, 1, 1000, 400);
        lnk(100, 10);
    }
    void build() {
        CreateSectionParameters(est, cat);
        BuildValueLines(est, ctx());
    }
    void setParam(int kind, double value, std::optional<int> typeKof = std::nullopt) {
        for (auto& p : section(100).params)
            if (p.idTypeParameter == kind && p.idTypeKof == typeKof)
                p.pValue = value;
    }
};

TEST_F(Notes, PriceLineCarriesRowQuantitiesAndUnit) {
    CreateSectionParameters(est, cat);
    setParam(kArea, 2.5);
    BuildValueLines(est, ctx());
    const auto l = lines(100);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].idTypeValue, 0);
    EXPECT_EQ(l[0].idServiceTbl, 1);
    EXPECT_EQ(l[0].name, QStringLiteral("т. 10"));
    EXPECT_EQ(l[0].a, 1000);
    EXPECT_EQ(l[0].b, 400);
    EXPECT_EQ(l[0].paramA, 2.5);
    EXPECT_EQ(l[0].paramB, 1); // no parameter for B
    EXPECT_EQ(l[0].kof, 1);
    // B > 0: the quantity shown is QB.
    EXPECT_EQ(l[0].calculation, QStringLiteral("1 га"));
}

TEST_F(Notes, PriceLineTextShowsQuantityAWithoutB) {
    catSection(11);
    catParam(11, 2, kArea, 4);
    catRow(11, 2, 1000, 0);
    lnk(101, 11, 2);
    CreateSectionParameters(est, cat);
    for (auto& p : section(101).params)
        p.pValue = 2.5;
    BuildValueLines(est, ctx());
    ASSERT_EQ(section(101).values.size(), 1u);
    EXPECT_EQ(section(101).values[0].calculation, QStringLiteral("2,5 га"));
}

TEST_F(Notes, StaleTypeIsTakenFromTheCatalogueAndMissingRowsLeaveNoLines) {
    section(100).idServiceType = 1;
    lnk(101, 404, 2, 1); // catalogue section gone
    section(101).values.push_back(CostValue{});
    build();
    EXPECT_EQ(section(100).idServiceType, 0);
    EXPECT_TRUE(section(100).state.dirty);
    EXPECT_EQ(section(101).idServiceType, 0);
    EXPECT_TRUE(section(101).values.empty());
    EXPECT_TRUE(section(101).valuesRebuilt);
}

TEST_F(Notes, SingleNoteWithoutConditionAlwaysAppliesWithOnlyNFilled) {
    ServiceNote n = makeNote(1, 10, 1, kCount, 1, 0);
    n.formula = QStringLiteral("1+0,1*(n-1)*m");
    n.countParameters = 1;
    n.idTypeParameter[1] = kPlots;
    n.defaultValue[0] = 3;
    n.defaultValue[1] = 2;
    cat.addNote(n);
    build();
    const auto l = lines(100);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].idTypeValue, 1);
    EXPECT_EQ(l[1].idTypeCalc, 1);
    EXPECT_EQ(l[1].idTypeParameter, kCount);
    EXPECT_EQ(l[1].name, QStringLiteral("п. № 1"));
    EXPECT_EQ(l[1].formula, QStringLiteral("1+0.1*(3-1)*m"));
}

TEST_F(Notes, ConditionalNotesFillAllLettersWithDivisors) {
    ServiceNote n = makeEqualNote(1, 10, 1, kCount, 2, 0, 4);
    n.formula = QStringLiteral("n*m+p");
    n.countParameters = 2;
    n.idTypeParameter[1] = kPlots;
    n.idTypeValue[1] = 2; // > 0
    n.idTypeParameter[2] = kLength;
    n.idTypeValue[2] = 8; // >= 0
    n.divisor[1] = 10;
    n.nameTable = QStringLiteral("т. 5 прим. 2");
    cat.addNote(n);
    ServiceNote other = makeEqualNote(2, 10, 2, kCount, 1, 1.5, 5); // does not hold
    cat.addNote(other);
    CreateSectionParameters(est, cat);
    setParam(kCount, 4);
    setParam(kPlots, 25);
    setParam(kLength, 1.25);
    BuildValueLines(est, ctx());
    const auto l = lines(100);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].name, QStringLiteral("т. 5 прим. 2"));
    EXPECT_EQ(l[1].formula, QStringLiteral("4*2.5+1.25"));
}

TEST_F(Notes, OfTwoHoldingNotesOnOneKindAndEffectTheLaterRemains) {
    cat.addNote(makeEqualNote(1, 10, 1, kCount, 1, 1.1, 3));
    cat.addNote(makeEqualNote(2, 10, 2, kCount, 1, 1.25, 3));
    CreateSectionParameters(est, cat);
    setParam(kCount, 3);
    BuildValueLines(est, ctx());
    const auto l = lines(100);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].kof, 1.25);
    EXPECT_EQ(l[1].name, QStringLiteral("п. № 2"));
}

TEST_F(Notes, EmptyBoundAmongSeveralNotesTestsForZero) {
    cat.addNote(makeNote(1, 10, 1, kCount, 1, 1.1)); // no ValueFrom
    cat.addNote(makeEqualNote(2, 10, 2, kCount, 2, 1.3, 5));
    CreateSectionParameters(est, cat);
    setParam(kCount, 5);
    BuildValueLines(est, ctx());
    auto l = lines(100);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].kof, 1.3);
    setParam(kCount, 0);
    BuildValueLines(est, ctx());
    l = lines(100);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].kof, 1.1);
}

TEST_F(Notes, UserCoefficientReplacesTheNotesKof) {
    ServiceNote n = makeNote(1, 10, 1, kCount, 0, 1.2);
    n.idTypeKof = 1;
    cat.addNote(n);
    CreateSectionParameters(est, cat);
    setParam(kCount, 1.35, 1);
    BuildValueLines(est, ctx());
    const auto l = lines(100);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].kof, 1.35);
    EXPECT_EQ(l[1].idTypeKof, 1);
}

TEST_F(Notes, RemarksChainOnConstantsAndFormulas) {
    ServiceNote constant = makeNote(1, 10, 1, kCount, 1, 1.2);
    ServiceNote formula = makeNote(2, 10, 2, kPlots, 2, 0);
    formula.formula = QStringLiteral("1+0.1*(n-1)");
    ServiceNote reduction = makeNote(3, 10, 3, kLength, 3, 0.8);
    cat.addNote(constant);
    cat.addNote(formula);
    cat.addNote(reduction);
    auto remark = [&](int id, int number, int target, double kof, int kind, double equals) {
        ServiceNote r = makeEqualNote(id, 10, number, kind, 4, kof, equals);
        r.idNumber = target;
        cat.addNote(r);
    };
    remark(4, 4, 1, 0.5, kCount, 0);  // holds: count is 0
    remark(5, 5, 2, 0.5, kCount, 0);  // holds
    remark(6, 6, 2, 1.5, kCount, 0);  // holds: chains
    remark(7, 7, 2, 2, kCount, 9);    // condition fails
    remark(8, 8, 2, 0, kCount, 0);    // Kof 0: ignored
    remark(9, 9, 3, 0.5, kCount, 0);  // on a reduction
    remark(10, 10, 77, 3, kCount, 0); // points at no note
    CreateSectionParameters(est, cat);
    setParam(kCount, 0);
    setParam(kPlots, 3);
    BuildValueLines(est, ctx());
    std::map<int, std::pair<QString, double>> byKind;
    for (const auto& l : lines(100))
        if (l.idTypeValue == 1)
            byKind[l.idTypeParameter] = {l.formula, l.kof};
    EXPECT_EQ(byKind[kCount], std::pair(QStringLiteral("1+0.2*0.5"), 0.0));
    EXPECT_EQ(byKind[kPlots], std::pair(QStringLiteral("1+0.1*(3-1)*0.5*1.5"), 0.0));
    // 0.8 - 1 is -0.19999999999999996 in binary; the excess must still be -0.2.
    EXPECT_EQ(byKind[kLength], std::pair(QStringLiteral("1+-0.2*0.5"), 0.0));
}

TEST_F(Notes, RemarkOnAVariableNoteUsesTheUsersCoefficient) {
    ServiceNote n = makeNote(1, 10, 1, kCount, 1, 1.2);
    n.idTypeKof = 1;
    cat.addNote(n);
    ServiceNote r = makeNote(2, 10, 2, kPlots, 4, 0.5);
    r.idNumber = 1;
    cat.addNote(r); // no bound: holds while the plot count is 0
    CreateSectionParameters(est, cat);
    setParam(kCount, 1.35, 1);
    BuildValueLines(est, ctx());
    const auto l = lines(100);
    ASSERT_EQ(l.size(), 3u); // price, note, and the remark's own line on its kind
    EXPECT_EQ(l[1].formula, QStringLiteral("1+0.35*0.5"));
    EXPECT_EQ(l[1].kof, 0);
    EXPECT_EQ(l[1].idTypeKof, 1);
}

TEST_F(Notes, AncestorNotesWriteLevelTwoLinesAfterOwnOnes) {
    catSection(1, 2);
    ServiceList child;
    child.idServiceList = 12;
    child.idService = 1;
    child.idServiceLnk = 1;
    child.idServiceType = 0;
    child.table = QStringLiteral("т. 12");
    cat.addSection(child);
    catRow(12, 5, 500, 0);
    cat.addNote(makeNote(20, 1, 1, kCount, 1, 1.15));  // ancestor's, unconditional
    cat.addNote(makeNote(21, 12, 1, kPlots, 2, 1.05)); // own
    lnk(200, 12, 2);
    CreateSectionParameters(est, cat);
    BuildValueLines(est, ctx());
    const auto l = lines(200);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1].idTypeValue, 1);
    EXPECT_EQ(l[1].kof, 1.05);
    EXPECT_EQ(l[2].idTypeValue, 2);
    EXPECT_EQ(l[2].kof, 1.15);
    EXPECT_EQ(l[2].idTypeParameter, kCount);
}

TEST_F(Notes, SumParameterSetsTheFlagAndItsAbsenceClearsIt) {
    est.cost.fSumParam = QStringLiteral("T");
    build();
    EXPECT_EQ(est.cost.fSumParam, QStringLiteral("F"));
    catParam(10, 9, kSumAll, 4, 0, 9);
    build();
    EXPECT_EQ(est.cost.fSumParam, QStringLiteral("T"));
}

class IndexLines : public CalcFixture {
protected:
    void SetUp() override {
        CalcFixture::SetUp();
        catSection(10);
        catRow(10, 1, 1000, 0);
        catSection(90, 1, std::nullopt, 90);
        lnk(100, 10);
        lnk(900, 90, 99, 1);
        ServiceKof k1{1,
                      1,
                      2,
                      QStringLiteral("Індекс 2024"),
                      QStringLiteral("Наказ № 1"),
                      1.12,
                      {},
                      QStringLiteral("F")};
        ServiceKof k0{2, 1, 1, QStringLiteral("Індекс 2023"), QStringLiteral("Наказ № 2"), 1.2, {}, {}};
        ServiceKof passive{
            3, 1, 3, QStringLiteral("Старий"), QStringLiteral("Лист"), 2, {}, QStringLiteral("T")};
        cat.addIndexCoefficient(k1);
        cat.addIndexCoefficient(k0);
        cat.addIndexCoefficient(passive);
    }
    std::vector<int> indexKeys() {
        std::vector<int> out;
        for (const auto& l : lines(900))
            if (l.idServiceKof)
                out.push_back(*l.idServiceKof);
        return out;
    }
};

TEST_F(IndexLines, FlagAndSettingDecide) {
    struct Case {
        const char* flag;
        bool setting;
        std::vector<int> keys;
    };
    const Case cases[] = {{"", true, {2, 1}}, {"", false, {}}, {"T", false, {2, 1}}, {"F", true, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flag '" << c.flag << "' setting " << c.setting);
        est.cost.fIndex = QString::fromLatin1(c.flag);
        settings.index = c.setting;
        BuildValueLines(est, ctx());
        EXPECT_EQ(indexKeys(), c.keys);
    }
}

TEST_F(IndexLines, LineFieldsComeFromTheCoefficient) {
    settings.index = true;
    BuildValueLines(est, ctx());
    const auto l = lines(900);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].idTypeValue, 1);
    EXPECT_EQ(l[0].idTypeCalc, 0);
    EXPECT_EQ(l[0].name, QStringLiteral("Наказ № 2"));
    EXPECT_EQ(l[0].description, QStringLiteral("Індекс 2023"));
    EXPECT_EQ(l[0].kof, 1.2);
    EXPECT_TRUE(section(100).values.size() == 1); // priced sections get none
}

TEST_F(IndexLines, NoPercentageSectionNoLines) {
    settings.index = true;
    est.sections.pop_back();
    BuildValueLines(est, ctx());
    for (const auto& s : est.sections)
        for (const auto& l : s.values)
            EXPECT_FALSE(l.idServiceKof.has_value());
}

} // namespace
