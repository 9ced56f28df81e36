#include "data/fb/transaction.h"

#include "data/fb/client.h"
#include "data/fb/connection.h"

#include <ibase.h>

namespace velta::data::fb {

using namespace detail;

namespace {
QString quoted(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}
} // namespace

Transaction::Transaction(Connection& connection) : m_connection(&connection) {}

Transaction::~Transaction() {
    if (!m_transaction)
        return;
    Firebird::CheckStatusWrapper status(master()->getStatus());
    m_transaction->rollback(&status);
    if (status.getState() & Firebird::IStatus::STATE_ERRORS)
        m_transaction->release();
    status.dispose();
}

Firebird::ITransaction* Transaction::handle() const {
    if (!m_transaction)
        throw Error(QStringLiteral("Транзакція не розпочата"));
    return m_transaction;
}

void Transaction::start() {
    if (m_transaction)
        throw Error(QStringLiteral("Транзакція вже розпочата"));
    Firebird::IAttachment* a = m_connection->handle();
    if (!a)
        throw Error(QStringLiteral("База даних не відкрита"));
    static const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_nowait, isc_tpb_concurrency};
    m_transaction =
        call([&](Firebird::ThrowStatusWrapper* st) { return a->startTransaction(st, sizeof tpb, tpb); });
}

void Transaction::commit() {
    Firebird::ITransaction* t = handle();
    call([&](Firebird::ThrowStatusWrapper* st) { t->commit(st); });
    m_transaction = nullptr;
}

void Transaction::commitRetaining() {
    Firebird::ITransaction* t = handle();
    call([&](Firebird::ThrowStatusWrapper* st) { t->commitRetaining(st); });
}

void Transaction::rollback() {
    Firebird::ITransaction* t = handle();
    call([&](Firebird::ThrowStatusWrapper* st) { t->rollback(st); });
    m_transaction = nullptr;
}

void Transaction::rollbackRetaining() {
    Firebird::ITransaction* t = handle();
    call([&](Firebird::ThrowStatusWrapper* st) { t->rollbackRetaining(st); });
}

void Transaction::savepoint(const QString& name) {
    m_connection->execute(*this, QStringLiteral("Savepoint ") + quoted(name));
}

void Transaction::rollbackToSavepoint(const QString& name) {
    m_connection->execute(*this, QStringLiteral("Rollback To Savepoint ") + quoted(name));
}

void Transaction::releaseSavepoint(const QString& name) {
    m_connection->execute(*this, QStringLiteral("Release Savepoint ") + quoted(name));
}

} // namespace velta::data::fb
