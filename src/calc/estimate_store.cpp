#include "calc/estimate_store.h"

#include "calc/calculation.h"

namespace velta::calc {

bool CalculateStored(EstimateStore& store, std::optional<int> idCost, const CalcContext& context) {
    if (!idCost)
        return false;
    std::optional<Estimate> estimate = store.load(*idCost);
    if (!estimate)
        return false;
    Calculate(*estimate, context);
    store.save(*estimate);
    return true;
}

int InMemoryEstimateStore::assignKeys(Estimate& estimate) {
    if (estimate.cost.idCost == 0)
        estimate.cost.idCost = m_nextKey++;
    for (auto& c : estimate.collections)
        if (c.idCostSrv == 0)
            c.idCostSrv = m_nextKey++;
    for (auto& s : estimate.sections) {
        if (s.idCostLnk == 0)
            s.idCostLnk = m_nextKey++;
        s.idCost = estimate.cost.idCost;
        for (auto& p : s.params)
            if (p.idCostParam == 0)
                p.idCostParam = m_nextKey++;
        for (auto& v : s.values)
            if (v.idCostValue == 0)
                v.idCostValue = m_nextKey++;
    }
    return estimate.cost.idCost;
}

int InMemoryEstimateStore::put(Estimate estimate) {
    const int id = assignKeys(estimate);
    for (auto& c : estimate.collections)
        c.state = {};
    for (auto& s : estimate.sections) {
        s.state = {};
        s.valuesRebuilt = false;
        for (auto& p : s.params)
            p.state = {};
    }
    estimate.cost.dirty = false;
    estimate.normalise();
    m_estimates[id] = std::move(estimate);
    return id;
}

const Estimate* InMemoryEstimateStore::find(int idCost) const {
    auto it = m_estimates.find(idCost);
    return it == m_estimates.end() ? nullptr : &it->second;
}

std::optional<Estimate> InMemoryEstimateStore::load(int idCost) {
    auto it = m_estimates.find(idCost);
    if (it == m_estimates.end())
        return std::nullopt;
    return it->second;
}

void InMemoryEstimateStore::save(Estimate& estimate) {
    ++m_saves;
    put(estimate);
    estimate = m_estimates[estimate.cost.idCost];
}

} // namespace velta::calc
