// Parameter set-up: which values a section gets, with which numbers, names
// and defaults, and that what exists is never touched.

#include "calc_fixture.h"

using namespace velta::calc;
using namespace velta::calc::test;

namespace {

struct Row {
    int kind;
    int number;
    QString name;
    double value;
    std::optional<int> typeKof;
    std::optional<int> serviceList;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << "{kind " << r.kind << ", no " << r.number << ", " << r.name.toStdString() << ", " << r.value
        << ", kof " << (r.typeKof ? *r.typeKof : -1) << ", list " << (r.serviceList ? *r.serviceList : -1)
        << "}";
}

class Parameters : public CalcFixture {
protected:
    std::vector<Row> rows(int lnkId) {
        std::vector<Row> out;
        for (const auto& p : section(lnkId).params)
            out.push_back(
                {p.idTypeParameter, p.number, p.name, p.pValue.value_or(-999), p.idTypeKof, p.idServiceList});
        return out;
    }
};

TEST_F(Parameters, ParameterListAndNotesInTheirOrderOneOrdinaryValuePerKind) {
    catSection(10);
    catParam(10, 1, kArea, 9, 2.5, 1);
    catParam(10, 2, kMoney, 4, 100, 2); // money: the list never creates it
    catParam(10, 3, kCategory, 0, 1, 3);
    // Two notes on the plots kind: one ordinary value from the lower number;
    // the variable one adds its coefficient value beside it.
    ServiceNote n1 = makeEqualNote(1, 10, 2, kPlots, 1, 1.1, 2);
    n1.nameParameter = QStringLiteral("Кількість ділянок");
    n1.defaultValue[0] = 1;
    ServiceNote n2 = makeEqualNote(2, 10, 5, kPlots, 2, 1.2, 3);
    n2.nameParameter = QStringLiteral("Кількість ділянок (інша)");
    n2.defaultValue[0] = 7;
    n2.idTypeKof = 1;
    // A note on the money kind creates a value for it after all.
    ServiceNote n3 = makeEqualNote(3, 10, 6, kMoney, 3, 150, 0);
    n3.nameParameter = QStringLiteral("Вартість матеріалів");
    n3.defaultValue[0] = 40;
    // A note on a kind the list made already adds nothing; its second
    // parameter is created with the kind's name, its third is not in the
    // reference list and is skipped.
    ServiceNote n4 = makeEqualNote(4, 10, 7, kArea, 1, 1.5, 1);
    n4.countParameters = 2;
    n4.idTypeParameter[1] = kCount;
    n4.defaultValue[1] = 3;
    n4.idTypeParameter[2] = 999;
    for (const auto& n : {n1, n2, n3, n4})
        cat.addNote(n);
    lnk(100, 10);

    CreateSectionParameters(est, cat);

    const std::vector<Row> expected = {
        {kArea, 1, QStringLiteral("Параметр 1"), 2.5, std::nullopt, std::nullopt},
        {kCategory, 3, QStringLiteral("Параметр 2"), 1, std::nullopt, std::nullopt},
        {kPlots, 12, QStringLiteral("Кількість ділянок"), 1, std::nullopt, std::nullopt},
        {kPlots, 15, QStringLiteral("Значення - Кількість ділянок (інша)"), 1.2, 1, std::nullopt},
        {kMoney, 16, QStringLiteral("Вартість матеріалів"), 40, std::nullopt, std::nullopt},
        {kCount, 17, QStringLiteral("Кількість суміжників"), 3, std::nullopt, std::nullopt},
    };
    EXPECT_EQ(rows(100), expected);
}

TEST_F(Parameters, VariableNoteValueSitsAfterItsOrdinaryValueWithTheSameNumber) {
    catSection(10);
    ServiceNote n = makeNote(1, 10, 3, kCount, 0, 1.2);
    n.idTypeKof = 1;
    n.nameParameter = QStringLiteral("Кількість суміжників");
    n.defaultValue[0] = 2;
    cat.addNote(n);
    lnk(100, 10);
    CreateSectionParameters(est, cat);
    const std::vector<Row> expected = {
        {kCount, 13, QStringLiteral("Кількість суміжників"), 2, std::nullopt, std::nullopt},
        {kCount, 13, QStringLiteral("Значення - Кількість суміжників"), 1.2, 1, std::nullopt},
    };
    EXPECT_EQ(rows(100), expected);
}

TEST_F(Parameters, UserValuesSurviveAndADeletedOneComesBackWithItsDefault) {
    catSection(10);
    catParam(10, 1, kArea, 9, 2.5, 1);
    catParam(10, 2, kCategory, 0, 1, 2);
    lnk(100, 10);
    CreateSectionParameters(est, cat);
    section(100).params[0].pValue = 14;                         // typed by the user
    section(100).params.erase(section(100).params.begin() + 1); // deleted by the user
    for (auto& p : section(100).params)
        p.state = {false, false, p.state.seq};

    CreateSectionParameters(est, cat);

    ASSERT_EQ(section(100).params.size(), 2u);
    EXPECT_EQ(section(100).params[0].pValue, 14);
    EXPECT_FALSE(section(100).params[0].state.dirty);
    EXPECT_EQ(section(100).params[1].idTypeParameter, kCategory);
    EXPECT_EQ(section(100).params[1].pValue, 1);
    EXPECT_TRUE(section(100).params[1].state.isNew);
}

TEST_F(Parameters, AncestorNotesUpToThreeLevelsThroughParentsOfAnyKind) {
    // 1 (type 2) <- 2 (type 0) <- 3 (type 2) <- 4 (type 0) <- 5 (type 0)
    catSection(1, 2);
    catSection(2, 0, 1);
    catSection(3, 2, 2);
    catSection(4, 0, 3);
    catSection(5, 0, 4);
    ServiceNote top = makeEqualNote(1, 1, 4, kPlots, 1, 1.1, 2);
    top.nameParameter = QStringLiteral("Кількість ділянок");
    ServiceNote mid = makeEqualNote(2, 3, 2, kCount, 1, 1.3, 2);
    mid.nameParameter = QStringLiteral("Кількість суміжників");
    cat.addNote(top);
    cat.addNote(mid);
    lnk(100, 4);    // 3 is its parent, 1 three levels up through type-0 section 2
    lnk(200, 5, 2); // 3 two levels up through type-0 section 4; 1 four levels up, out of reach

    CreateSectionParameters(est, cat);

    const std::vector<Row> four = {
        {kCount, 102, QStringLiteral("Кількість суміжників"), -999, std::nullopt, 3},
        {kPlots, 104, QStringLiteral("Кількість ділянок"), -999, std::nullopt, 1},
    };
    const std::vector<Row> five = {
        {kCount, 102, QStringLiteral("Кількість суміжників"), -999, std::nullopt, 3},
    };
    EXPECT_EQ(rows(100), four);
    EXPECT_EQ(rows(200), five);
}

TEST_F(Parameters, SectionWithoutCatalogueRowOrCollectionGetsNothing) {
    catParam(77, 1, kArea, 9, 2.5);
    lnk(100, 77); // no such catalogue section
    catSection(10);
    catParam(10, 2, kArea, 9, 2.5);
    lnk(200, 10);
    section(200).idService = 5; // collection gone from the catalogue
    CreateSectionParameters(est, cat);
    EXPECT_TRUE(section(100).params.empty());
    EXPECT_TRUE(section(200).params.empty());
}

struct HeaderCase {
    const char* name;
    std::optional<double> area, perimeter;
    std::optional<int> objects, points;
    std::vector<std::pair<int, double>> expected; // kind, value after
};

class HeaderQuantities : public Parameters, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderQuantities, FillsTheValuesOfMatchingFormats) {
    const HeaderCase& c = GetParam();
    catSection(10);
    lnk(100, 10);
    const int kinds[] = {kAreaSqM, kArea, kAreaTHa, kAreaMHa, kPerimM, kLength, kPlots, kPoints, kCount};
    int id = 1;
    for (int k : kinds) {
        param(100, id, k, -1, id);
        ++id;
    }
    est.cost.area = c.area;
    est.cost.perimetr = c.perimeter;
    est.cost.countObject = c.objects;
    est.cost.countPoint = c.points;

