// Adding sections to an estimate: the estimate collections they need, their
// numbers, and the sections of a template with the kind of works.

#include "calc/estimate_store.h"
#include "calc/templates.h"
#include "calc_fixture.h"

using namespace velta::calc;
using namespace velta::calc::test;

namespace {

class AddingSections : public CalcFixture {
protected:
    void SetUp() override {
        CalcFixture::SetUp();
        cat.addService({2, QStringLiteral("Збірник цін на топографо-геодезичні роботи")});
        catSection(10);
        catParam(10, 1, kArea, 4, 1.5, 1);
        catRow(10, 1, 1000, 0);
        catSection(90, 1, std::nullopt, 90);
        ServiceList other;
        other.idServiceList = 20;
        other.idService = 2;
        other.idServiceType = 0;
        other.name = QStringLiteral("Знімання 1:500");
        cat.addSection(other);
        catParam(20, 2, kPlots, 4, 3, 1);
    }

    std::vector<std::pair<int, int>> numbersOf(int idService) {
        std::vector<std::pair<int, int>> out; // (Number, ID_ServiceList)
        for (const CostLnk* s : est.sectionsOf(idService))
            out.push_back({s->number, s->idServiceList});
        return out;
    }
    const CostSrv* collection(int idService) {
        for (const auto& c : est.collections)
            if (c.idService == idService)
                return &c;
        return nullptr;
    }
};

TEST_F(AddingSections, NumbersFollowThePricedSectionsOfTheCollection) {
    lnk(100, 10, 4);
    lnk(900, 90, 99, 1); // general provisions: not counted
    AddEstimateSection(est, cat, 1, 10, 0, QStringLiteral("Розділ 10"));
    AddEstimateSection(est, cat, 1, 10, 0, QStringLiteral("Розділ 10")); // the same row twice
    EXPECT_EQ(numbersOf(1), (std::vector<std::pair<int, int>>{{4, 10}, {5, 10}, {6, 10}, {99, 90}}));
    EXPECT_EQ(est.collections.size(), 1u);
}

TEST_F(AddingSections, NewCollectionIsNumberedAfterTheLastAndNamedFromTheCatalogue) {
    est.collections.front().number = 3;
    CostLnk& added = AddEstimateSection(est, cat, 2, 20, 0, QStringLiteral("Знімання"));
    EXPECT_EQ(added.number, 1);
    EXPECT_TRUE(added.state.isNew);
    const CostSrv* c = collection(2);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->number, 4);
    EXPECT_EQ(c->name, QStringLiteral("Збірник цін на топографо-геодезичні роботи"));
    EXPECT_TRUE(c->state.isNew);
    // A collection missing from the catalogue is created all the same, without a name.
    EnsureEstimateCollection(est, cat, 7);
    ASSERT_NE(collection(7), nullptr);
    EXPECT_EQ(collection(7)->number, 5);
    EXPECT_TRUE(collection(7)->name.isEmpty());
    EXPECT_EQ(&EnsureEstimateCollection(est, cat, 2), collection(2));
}

TEST_F(AddingSections, TemplateKeepsExistingSectionsAndUsesItsOwnNumbers) {
    lnk(100, 10, 1);
    est.cost.agreement = QStringLiteral("Стара назва робіт");
    param(100, 1, kArea, 7.25);
    EstimateTemplate t;
    t.idListService = 1;
    t.name = QStringLiteral("Технічна документація");
    t.sections = {
        {1, 1, 1, 10, 0, QStringLiteral("Розділ 10"), QStringLiteral("з шаблону")},
        {2, 2, 2, 20, 0, QString(), QString()}, // no name: the catalogue row's
        {3, std::nullopt, 1, 10, 0, QStringLiteral("Без номера"), QString()},
    };
    ApplyTemplate(est, cat, t);

    EXPECT_EQ(est.cost.agreement, QStringLiteral("Технічна документація"));
    EXPECT_TRUE(est.cost.dirty);
    // Equal numbers stay in the order of adding; the unnumbered one follows the last.
    EXPECT_EQ(numbersOf(1), (std::vector<std::pair<int, int>>{{1, 10}, {1, 10}, {2, 10}}));
    EXPECT_EQ(numbersOf(2), (std::vector<std::pair<int, int>>{{2, 20}}));
    ASSERT_NE(collection(2), nullptr);
    EXPECT_EQ(collection(2)->number, 2);

    const auto first = est.sectionsOf(1);
    EXPECT_EQ(first[0]->idCostLnk, 100);
    EXPECT_EQ(first[1]->note, QStringLiteral("з шаблону"));
    EXPECT_EQ(first[2]->name, QStringLiteral("Без номера"));
    EXPECT_EQ(est.sectionsOf(2)[0]->name, QStringLiteral("Знімання 1:500"));
    // Parameter values for the new sections with their defaults; the user's value stays.
    EXPECT_EQ(findParam(100, kArea)->pValue, 7.25);
    ASSERT_EQ(first[1]->params.size(), 1u);
    EXPECT_EQ(first[1]->params[0].pValue, 1.5);
    ASSERT_EQ(est.sectionsOf(2)[0]->params.size(), 1u);
    EXPECT_EQ(est.sectionsOf(2)[0]->params[0].pValue, 3);
}

TEST_F(AddingSections, AppliedTemplateIsStoredAndCalculates) {
    EstimateTemplate t;
    t.name = QStringLiteral("Шаблон");
    t.sections = {{1, 1, 1, 10, 0, QStringLiteral("Розділ 10"), QString()}};
    InMemoryEstimateStore store;
    Estimate fresh;
    ApplyTemplate(fresh, cat, t);
    const int id = store.put(fresh);
    settings.autoAppend = true;
    ASSERT_TRUE(CalculateStored(store, id, ctx()));
    const Estimate* stored = store.find(id);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->cost.agreement, QStringLiteral("Шаблон"));
    EXPECT_EQ(stored->sections.size(), 2u); // with the general provisions
    EXPECT_EQ(stored->sections[0].sum, 1500);
}

} // namespace
