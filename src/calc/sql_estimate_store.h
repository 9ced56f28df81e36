#pragma once
// The estimate store over the estimates database. One estimate is read in
// five set queries (header, collections, sections, then the parameter values
// and value lines of all its sections); a save writes the changed rows with
// prepared statements inside one savepoint, so a failure anywhere leaves the
// database as it was, and commits the estimates database afterwards (a hard
// commit and at once a new transaction, so the datasets keep their rows).

#include "calc/estimate_store.h"

#include <QHash>
#include <QString>

#include <memory>

namespace velta::data {
class Database;
namespace fb {
class Statement;
}
} // namespace velta::data

namespace velta::calc {

class SqlEstimateStore : public EstimateStore {
public:
    // commit: commit the estimates database after every successful save (the
    // program's rule after a completed command). Off only where a caller
    // commits itself.
    explicit SqlEstimateStore(data::Database& estimates, bool commit = true);
    ~SqlEstimateStore() override;

    std::optional<Estimate> load(int idCost) override;
    // Works on a copy: on an error the database is rolled back to the
    // savepoint, the estimate handed in is left untouched and the error is
    // thrown on.
    void save(Estimate& estimate) override;

    // Keys of every estimate, ascending.
    std::vector<int> estimateKeys();

private:
    data::fb::Statement& statement(const QString& sql);
    void write(Estimate& estimate);

    data::Database& m_db;
    bool m_commit;
    QHash<QString, std::shared_ptr<data::fb::Statement>> m_statements;
};

} // namespace velta::calc
