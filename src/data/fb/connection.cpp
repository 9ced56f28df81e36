#include "data/fb/connection.h"

#include "core/cp1251.h"
#include "data/fb/client.h"
#include "data/fb/statement.h"
#include "data/fb/transaction.h"

#include <QDir>
#include <QFile>

#include <ibase.h>

#include <utility>

namespace velta::data::fb {

using namespace detail;

namespace {

bool isServerAddress(const QString& database) {
    if (database.startsWith(u'/') || database.startsWith(u'.'))
        return false;
    return database.contains(u':');
}

QByteArray encodeAddress(const QString& database) {
    // A local file name goes to the file system as such; on a server the
    // path is the server's, passed on in the same encoding.
    return isServerAddress(database) ? database.toUtf8() : QFile::encodeName(database);
}

QString lockFolder() {
    const QByteArray env = qgetenv("FIREBIRD_LOCK");
    return env.isEmpty() ? QStringLiteral("/tmp/firebird") : QString::fromLocal8Bit(env);
}

// The embedded engine keeps its lock files in a shared folder; when the user
// cannot write there, the engine only says "operating system directive
// access failed", which tells nobody what to do.
Error explainOpenError(const Error& e, const QString& database) {
    if (!isServerAddress(database) && e.hasCode(code::sysRequest)) {
        const QString text =
            QStringLiteral("Немає доступу до папки блокувань Firebird «%1». Дозвольте цьому користувачу "
                           "запис до неї або вкажіть іншу папку, спільну для всіх користувачів цих баз "
                           "даних, у змінній середовища FIREBIRD_LOCK.\n%2")
                .arg(lockFolder(), e.message());
        return Error(text, e.codes());
    }
    return e;
}

Firebird::IXpbBuilder* makeDpb(Firebird::ThrowStatusWrapper* st, const QString& user,
                               const QString& password) {
    Firebird::IXpbBuilder* dpb = util()->getXpbBuilder(st, Firebird::IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(st, isc_dpb_user_name, user.toUtf8().constData());
    dpb->insertString(st, isc_dpb_password, password.toUtf8().constData());
    dpb->insertString(st, isc_dpb_lc_ctype, "NONE");
    dpb->insertInt(st, isc_dpb_sql_dialect, 3);
    return dpb;
}

} // namespace

Connection::~Connection() {
    detach();
}

Connection::Connection(Connection&& other) noexcept
    : m_attachment(std::exchange(other.m_attachment, nullptr)), m_database(std::move(other.m_database)) {}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        detach();
        m_attachment = std::exchange(other.m_attachment, nullptr);
        m_database = std::move(other.m_database);
    }
    return *this;
}

Connection Connection::attach(const QString& database, const QString& user, const QString& password) {
    Connection c;
    c.m_database = database;
    try {
        c.m_attachment = call([&](Firebird::ThrowStatusWrapper* st) {
            Firebird::IXpbBuilder* dpb = makeDpb(st, user, password);
            const QByteArray name = encodeAddress(database);
            Firebird::IAttachment* a = nullptr;
            try {
                a = provider()->attachDatabase(st, name.constData(), dpb->getBufferLength(st),
                                               dpb->getBuffer(st));
            } catch (...) {
                dpb->dispose();
                throw;
            }
            dpb->dispose();
            return a;
        });
    } catch (const Error& e) {
        throw explainOpenError(e, database);
    }
    return c;
}

Connection Connection::create(const QString& database, const CreateOptions& options, const QString& user,
                              const QString& password) {
    Connection c;
    c.m_database = database;
    try {
        c.m_attachment = call([&](Firebird::ThrowStatusWrapper* st) {
            Firebird::IXpbBuilder* dpb = makeDpb(st, user, password);
            const QByteArray name = encodeAddress(database);
            Firebird::IAttachment* a = nullptr;
            try {
                dpb->insertInt(st, isc_dpb_page_size, options.pageSize);
                dpb->insertString(st, isc_dpb_set_db_charset, "NONE");
                dpb->insertInt(st, isc_dpb_force_write, options.forcedWrites ? 1 : 0);
                a = provider()->createDatabase(st, name.constData(), dpb->getBufferLength(st),
                                               dpb->getBuffer(st));
            } catch (...) {
                dpb->dispose();
                throw;
            }
            dpb->dispose();
            return a;
        });
    } catch (const Error& e) {
        throw explainOpenError(e, database);
    }
    return c;
}

QString Connection::address(const QString& server, const QString& folder, const QString& fileName) {
    if (server.trimmed().isEmpty())
        return QDir(folder).filePath(fileName);
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(u'/') && !path.endsWith(u'\\'))
        path += u'/';
    return server.trimmed() + u':' + path + fileName;
}

void Connection::detach() {
    if (!m_attachment)
        return;
    Firebird::CheckStatusWrapper status(master()->getStatus());
    m_attachment->detach(&status);
    if (status.getState() & Firebird::IStatus::STATE_ERRORS)
        m_attachment->release(); // a broken link: let go of the handle anyway
    status.dispose();
    m_attachment = nullptr;
}

void Connection::dropDatabase() {
    if (!m_attachment)
        throw Error(QStringLiteral("База даних не відкрита"));
    call([&](Firebird::ThrowStatusWrapper* st) { m_attachment->dropDatabase(st); });
    m_attachment = nullptr;
}

void Connection::execute(Transaction& transaction, const QString& sql) {
    if (!m_attachment)
        throw Error(QStringLiteral("База даних не відкрита"));
    const QByteArray text = core::toCp1251(sql);
    call([&](Firebird::ThrowStatusWrapper* st) {
        Firebird::ITransaction* t = transaction.handle();
        m_attachment->execute(st, t, text.size(), text.constData(), SQL_DIALECT_V6, nullptr, nullptr, nullptr,
                              nullptr);
    });
}

namespace {
QString quoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}
} // namespace

qint64 Connection::nextValue(Transaction& transaction, const QString& generator) {
    Statement st(*this, transaction,
                 QStringLiteral("Select Gen_Id(%1, 1) From RDB$DATABASE").arg(quoteIdentifier(generator)));
    st.execute();
    return st.returned().at(0).toLongLong();
}

qint64 Connection::currentValue(Transaction& transaction, const QString& generator) {
    Statement st(*this, transaction,
                 QStringLiteral("Select Gen_Id(%1, 0) From RDB$DATABASE").arg(quoteIdentifier(generator)));
    st.execute();
    return st.returned().at(0).toLongLong();
}

} // namespace velta::data::fb
