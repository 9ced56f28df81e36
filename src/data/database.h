#pragma once
// One database as the data module uses it: the connection, its single
// transaction (write, nowait, concurrency) and the prepared statements of the
// datasets, kept by their text so that a dataset re-read by its master does
// not prepare again.

#include "data/dataset.h"
#include "data/fb/connection.h"
#include "data/fb/statement.h"
#include "data/fb/transaction.h"

#include <QHash>

#include <memory>

namespace velta::data {

class Database : public SqlExecutor {
public:
    // Attaches and starts the transaction; throws fb::Error on failure.
    Database(const QString& address, const QString& user, const QString& password);
    ~Database() override;

    QueryResult run(const QString& sql, const QVariantMap& params) override;
    qint64 nextValue(const QString& generator) override;
    QString savepoint() override;
    void rollbackToSavepoint(const QString& name) override;
    void releaseSavepoint(const QString& name) override;

    // A hard commit and at once a new transaction with the same parameters:
    // the changes are durable and the next reads see what others committed,
    // while the datasets keep the rows they hold.
    void commit();
    // Forgets the prepared statements: after DDL a statement prepared before
    // keeps the old column sizes.
    void clearStatements();

    fb::Connection& connection() { return m_connection; }
    fb::Transaction& transaction() { return *m_transaction; }

private:
    fb::Statement& statement(const QString& sql);

    fb::Connection m_connection;
    std::unique_ptr<fb::Transaction> m_transaction;
    QHash<QString, std::shared_ptr<fb::Statement>> m_statements;
    int m_savepoints = 0;
};

} // namespace velta::data