    ApplyHeaderQuantities(est, cat);

    for (auto [kind, value] : c.expected) {
        const CostParam* p = findParam(100, kind);
        ASSERT_NE(p, nullptr);
        EXPECT_DOUBLE_EQ(*p->pValue, value) << "kind " << kind;
    }
    // Values of formats above 7 are stored again even when unchanged.
    EXPECT_TRUE(findParam(100, kAreaSqM)->state.dirty);
    EXPECT_FALSE(findParam(100, kCount)->state.dirty);
    EXPECT_EQ(findParam(100, kCount)->pValue, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderQuantities,
    ::testing::Values(
        HeaderCase{"area30000",
                   30000,
                   std::nullopt,
                   std::nullopt,
                   std::nullopt,
                   {{kAreaSqM, 30000}, {kArea, 3}, {kAreaTHa, 0.003}, {kAreaMHa, 0}, {kPerimM, -1}}},
        HeaderCase{"zeroAreaLeavesValues",
                   0,
                   2500,
                   12,
                   0,
                   {{kAreaSqM, -1},
                    {kArea, -1},
                    {kAreaTHa, -1},
                    {kPerimM, 2500},
                    {kLength, 2.5},
                    {kPlots, 12},
                    {kPoints, -1}}},
        HeaderCase{"largeArea",
                   123456789,
                   std::nullopt,
                   std::nullopt,
                   7,
                   {{kArea, 12345.6789}, {kAreaTHa, 12.3457}, {kAreaMHa, 0.0123}, {kPoints, 7}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
