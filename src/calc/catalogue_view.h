#pragma once
// What the calculation reads from the price catalogue, behind one interface:
// the in-memory catalogue serves the tests and is what the database reader
// fills with a few set queries before a calculation, so the steps never wait
// on one query per row.

#include "calc/model.h"

#include <map>
#include <unordered_map>
#include <vector>

namespace velta::calc {

class CatalogueView {
public:
    virtual ~CatalogueView() = default;

    virtual const Service* service(int idService) const = 0;
    virtual const ServiceList* section(int idServiceList) const = 0;
    // Every section and subsection of a collection, in Number order (equal
    // numbers by key).
    virtual const std::vector<const ServiceList*>& sectionsOfService(int idService) const = 0;
    // The rows of one section, each list in Number order (equal numbers by key).
    virtual const std::vector<ServiceParam>& parameters(int idServiceList) const = 0;
    virtual const std::vector<ServiceNote>& notes(int idServiceList) const = 0;
    virtual const std::vector<ServiceTbl>& priceRows(int idServiceList) const = 0;
    virtual const std::vector<ServiceCat>& categories(int idServiceList) const = 0;
    // Index coefficients of a collection in Date order (equal dates by key).
    virtual const std::vector<ServiceKof>& indexCoefficients(int idService) const = 0;
    virtual const TypeParameter* parameterKind(int idTypeParameter) const = 0;
    virtual const TypeUnit* unit(int idTypeUnit) const = 0;
};

class InMemoryCatalogue : public CatalogueView {
public:
    void addService(Service row);
    void addSection(ServiceList row);
    void addParameter(ServiceParam row);
    void addNote(ServiceNote row);
    void addPriceRow(ServiceTbl row);
    void addCategory(ServiceCat row);
    void addIndexCoefficient(ServiceKof row);
    void addParameterKind(TypeParameter row);
    void addUnit(TypeUnit row);

    const Service* service(int idService) const override;
    const ServiceList* section(int idServiceList) const override;
    const std::vector<const ServiceList*>& sectionsOfService(int idService) const override;
    const std::vector<ServiceParam>& parameters(int idServiceList) const override;
    const std::vector<ServiceNote>& notes(int idServiceList) const override;
    const std::vector<ServiceTbl>& priceRows(int idServiceList) const override;
    const std::vector<ServiceCat>& categories(int idServiceList) const override;
    const std::vector<ServiceKof>& indexCoefficients(int idService) const override;
    const TypeParameter* parameterKind(int idTypeParameter) const override;
    const TypeUnit* unit(int idTypeUnit) const override;

private:
    std::unordered_map<int, Service> m_services;
    std::map<int, ServiceList> m_sections; // node-based: pointers stay valid
    std::unordered_map<int, std::vector<const ServiceList*>> m_sectionsOfService;
    std::unordered_map<int, std::vector<ServiceParam>> m_parameters;
    std::unordered_map<int, std::vector<ServiceNote>> m_notes;
    std::unordered_map<int, std::vector<ServiceTbl>> m_priceRows;
    std::unordered_map<int, std::vector<ServiceCat>> m_categories;
    std::unordered_map<int, std::vector<ServiceKof>> m_indexCoefficients;
    std::unordered_map<int, TypeParameter> m_kinds;
    std::unordered_map<int, TypeUnit> m_units;
};

} // namespace velta::calc
