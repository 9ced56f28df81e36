#pragma once
// Adding sections to an estimate: one catalogue section or subsection, or
// every section of an estimate template at once. The rules of numbering and of
// the estimate collections live here, over the estimate model, so the
// sections window only picks rows and the tests need no window.
//
//   EnsureEstimateCollection  the estimate collection of a catalogue collection,
//                             created when missing
//   AddEstimateSection        one section appended to its collection
//   ApplyTemplate             the template's sections appended, the kind of
//                             works set to the template's name, parameter
//                             values created
//
// New rows carry key 0 and change marks; the store gives them keys when it
// saves the estimate.

#include "calc/catalogue_view.h"
#include "calc/model.h"

#include <QString>

#include <optional>
#include <vector>

namespace velta::data {
class SqlExecutor;
}

namespace velta::calc {

// A ListServiceLnk row.
struct TemplateSection {
    int idListServiceLnk = 0;
    std::optional<int> number;
    int idService = 0;
    int idServiceList = 0;
    std::optional<int> idServiceType;
    QString name;
    QString note;
};

// A ListService row with its sections in Number order (equal numbers by key).
struct EstimateTemplate {
    int idListService = 0;
    QString name;
    QString note;
    std::vector<TemplateSection> sections;
};

// The estimate collection of catalogue collection idService. A new one is
// numbered after the estimate's last collection (1 for the first) and named
// like the catalogue collection when the catalogue has it.
CostSrv& EnsureEstimateCollection(Estimate& estimate, const CatalogueView& catalogue, int idService);

// Appends one section of catalogue row idServiceList to the collection
// idService (created when missing). Its Number is one more than the greatest
// Number among the collection's sections of type 0 or empty, 1 when there is
// none, so a general-provisions section numbered 99 does not push the priced
// ones past it.
CostLnk& AddEstimateSection(Estimate& estimate, const CatalogueView& catalogue, int idService,
                            int idServiceList, std::optional<int> idServiceType, const QString& name);

// Appends the template's sections after the estimate's own, with the
// template's numbers (equal numbers may result; a section without a number
// gets the one AddEstimateSection gives), sets the kind of works to the
// template's name and creates the parameter values the new sections need.
// The estimate's own sections and their values stay as they are.
void ApplyTemplate(Estimate& estimate, const CatalogueView& catalogue,
                   const EstimateTemplate& estimateTemplate);

// Every template of the estimates database with its sections, in the order of
// Name.
std::vector<EstimateTemplate> LoadTemplates(data::SqlExecutor& estimates);

} // namespace velta::calc
