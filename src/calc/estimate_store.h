#pragma once
// Where estimates come from and go back to. The calculation works on a loaded
// copy and hands it back whole: a store writes the rows the change marks name,
// all or nothing, so a failed command leaves the stored estimate as it was.

#include "calc/calc_context.h"
#include "calc/model.h"

#include <map>
#include <optional>

namespace velta::calc {

class EstimateStore {
public:
    virtual ~EstimateStore() = default;

    // The estimate with its collections, sections, parameter values and value
    // lines, normalised; nullopt when there is no such estimate.
    virtual std::optional<Estimate> load(int idCost) = 0;

    // Writes back what changed, in this order: new sections; changed
    // sections; new and changed parameter values; for every section whose
    // lines were rebuilt, its stored lines deleted and the new ones inserted;
    // changed collections; the estimate header. Fills in the keys of inserted
    // rows and clears the change marks. Either everything is written or,
    // on an error, nothing (a savepoint in a database store), and the error
    // is thrown.
    virtual void save(Estimate& estimate) = 0;
};

// The Calculate command on a stored estimate: load, calculate, save. Returns
// false when idCost is empty or names no estimate: there is nothing to work on.
// A failure throws before anything is saved.
bool CalculateStored(EstimateStore& store, std::optional<int> idCost, const CalcContext& context);

// Keeps estimates in memory, handing out keys as the generators would.
class InMemoryEstimateStore : public EstimateStore {
public:
    // Takes an estimate as if it had been stored: new rows get keys.
    int put(Estimate estimate);
    const Estimate* find(int idCost) const;

    std::optional<Estimate> load(int idCost) override;
    void save(Estimate& estimate) override;

    int saves() const { return m_saves; }

private:
    int assignKeys(Estimate& estimate);

    std::map<int, Estimate> m_estimates;
    int m_nextKey = 1000;
    int m_saves = 0;
};

} // namespace velta::calc
