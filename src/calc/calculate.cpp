// The Calculate command on a loaded estimate: general provisions, parameter
// set-up, value lines and totals, and a second pass of the last two when some
// parameters take collection sums (their values are known only after the
// first totals pass, and the note formulas must see them).

#include "calc/calculation.h"

#include <algorithm>

namespace velta::calc {

bool AppendGeneralProvisions(Estimate& estimate, const CatalogueView& catalogue) {
    bool added = false;
    // Keys, not pointers: adding a section moves the others in memory.
    std::vector<int> services;
    for (CostSrv* c : estimate.orderedCollections())
        services.push_back(c->idService);
    for (int idService : services) {
        const auto sections = estimate.sectionsOf(idService);
        const bool hasOne = std::any_of(sections.begin(), sections.end(), [](const CostLnk* s) {
            return s->type() == section_type::PercentOfEstimate;
        });
        if (hasOne)
            continue;
        // The lowest-numbered one when the catalogue holds several.
        const ServiceList* general = nullptr;
        for (const ServiceList* s : catalogue.sectionsOfService(idService))
            if (s->idServiceType.value_or(0) == section_type::PercentOfEstimate) {
                general = s;
                break;
            }
        if (!general)
            continue;
        const bool present = std::any_of(sections.begin(), sections.end(), [&](const CostLnk* s) {
            return s->idServiceList == general->idServiceList;
        });
        if (present)
            continue;
        CostLnk section;
        section.idCost = estimate.cost.idCost;
        section.number = 99;
        section.idService = idService;
        section.idServiceList = general->idServiceList;
        section.idServiceType = general->idServiceType;
        section.name = general->name;
        estimate.addSection(std::move(section));
        added = true;
    }
    return added;
}

int Calculate(Estimate& estimate, const CalcContext& context) {
    if (context.settings.autoAppend)
        AppendGeneralProvisions(estimate, context.catalogue);
    CreateSectionParameters(estimate, context.catalogue);
    BuildValueLines(estimate, context);
    // The flag as the value-line pass has just stored it: an estimate whose
    // stored "T" is stale runs once.
    const bool second = estimate.cost.fSumParam == QLatin1String("T");
    CalculateTotals(estimate, context);
    if (!second)
        return 1;
    BuildValueLines(estimate, context);
    CalculateTotals(estimate, context);
    return 2;
}

} // namespace velta::calc
