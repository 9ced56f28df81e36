#pragma once
// A read-write snapshot transaction (write, nowait, concurrency), the one kind
// the program uses. The object outlives the engine transaction: after
// commit() or rollback() start() begins a new one on the same object, so
// statements that keep a pointer to it go on working. The destructor rolls an
// active transaction back.

#include <QString>

namespace Firebird {
class ITransaction;
}

namespace velta::data::fb {

class Connection;

class Transaction {
public:
    // Not started; call start().
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void start();
    bool isActive() const { return m_transaction != nullptr; }

    // Ends the transaction; the next start() sees data committed meanwhile.
    void commit();
    // Makes the changes durable and keeps the transaction and its snapshot
    // (and ends every savepoint).
    void commitRetaining();
    void rollback();
    void rollbackRetaining();

    // SQL savepoints; the name is quoted, so any text is safe.
    void savepoint(const QString& name);
    void rollbackToSavepoint(const QString& name);
    void releaseSavepoint(const QString& name);

    Connection& connection() const { return *m_connection; }
    // The engine transaction; throws fb::Error when not active.
    Firebird::ITransaction* handle() const;

private:
    Connection* m_connection;
    Firebird::ITransaction* m_transaction = nullptr;
};

} // namespace velta::data::fb
