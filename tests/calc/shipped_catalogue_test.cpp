// The shipped catalogue and templates priced as an estimator would use them:
// an estimate of every priced subsection, first with the catalogue's defaults
// and then with the quantities of a typical plot from the header, and every
// shipped template applied to a new estimate. The catalogue is read from the
// shipped database and the real evaluator computes every formula.

#include "calc/estimate_store.h"
#include "calc/sql_catalogue.h"
#include "calc/templates.h"
#include "calc_fixture.h"
#include "common/db_fixture.h"
#include "data/database.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace velta::calc;

namespace {

class ShippedCatalogue : public velta::test::DbFixture {
protected:
    velta::test::Catalogue catalogue() const override { return velta::test::Catalogue::Shipped; }

    void SetUp() override {
        DbFixture::SetUp();
        m_service = std::make_unique<velta::data::Database>(
            folder().cataloguePath(), QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
        for (const auto& row :
             m_service->run(QStringLiteral(R"(SELECT "ID_Service" FROM "Service")"), {}).rows)
            m_services.push_back(row.at(0).toInt());
        ASSERT_GE(m_services.size(), 3u) << "the shipped catalogue is missing";
        LoadCatalogue(*m_service, m_services, m_cat);
        m_settings.autoAppend = true;
        m_settings.index = true;
    }
    void TearDown() override {
        m_service.reset();
        DbFixture::TearDown();
    }

    CalcContext context() const { return CalcContext{m_cat, m_settings}; }

    // Sections of type 0 that have a price table: the ones an estimator prices.
    std::vector<const ServiceList*> pricedSubsections() const {
        std::vector<const ServiceList*> out;
        for (int s : m_services)
            for (const ServiceList* l : m_cat.sectionsOfService(s))
                if (l->idServiceType.value_or(0) == section_type::Priced &&
                    !m_cat.priceRows(l->idServiceList).empty())
                    out.push_back(l);
        return out;
    }

    Estimate everyPricedSubsection() const {
        Estimate est;
        est.cost.costNumber = QStringLiteral("1");
        for (const ServiceList* l : pricedSubsections())
            AddEstimateSection(est, m_cat, l->idService, l->idServiceList, l->idServiceType, l->name);
        return est;
    }

    // Calculates through the store as the command does; the stored estimate.
    Estimate calculated(Estimate est) {
        const int id = m_store.put(std::move(est));
        try {
            EXPECT_TRUE(CalculateStored(m_store, id, context()));
        } catch (const CalcError& e) {
            ADD_FAILURE() << e.message().toStdString();
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
        return *m_store.find(id);
    }

    const ServiceList* generalProvisions(int idService) const {
        for (const ServiceList* l : m_cat.sectionsOfService(idService))
            if (l->idServiceType.value_or(0) == section_type::PercentOfEstimate)
                return l;
        return nullptr;
    }

    // Every priced section has its price line and a positive sum; every
    // collection has its general-provisions section with a line for each of
    // its notes that holds and each active index coefficient, and a positive
    // sum of its own.
    void expectPricedThroughout(const Estimate& est) {
        std::set<int> collections;
        for (const CostLnk& s : est.sections) {
            collections.insert(s.idService);
            SCOPED_TRACE(testing::Message() << "section " << s.idServiceList << " " << s.name.toStdString());
            if (s.type() == section_type::Priced) {
                const bool priceLine = std::any_of(s.values.begin(), s.values.end(),
                                                   [](const CostValue& v) { return v.idTypeValue == 0; });
                EXPECT_TRUE(priceLine);
                EXPECT_GT(s.sum.value_or(0), 0);
                EXPECT_NEAR(s.sum.value_or(0), s.sumField.value_or(0) + s.sumCameral.value_or(0), 0.005);
            }
        }
        for (int idService : collections) {
            SCOPED_TRACE(testing::Message() << "collection " << idService);
            const ServiceList* general = generalProvisions(idService);
            ASSERT_NE(general, nullptr);
            const CostLnk* added = nullptr;
            for (const CostLnk& s : est.sections)
                if (s.idService == idService && s.idServiceList == general->idServiceList)
                    added = &s;
            ASSERT_NE(added, nullptr);
            EXPECT_EQ(added->type(), section_type::PercentOfEstimate);
            int noteLines = 0;
            std::set<int> indexLines;
            for (const CostValue& v : added->values) {
                if (v.idServiceKof)
                    indexLines.insert(*v.idServiceKof);
                else
                    ++noteLines;
                EXPECT_TRUE(v.sumValue.has_value()) << v.name.toStdString();
            }
            EXPECT_GT(noteLines, 0);
            std::set<int> active;
            for (const ServiceKof& k : m_cat.indexCoefficients(idService))
                if (k.fPassive != QLatin1String("T"))
                    active.insert(k.idServiceKof);
            EXPECT_EQ(indexLines, active);
            EXPECT_GT(added->sum.value_or(0), 0);
        }
        EXPECT_GT(est.cost.sumFull.value_or(0), 0);
    }

    std::unique_ptr<velta::data::Database> m_service;
    std::vector<int> m_services;
    InMemoryCatalogue m_cat;
    CalcSettings m_settings;
    InMemoryEstimateStore m_store;
};

TEST_F(ShippedCatalogue, EveryPricedSubsectionPricesWithItsDefaults) {
    const std::size_t priced = pricedSubsections().size();
    EXPECT_GE(priced, 40u);
    Estimate est = everyPricedSubsection();
    CreateSectionParameters(est, m_cat);
    // Nothing but defaults: every value is the one its catalogue row gives.
    for (const CostLnk& s : est.sections)
        for (const CostParam& p : s.params)
            EXPECT_TRUE(p.pValue.has_value())
                << "section " << s.idServiceList << ": " << p.name.toStdString();
    const Estimate done = calculated(std::move(est));
    EXPECT_EQ(done.collections.size(), m_services.size());
    EXPECT_EQ(done.sections.size(), priced + m_services.size());
    expectPricedThroughout(done);
}

TEST_F(ShippedCatalogue, EveryPricedSubsectionPricesWithTheHeaderQuantities) {
    Estimate est = everyPricedSubsection();
    est.cost.area = 25000; // 2.5 ha
    est.cost.perimetr = 700;
    est.cost.countObject = 2;
    est.cost.countPoint = 8;
    CreateSectionParameters(est, m_cat);
    ApplyHeaderQuantities(est, m_cat);
    int applied = 0;
    for (const CostLnk& s : est.sections)
        for (const CostParam& p : s.params) {
            const TypeParameter* kind = m_cat.parameterKind(p.idTypeParameter);
            const int f = kind ? kind->idTypeValue.value_or(-1) : -1;
            const std::map<int, double> expected = {{format::AreaSqM, 25000},  {format::AreaHa, 2.5},
                                                    {format::PerimeterM, 700}, {format::PerimeterKm, 0.7},
                                                    {format::CountObjects, 2}, {format::CountPoints, 8}};
            if (auto it = expected.find(f); it != expected.end()) {
                ++applied;
                EXPECT_DOUBLE_EQ(p.pValue.value_or(-1), it->second) << p.name.toStdString();
            }
        }
    EXPECT_GT(applied, 20);
    expectPricedThroughout(calculated(std::move(est)));
}

TEST_F(ShippedCatalogue, EveryTemplateAppliesToANewEstimateAndCalculates) {
    velta::data::Database velta(folder().estimatesPath(), QStringLiteral("SYSDBA"),
                                QStringLiteral("masterkey"));
    const std::vector<EstimateTemplate> templates = LoadTemplates(velta);
    ASSERT_GE(templates.size(), 5u);
    for (const EstimateTemplate& t : templates) {
        SCOPED_TRACE(t.name.toStdString());
        ASSERT_FALSE(t.sections.empty());
        Estimate est;
        est.cost.area = 25000;
        est.cost.perimetr = 700;
        est.cost.countObject = 1;
        est.cost.countPoint = 8;
        ApplyTemplate(est, m_cat, t);
        ApplyHeaderQuantities(est, m_cat);
        const Estimate done = calculated(std::move(est));
        EXPECT_EQ(done.cost.agreement, t.name);
        std::set<int> services;
        for (const TemplateSection& s : t.sections)
            services.insert(s.idService);
        EXPECT_EQ(done.collections.size(), services.size());
        for (const CostSrv& c : done.collections)
            EXPECT_EQ(c.name, m_cat.service(c.idService)->name);
        EXPECT_EQ(done.sections.size(), t.sections.size() + services.size());
        expectPricedThroughout(done);
    }
}

// Every formula of the catalogue, its letters filled in by the calculation's
// own substitution with the defaults the estimate would start from, is one the
// evaluator accepts; notes whose conditions fail on the defaults are tried too.
TEST_F(ShippedCatalogue, EveryFormulaEvaluatesOnceItsLettersAreFilled) {
    const Evaluator evaluate = defaultEvaluator();
    int formulas = 0;
    for (int service : m_services) {
        for (const ServiceList* l : m_cat.sectionsOfService(service))
            for (const ServiceNote& note : m_cat.notes(l->idServiceList)) {
                if (note.formula.isEmpty())
                    continue;
                ++formulas;
                SCOPED_TRACE(testing::Message()
                             << "note " << note.idServiceNote << ": " << note.formula.toStdString());
                CostParam visited;
                visited.pValue = note.defaultValue[0].value_or(1);
                NoteCondition condition;
                for (int i = 0; i < 4; ++i)
                    condition.v[i] = note.defaultValue[i].value_or(1);
                CostLnk section;
                WriteNoteLine(section, note, 1, std::clamp(note.countParameters.value_or(0), 0, 3), visited,
                              condition, m_cat);
                ASSERT_EQ(section.values.size(), 1u);
                const QString filled = section.values[0].formula;
                EXPECT_LE(filled.size(), 100) << "the value line's Formula holds 100 characters";
                try {
                    EXPECT_TRUE(std::isfinite(evaluate(filled))) << filled.toStdString();
                } catch (const std::exception& e) {
                    ADD_FAILURE() << filled.toStdString() << ": " << e.what();
                }
            }
        for (const ServiceKof& k : m_cat.indexCoefficients(service)) {
            if (k.formula.isEmpty())
                continue;
            ++formulas;
            try {
                EXPECT_GT(evaluate(k.formula), 0) << k.formula.toStdString();
            } catch (const std::exception& e) {
                ADD_FAILURE() << k.formula.toStdString() << ": " << e.what();
            }
        }
    }
    EXPECT_GT(formulas, 10);
}

} // namespace
