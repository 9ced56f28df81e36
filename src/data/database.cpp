#include "data/database.h"

namespace velta::data {

namespace {
// Free texts of QuerySQL would otherwise pile up for the whole session.
constexpr int kMaxStatements = 256;
} // namespace

Database::Database(const QString& address, const QString& user, const QString& password)
    : m_connection(fb::Connection::attach(address, user, password)),
      m_transaction(std::make_unique<fb::Transaction>(m_connection)) {
    m_transaction->start();
}

Database::~Database() {
    m_statements.clear();
    m_transaction.reset(); // rolls back what was not committed
}

fb::Statement& Database::statement(const QString& sql) {
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return **it;
    if (m_statements.size() >= kMaxStatements)
        m_statements.clear();
    auto st = std::make_shared<fb::Statement>(m_connection, *m_transaction, sql);
    return **m_statements.insert(sql, std::move(st));
}

QueryResult Database::run(const QString& sql, const QVariantMap& params) {
    fb::Statement& st = statement(sql);
    st.clearParameters();
    if (st.parameterCount() > 0) {
        for (const QString& name : st.parameterNames()) {
            QVariant value;
            auto it = params.find(name);
            if (it != params.end()) {
                value = *it;
            } else {
                for (auto p = params.begin(); p != params.end(); ++p) {
                    if (p.key().compare(name, Qt::CaseInsensitive) == 0) {
                        value = *p;
                        break;
                    }
                }
            }
            st.set(name, value);
        }
    }
    QueryResult result;
    if (!st.isSelect()) {
        st.execute();
        return result;
    }
    result.hasResultSet = true;
    for (const fb::Column& c : st.columns())
        result.columns.push_back({c.name, c.size});
    fb::ResultSet rows = st.openCursor();
    while (rows.next())
        result.rows.emplace_back(rows.row().begin(), rows.row().end());
    return result;
}

qint64 Database::nextValue(const QString& generator) {
    return m_connection.nextValue(*m_transaction, generator);
}

QString Database::savepoint() {
    const QString name = QStringLiteral("DS_%1").arg(++m_savepoints);
    m_transaction->savepoint(name);
    return name;
}

void Database::rollbackToSavepoint(const QString& name) {
    m_transaction->rollbackToSavepoint(name);
}

void Database::releaseSavepoint(const QString& name) {
    m_transaction->releaseSavepoint(name);
}

void Database::commit() {
    m_transaction->commit();
    m_transaction->start();
}

void Database::clearStatements() {
    m_statements.clear();
}

} // namespace velta::data
