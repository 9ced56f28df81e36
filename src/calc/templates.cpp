#include "calc/templates.h"

#include "calc/calculation.h"
#include "data/dataset.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace velta::calc {

namespace {

// Column values of one result row by name; NULL is an empty optional.
class Row {
public:
    Row(const QHash<QString, int>& index, const QVector<QVariant>& values)
        : m_index(index), m_values(values) {}

    QVariant value(const char* name) const {
        const int i = m_index.value(QString::fromLatin1(name), -1);
        return i < 0 ? QVariant() : m_values[i];
    }
    std::optional<int> optInt(const char* name) const {
        const QVariant v = value(name);
        return v.isNull() ? std::nullopt : std::optional(v.toInt());
    }
    QString text(const char* name) const { return value(name).toString(); }

private:
    const QHash<QString, int>& m_index;
    const QVector<QVariant>& m_values;
};

template <typename F> void forEachRow(data::SqlExecutor& db, const QString& sql, F f) {
    const data::QueryResult r = db.run(sql, {});
    QHash<QString, int> index;
    for (int i = 0; i < int(r.columns.size()); ++i)
        index.insert(r.columns[i].name, i);
    for (const auto& values : r.rows)
        f(Row(index, values));
}

} // namespace

CostSrv& EnsureEstimateCollection(Estimate& estimate, const CatalogueView& catalogue, int idService) {
    for (auto& c : estimate.collections)
        if (c.idService == idService)
            return c;
    int last = 0;
    for (const auto& c : estimate.collections)
        last = std::max(last, c.number);
    CostSrv c;
    c.idService = idService;
    c.number = last + 1;
    if (const Service* s = catalogue.service(idService))
        c.name = s->name;
    c.state.isNew = true;
    c.state.dirty = true;
    c.state.seq = estimate.nextSeq++;
    estimate.collections.push_back(std::move(c));
    return estimate.collections.back();
}

namespace {

int nextSectionNumber(const Estimate& estimate, int idService) {
    int last = 0;
    for (const auto& s : estimate.sections)
        if (s.idService == idService && s.type() == section_type::Priced)
            last = std::max(last, s.number);
    return last + 1;
}

CostLnk& appendSection(Estimate& estimate, const CatalogueView& catalogue, int idService, int idServiceList,
                       std::optional<int> idServiceType, const QString& name, std::optional<int> number) {
    EnsureEstimateCollection(estimate, catalogue, idService);
    CostLnk section;
    section.idCost = estimate.cost.idCost;
    section.number = number.value_or(nextSectionNumber(estimate, idService));
    section.idService = idService;
    section.idServiceList = idServiceList;
    section.idServiceType = idServiceType;
    section.name = name.left(250);
    return estimate.addSection(std::move(section));
}

} // namespace

CostLnk& AddEstimateSection(Estimate& estimate, const CatalogueView& catalogue, int idService,
                            int idServiceList, std::optional<int> idServiceType, const QString& name) {
    return appendSection(estimate, catalogue, idService, idServiceList, idServiceType, name, std::nullopt);
}

void ApplyTemplate(Estimate& estimate, const CatalogueView& catalogue,
                   const EstimateTemplate& estimateTemplate) {
    if (estimate.cost.agreement != estimateTemplate.name) {
        estimate.cost.agreement = estimateTemplate.name;
        estimate.cost.dirty = true;
    }
    for (const TemplateSection& t : estimateTemplate.sections) {
        // A section saved without a name would be a blank line in the
        // estimate; the template editor gives it the catalogue row's name.
        QString name = t.name.trimmed();
        if (name.isEmpty())
            if (const ServiceList* row = catalogue.section(t.idServiceList))
                name = row->name;
        CostLnk& added =
            appendSection(estimate, catalogue, t.idService, t.idServiceList, t.idServiceType, name, t.number);
        added.note = t.note.left(250);
    }
    CreateSectionParameters(estimate, catalogue);
}

std::vector<EstimateTemplate> LoadTemplates(data::SqlExecutor& estimates) {
    std::vector<EstimateTemplate> out;
    std::map<int, std::size_t> byKey;
    forEachRow(estimates, QStringLiteral(R"(SELECT * FROM "ListService" ORDER BY "Name", "ID_ListService")"),
               [&](const Row& r) {
                   EstimateTemplate t;
                   t.idListService = r.optInt("ID_ListService").value_or(0);
                   t.name = r.text("Name");
                   t.note = r.text("Note");
                   byKey[t.idListService] = out.size();
                   out.push_back(std::move(t));
               });
    forEachRow(
        estimates,
        QStringLiteral(
            R"(SELECT * FROM "ListServiceLnk" ORDER BY "ID_ListService", "Number", "ID_ListServiceLnk")"),
        [&](const Row& r) {
            const auto owner = byKey.find(r.optInt("ID_ListService").value_or(0));
            if (owner == byKey.end())
                return;
            TemplateSection s;
            s.idListServiceLnk = r.optInt("ID_ListServiceLnk").value_or(0);
            s.number = r.optInt("Number");
            s.idService = r.optInt("ID_Service").value_or(0);
            s.idServiceList = r.optInt("ID_ServiceList").value_or(0);
            s.idServiceType = r.optInt("ID_ServiceType");
            s.name = r.text("Name");
            s.note = r.text("Note");
            out[owner->second].sections.push_back(std::move(s));
        });
    return out;
}

} // namespace velta::calc
