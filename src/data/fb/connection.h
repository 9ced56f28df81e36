#pragma once
// One attachment to a Firebird database. A plain file name opens the file
// in-process through the embedded engine (no server); "host:path" or
// "host/port:path" goes to a Firebird server. The connection character set
// is NONE: texts are Windows-1251 bytes in the database and QString here.
//
// Owns its attachment: the destructor detaches. Transactions and statements
// keep a pointer to their connection, which must outlive them and must not be
// moved while they exist.

#include "data/fb/value.h"

#include <QString>

namespace Firebird {
class IAttachment;
}

namespace velta::data::fb {

class Transaction;

struct CreateOptions {
    int pageSize = 8192;
    bool forcedWrites = true;
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws fb::Error with the engine's text when the database cannot be
    // opened (missing file, held by another process, lock folder ...).
    static Connection attach(const QString& database, const QString& user = QStringLiteral("SYSDBA"),
                             const QString& password = QStringLiteral("masterkey"));
    // A new database in SQL dialect 3 with default character set NONE.
    // Refuses (fb::Error, code::ioCreateError) when the file exists.
    static Connection create(const QString& database, const CreateOptions& options = {},
                             const QString& user = QStringLiteral("SYSDBA"),
                             const QString& password = QStringLiteral("masterkey"));

    // The database address for a configured server: an empty server means the
    // embedded engine and gives folder/fileName; otherwise "server:folder/fileName".
    static QString address(const QString& server, const QString& folder, const QString& fileName);

    bool isAttached() const { return m_attachment != nullptr; }
    const QString& database() const { return m_database; }
    void detach();
    // Detaches and deletes the database file (used to remove a half-made database).
    void dropDatabase();

    // Runs one statement without parameters in the given transaction
    // (DDL, SAVEPOINT ...). DDL needs a commit before DML can use it.
    void execute(Transaction& transaction, const QString& sql);

    // The next value of a generator (GEN_ID(name, 1)); not transactional.
    qint64 nextValue(Transaction& transaction, const QString& generator);
    // The current value of a generator without changing it.
    qint64 currentValue(Transaction& transaction, const QString& generator);

    Firebird::IAttachment* handle() const { return m_attachment; }

private:
    Firebird::IAttachment* m_attachment = nullptr;
    QString m_database;
};

} // namespace velta::data::fb
