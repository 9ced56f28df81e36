#include "calc/calculate_command.h"

#include "calc/calculation.h"
#include "calc/sql_catalogue.h"
#include "calc/sql_estimate_store.h"
#include "core/settings.h"
#include "data/database.h"
#include "data/tdm4.h"

#include <set>

namespace velta::calc {

bool CalculateEstimate(EstimateStore& store, data::SqlExecutor& catalogue, int idCost,
                       const CalcSettings& settings, const Evaluator& evaluate) {
    std::optional<Estimate> estimate = store.load(idCost);
    if (!estimate)
        return false;
    // Every collection the estimate names; a section whose collection row is
    // missing is not visited by the calculation, so its rows are not needed.
    std::set<int> services;
    for (const CostSrv& c : estimate->collections)
        services.insert(c.idService);
    InMemoryCatalogue rows;
    LoadCatalogue(catalogue, {services.begin(), services.end()}, rows);
    const CalcContext context{rows, settings, evaluate};
    Calculate(*estimate, context);
    store.save(*estimate);
    return true;
}

namespace {

using data::Dataset;

// The fields that tell one value line of a section from another; the key
// does not survive a calculation, which rebuilds the lines.
const char* const kLineIdentity[] = {"ID_TypeValue", "ID_TypeCalc", "ID_TypeParameter", "ID_ServiceTbl",
                                     "ID_ServiceKof"};

struct Position {
    QVariant key;
    int index = -1;
    std::vector<int> identity; // value lines only
};

bool hasCurrent(const Dataset& d) {
    return d.isOpen() && d.currentIndex() >= 0 && !d.isEmpty();
}

Position remember(const Dataset& d, const QString& keyField, bool withIdentity = false) {
    Position p;
    if (!hasCurrent(d))
        return p;
    p.key = d.value(keyField);
    p.index = d.currentIndex();
    if (withIdentity)
        for (const char* f : kLineIdentity) {
            const QString name = QString::fromLatin1(f);
            p.identity.push_back(d.hasField(name) ? d.value(name).toInt() : 0);
        }
    return p;
}

void restore(Dataset& d, const QString& keyField, const Position& p) {
    if (!d.isOpen() || d.isEmpty() || p.key.isNull())
        return;
    if (d.locate(keyField, p.key))
        return;
    if (p.identity.empty())
        return;
    std::vector<int> fields;
    for (const char* f : kLineIdentity)
        fields.push_back(d.fieldIndex(QString::fromLatin1(f)));
    for (int row = 0; row < d.recordCount(); ++row) {
        bool same = true;
        for (size_t i = 0; i < fields.size() && same; ++i)
            same = (fields[i] < 0 ? 0 : d.valueAt(row, fields[i]).toInt()) == p.identity[i];
        if (same) {
            d.moveTo(row);
            return;
        }
    }
    // Nothing priced the same way any more: the line at the same place.
    d.moveTo(p.index);
}

} // namespace

bool CalculateCurrentEstimate(data::TDM4& dm, const QString& workingFolder) {
    return CalculateCurrentEstimate(dm, CalcSettingsFrom(core::Settings::load(workingFolder)));
}

bool CalculateCurrentEstimate(data::TDM4& dm, const CalcSettings& settings, const Evaluator& evaluate) {
    Dataset& cost = dm.TbCost();
    if (!dm.velta() || !dm.service() || !cost.isOpen() || cost.isEmpty() || cost.currentIndex() < 0)
        return false;
    Dataset* visible[] = {&cost, &dm.TbCostSrv(), &dm.TbCostLnk(), &dm.TbCostParam(), &dm.TbCostValue()};
    for (Dataset* d : visible)
        if (d->isOpen())
            d->checkBrowseMode();
    const QVariant idCost = cost.value(QStringLiteral("ID_Cost"));
    if (idCost.isNull())
        return false;

    const QString srvKey = QStringLiteral("ID_CostSrv");
    const QString lnkKey = QStringLiteral("ID_CostLnk");
    const QString paramKey = QStringLiteral("ID_CostParam");
    const QString valueKey = QStringLiteral("ID_CostValue");
    const Position srv = remember(dm.TbCostSrv(), srvKey);
    const Position lnk = remember(dm.TbCostLnk(), lnkKey);
    const Position param = remember(dm.TbCostParam(), paramKey);
    const Position value = remember(dm.TbCostValue(), valueKey, true);

    // The store commits the estimates database after the writes, as every
    // completed command does; the datasets keep their rows over the commit.
    SqlEstimateStore store(*dm.velta());
    if (!CalculateEstimate(store, *dm.service(), idCost.toInt(), settings, evaluate))
        return false;

    cost.refreshRecord();
    if (dm.TbCostSrv().isOpen()) {
        dm.TbCostSrv().refresh();
        restore(dm.TbCostSrv(), srvKey, srv);
    }
    // A re-read master already re-read its details; a detail whose master
    // is closed is refreshed on its own.
    if (dm.TbCostLnk().isOpen()) {
        if (!dm.TbCostSrv().isOpen())
            dm.TbCostLnk().refresh();
        restore(dm.TbCostLnk(), lnkKey, lnk);
    }
    for (auto [d, key, pos] :
         {std::tuple(&dm.TbCostParam(), paramKey, &param), std::tuple(&dm.TbCostValue(), valueKey, &value)}) {
        if (!d->isOpen())
            continue;
        if (!dm.TbCostLnk().isOpen())
            d->refresh();
        restore(*d, key, *pos);
    }
    // The batch cursors over the same tables show the new rows as well.
    if (dm.TsCostSrv().isOpen())
        dm.TsCostSrv().refresh();
    else if (dm.TsCostLnk().isOpen())
        dm.TsCostLnk().refresh();
    for (Dataset* d : {&dm.TsCostParam(), &dm.TsCostValue()})
        if (d->isOpen() && !dm.TsCostLnk().isOpen())
            d->refresh();
    return true;
}

} // namespace velta::calc
