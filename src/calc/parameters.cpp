// Parameter set-up: every estimate section gets a parameter value for each
// quantity its catalogue section, its notes and the notes of its type-2
// ancestors ask for. Existing values are never touched, so what the user has
// typed survives every run; a deleted value comes back with its default.

#include "calc/calculation.h"

#include "core/rounding.h"

namespace velta::calc {

namespace {

const QString kValuePrefix = QStringLiteral("Значення - ");

bool hasKind(const CostLnk& section, int kind) {
    for (const auto& p : section.params)
        if (p.idTypeParameter == kind)
            return true;
    return false;
}

bool hasKindAndKof(const CostLnk& section, int kind, int typeKof) {
    for (const auto& p : section.params)
        if (p.idTypeParameter == kind && p.idTypeKof == typeKof)
            return true;
    return false;
}

void add(Estimate& estimate, CostLnk& section, int kind, int number, const QString& name,
         std::optional<double> value, std::optional<int> typeKof, std::optional<int> serviceList) {
    CostParam p;
    p.idTypeParameter = kind;
    p.number = number;
    p.name = name.left(250);
    p.pValue = value;
    p.idTypeKof = typeKof;
    p.idServiceList = serviceList;
    estimate.addParam(section, std::move(p));
}

void applyNoteRule(Estimate& estimate, CostLnk& section, const ServiceNote& note, int offset,
                   std::optional<int> serviceList, const CatalogueView& catalogue) {
    const int kind = note.idTypeParameter[0].value_or(0);
    const int number = note.number + offset;
    // The first condition parameter is created even when its kind is missing
    // from the reference list: the note names it, so the user must see it.
    if (!hasKind(section, kind))
        add(estimate, section, kind, number, note.nameParameter, note.defaultValue[0], std::nullopt,
            serviceList);
    const int typeKof = note.idTypeKof.value_or(0);
    if (typeKof > 0 && !hasKindAndKof(section, kind, typeKof))
        add(estimate, section, kind, number, kValuePrefix + note.nameParameter, note.kof, typeKof,
            serviceList);
    const int extra = note.countParameters.value_or(0);
    for (int i = 1; i <= 3 && i <= extra; ++i) {
        const int k = note.idTypeParameter[i].value_or(0);
        if (hasKind(section, k))
            continue;
        if (const TypeParameter* t = catalogue.parameterKind(k))
            add(estimate, section, k, number, t->name, note.defaultValue[i], std::nullopt, serviceList);
    }
}

const ServiceList* findIn(const std::vector<const ServiceList*>& list, int id) {
    for (const ServiceList* s : list)
        if (s->idServiceList == id)
            return s;
    return nullptr;
}

} // namespace

void CreateSectionParameters(Estimate& estimate, const CatalogueView& catalogue) {
    for (CostSrv* collection : estimate.orderedCollections()) {
        for (CostLnk* section : estimate.sectionsOf(collection->idService)) {
            const ServiceList* cs = catalogue.section(section->idServiceList);
            if (!cs || !catalogue.service(section->idService))
                continue;
            for (const ServiceParam& sp : catalogue.parameters(cs->idServiceList)) {
                if (hasKind(*section, sp.idTypeParameter))
                    continue;
                const TypeParameter* kind = catalogue.parameterKind(sp.idTypeParameter);
                if (kind && kind->idTypeValue.value_or(0) != format::Money)
                    add(estimate, *section, sp.idTypeParameter, sp.number, sp.name, sp.defaultValue,
                        std::nullopt, std::nullopt);
            }
            for (const ServiceNote& note : catalogue.notes(cs->idServiceList))
                applyNoteRule(estimate, *section, note, 10, std::nullopt, catalogue);

            // Up to three levels above the section; a parent of another kind
            // adds nothing but does not stop the walk.
            const auto& all = catalogue.sectionsOfService(section->idService);
            const ServiceList* current = findIn(all, cs->idServiceList);
            for (int level = 0; current && level < 3; ++level) {
                const int parentId = current->idServiceLnk.value_or(0);
                current = parentId > 0 ? findIn(all, parentId) : nullptr;
                if (!current)
                    break;
                if (current->idServiceType.value_or(0) == section_type::PercentOfSection)
                    for (const ServiceNote& note : catalogue.notes(current->idServiceList))
                        applyNoteRule(estimate, *section, note, 100, note.idServiceList, catalogue);
            }
        }
    }
}

void ApplyHeaderQuantities(Estimate& estimate, const CatalogueView& catalogue) {
    const double area = estimate.cost.area.value_or(0);
    const double perimeter = estimate.cost.perimetr.value_or(0);
    const int objects = estimate.cost.countObject.value_or(0);
    const int points = estimate.cost.countPoint.value_or(0);
    for (CostSrv* collection : estimate.orderedCollections()) {
        for (CostLnk* section : estimate.sectionsOf(collection->idService)) {
            for (CostParam& p : section->params) {
                const TypeParameter* kind = catalogue.parameterKind(p.idTypeParameter);
                if (!kind)
                    continue;
                const int f = kind->idTypeValue.value_or(0);
                if (f <= 7)
                    continue;
                if (area > 0) {
                    if (f == format::AreaSqM)
                        p.pValue = area;
                    else if (f == format::AreaHa)
                        p.pValue = area / 10000;
                    else if (f == format::AreaThousandHa)
                        p.pValue = core::RoundHalfUp(area / 10000 / 1000, -4);
                    else if (f == format::AreaMillionHa)
                        p.pValue = core::RoundHalfUp(area / 10000 / 1000 / 1000, -4);
                }
                if (perimeter > 0) {
                    if (f == format::PerimeterM)
                        p.pValue = perimeter;
                    else if (f == format::PerimeterKm)
                        p.pValue = perimeter / 1000;
                }
                if (objects > 0 && f == format::CountObjects)
                    p.pValue = objects;
                if (points > 0 && f == format::CountPoints)
                    p.pValue = points;
                // Stored again even when unchanged: its edit time stamp moves.
                p.state.dirty = true;
            }
        }
    }
}

} // namespace velta::calc
