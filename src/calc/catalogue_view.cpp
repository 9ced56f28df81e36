#include "calc/catalogue_view.h"

#include <algorithm>

namespace velta::calc {

namespace {

// Keeps a list in (key(row), id(row)) order as rows arrive in any order.
template <typename T, typename Key> void insertOrdered(std::vector<T>& rows, T row, Key key) {
    auto pos = std::upper_bound(rows.begin(), rows.end(), row,
                                [&](const T& x, const T& y) { return key(x) < key(y); });
    rows.insert(pos, std::move(row));
}

template <typename Map> const typename Map::mapped_type& listOr(const Map& map, int key) {
    static const typename Map::mapped_type empty;
    auto it = map.find(key);
    return it == map.end() ? empty : it->second;
}

template <typename Map> const typename Map::mapped_type* rowOr(const Map& map, int key) {
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

} // namespace

void InMemoryCatalogue::addService(Service row) {
    m_services[row.idService] = std::move(row);
}

void InMemoryCatalogue::addSection(ServiceList row) {
    const int id = row.idServiceList;
    auto& list = m_sectionsOfService[row.idService];
    auto [it, added] = m_sections.insert_or_assign(id, std::move(row));
    if (added) {
        const ServiceList* p = &it->second;
        auto pos =
            std::upper_bound(list.begin(), list.end(), p, [](const ServiceList* x, const ServiceList* y) {
                return std::pair(x->number, x->idServiceList) < std::pair(y->number, y->idServiceList);
            });
        list.insert(pos, p);
    }
}

void InMemoryCatalogue::addParameter(ServiceParam row) {
    insertOrdered(m_parameters[row.idServiceList], std::move(row),
                  [](const ServiceParam& r) { return std::pair(r.number, r.idServiceParam); });
}

void InMemoryCatalogue::addNote(ServiceNote row) {
    insertOrdered(m_notes[row.idServiceList], std::move(row),
                  [](const ServiceNote& r) { return std::pair(r.number, r.idServiceNote); });
}

void InMemoryCatalogue::addPriceRow(ServiceTbl row) {
    insertOrdered(m_priceRows[row.idServiceList], std::move(row),
                  [](const ServiceTbl& r) { return std::pair(r.number, r.idServiceTbl); });
}

void InMemoryCatalogue::addCategory(ServiceCat row) {
    insertOrdered(m_categories[row.idServiceList], std::move(row),
                  [](const ServiceCat& r) { return std::pair(r.number, r.idServiceCat); });
}

void InMemoryCatalogue::addIndexCoefficient(ServiceKof row) {
    insertOrdered(m_indexCoefficients[row.idService], std::move(row),
                  [](const ServiceKof& r) { return std::pair(r.dateJulian, r.idServiceKof); });
}

void InMemoryCatalogue::addParameterKind(TypeParameter row) {
    m_kinds[row.idTypeParameter] = std::move(row);
}

void InMemoryCatalogue::addUnit(TypeUnit row) {
    m_units[row.idTypeUnit] = std::move(row);
}

const Service* InMemoryCatalogue::service(int idService) const {
    return rowOr(m_services, idService);
}

const ServiceList* InMemoryCatalogue::section(int idServiceList) const {
    auto it = m_sections.find(idServiceList);
    return it == m_sections.end() ? nullptr : &it->second;
}

const std::vector<const ServiceList*>& InMemoryCatalogue::sectionsOfService(int idService) const {
    return listOr(m_sectionsOfService, idService);
}

const std::vector<ServiceParam>& InMemoryCatalogue::parameters(int idServiceList) const {
    return listOr(m_parameters, idServiceList);
}

const std::vector<ServiceNote>& InMemoryCatalogue::notes(int idServiceList) const {
    return listOr(m_notes, idServiceList);
}

const std::vector<ServiceTbl>& InMemoryCatalogue::priceRows(int idServiceList) const {
    return listOr(m_priceRows, idServiceList);
}

const std::vector<ServiceCat>& InMemoryCatalogue::categories(int idServiceList) const {
    return listOr(m_categories, idServiceList);
}

const std::vector<ServiceKof>& InMemoryCatalogue::indexCoefficients(int idService) const {
    return listOr(m_indexCoefficients, idService);
}

const TypeParameter* InMemoryCatalogue::parameterKind(int idTypeParameter) const {
    return rowOr(m_kinds, idTypeParameter);
}

const TypeUnit* InMemoryCatalogue::unit(int idTypeUnit) const {
    return rowOr(m_units, idTypeUnit);
}

} // namespace velta::calc
