#include "data/fb/statement.h"

#include "core/cp1251.h"
#include "data/fb/client.h"
#include "data/fb/connection.h"
#include "data/fb/named_parameters.h"
#include "data/fb/transaction.h"

#include <QTime>

#include <ibase.h>

#include <cstring>
#include <utility>

namespace velta::data::fb {

using namespace detail;

namespace {

constexpr unsigned blobSegment = 32768;

ColumnType columnType(unsigned sqlType, int scale, int subType) {
    switch (sqlType) {
    case SQL_SHORT:
    case SQL_LONG:
        return scale < 0 ? ColumnType::Numeric : ColumnType::Integer;
    case SQL_INT64:
        return scale < 0 ? ColumnType::Numeric : ColumnType::BigInt;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return ColumnType::Double;
    case SQL_TYPE_DATE:
        return ColumnType::Date;
    case SQL_TYPE_TIME:
        return ColumnType::Time;
    case SQL_TIMESTAMP:
        return ColumnType::Timestamp;
    case SQL_TEXT:
    case SQL_VARYING:
        return ColumnType::Text;
    case SQL_BLOB:
        return subType == 1 ? ColumnType::TextBlob : ColumnType::Blob;
    case SQL_BOOLEAN:
        return ColumnType::Boolean;
    default:
        return ColumnType::Other;
    }
}

std::vector<Column> describe(Firebird::IMessageMetadata* meta) {
    std::vector<Column> columns;
    if (!meta)
        return columns;
    call([&](Firebird::ThrowStatusWrapper* st) {
        const unsigned n = meta->getCount(st);
        for (unsigned i = 0; i < n; ++i) {
            Column c;
            c.name = QString::fromUtf8(meta->getAlias(st, i));
            c.field = QString::fromUtf8(meta->getField(st, i));
            c.relation = QString::fromUtf8(meta->getRelation(st, i));
            c.sqlType = int(meta->getType(st, i));
            c.scale = meta->getScale(st, i);
            c.subType = meta->getSubType(st, i);
            c.size = int(meta->getLength(st, i));
            c.nullable = meta->isNullable(st, i);
            c.type = columnType(unsigned(c.sqlType), c.scale, c.subType);
            columns.push_back(std::move(c));
        }
    });
    return columns;
}

// Texts of character set NONE (0) and OCTETS (1) are the stored bytes: the
// program's Windows-1251. System tables come as UNICODE_FSS (3) or UTF8 (4).
Value decodeText(const char* data, unsigned length, unsigned charSet) {
    if (charSet == 1)
        return QByteArray(data, qsizetype(length));
    if (charSet == 3 || charSet == 4)
        return QString::fromUtf8(data, qsizetype(length));
    return core::fromCp1251(data, qsizetype(length));
}

QByteArray readBlob(Firebird::ThrowStatusWrapper* st, Firebird::IAttachment* a, Firebird::ITransaction* t,
                    ISC_QUAD id) {
    QByteArray data;
    Firebird::IBlob* blob = a->openBlob(st, t, &id, 0, nullptr);
    try {
        char buffer[blobSegment];
        for (;;) {
            unsigned got = 0;
            const int rc = blob->getSegment(st, sizeof buffer, buffer, &got);
            if (rc == Firebird::IStatus::RESULT_NO_DATA)
                break;
            data.append(buffer, qsizetype(got));
        }
        blob->close(st);
    } catch (...) {
        blob->release();
        throw;
    }
    return data;
}

ISC_QUAD writeBlob(Firebird::ThrowStatusWrapper* st, Firebird::IAttachment* a, Firebird::ITransaction* t,
                   const QByteArray& data) {
    ISC_QUAD id{};
    Firebird::IBlob* blob = a->createBlob(st, t, &id, 0, nullptr);
    try {
        for (qsizetype pos = 0; pos < data.size(); pos += blobSegment) {
            const unsigned n = unsigned(std::min<qsizetype>(blobSegment, data.size() - pos));
            blob->putSegment(st, n, data.constData() + pos);
        }
        blob->close(st);
    } catch (...) {
        blob->release();
        throw;
    }
    return id;
}

QDate decodeDate(ISC_DATE d) {
    unsigned y = 0, m = 0, day = 0;
    util()->decodeDate(d, &y, &m, &day);
    return QDate(int(y), int(m), int(day));
}

QTime decodeTime(ISC_TIME t) {
    unsigned h = 0, m = 0, s = 0, fr = 0;
    util()->decodeTime(t, &h, &m, &s, &fr);
    return QTime(int(h), int(m), int(s), int(fr / 10));
}

ISC_DATE encodeDate(const QDate& d) {
    return util()->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
}

ISC_TIME encodeTime(const QTime& t) {
    return util()->encodeTime(unsigned(t.hour()), unsigned(t.minute()), unsigned(t.second()),
                              unsigned(t.msec()) * 10);
}

double scaled(qint64 v, int scale) {
    double d = double(v);
    for (int i = 0; i < -scale; ++i)
        d /= 10.0;
    return d;
}

// Reads one row of a message buffer into values; BLOBs are read whole here,
// so that a row stays valid after its transaction ends.
void decodeRow(Firebird::ThrowStatusWrapper* st, Firebird::IMessageMetadata* meta,
               const std::vector<Column>& columns, const unsigned char* buf, Firebird::IAttachment* a,
               Firebird::ITransaction* t, std::vector<Value>& row) {
    row.assign(columns.size(), Value());
    for (unsigned i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        if (*reinterpret_cast<const short*>(buf + meta->getNullOffset(st, i)))
            continue;
        const unsigned char* p = buf + meta->getOffset(st, i);
        switch (unsigned(c.sqlType)) {
        case SQL_SHORT: {
            const qint16 v = *reinterpret_cast<const qint16*>(p);
            row[i] = c.scale < 0 ? Value(scaled(v, c.scale)) : Value(int(v));
            break;
        }
        case SQL_LONG: {
            const qint32 v = *reinterpret_cast<const qint32*>(p);
            row[i] = c.scale < 0 ? Value(scaled(v, c.scale)) : Value(int(v));
            break;
        }
        case SQL_INT64: {
            const qint64 v = *reinterpret_cast<const qint64*>(p);
            row[i] = c.scale < 0 ? Value(scaled(v, c.scale)) : Value(qlonglong(v));
            break;
        }
        case SQL_FLOAT:
            row[i] = double(*reinterpret_cast<const float*>(p));
            break;
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
            row[i] = *reinterpret_cast<const double*>(p);
            break;
        case SQL_TYPE_DATE:
            row[i] = decodeDate(*reinterpret_cast<const ISC_DATE*>(p));
            break;
        case SQL_TYPE_TIME:
            row[i] = decodeTime(*reinterpret_cast<const ISC_TIME*>(p));
            break;
        case SQL_TIMESTAMP: {
            const auto* ts = reinterpret_cast<const ISC_TIMESTAMP*>(p);
            row[i] = QDateTime(decodeDate(ts->timestamp_date), decodeTime(ts->timestamp_time));
            break;
        }
        case SQL_TEXT:
            row[i] = decodeText(reinterpret_cast<const char*>(p), unsigned(c.size), meta->getCharSet(st, i));
            break;
        case SQL_VARYING: {
            const auto len = *reinterpret_cast<const quint16*>(p);
            row[i] = decodeText(reinterpret_cast<const char*>(p + 2), len, meta->getCharSet(st, i));
            break;
        }
        case SQL_BLOB: {
            const QByteArray data = readBlob(st, a, t, *reinterpret_cast<const ISC_QUAD*>(p));
            row[i] = c.subType == 1 ? Value(core::fromCp1251(data)) : Value(data);
            break;
        }
        case SQL_BOOLEAN:
            row[i] = *p != 0;
            break;
        default:
            throw Error(QStringLiteral("Непідтримуваний тип стовпця «%1»: %2").arg(c.name).arg(c.sqlType));
        }
    }
}

} // namespace

// ---------------------------------------------------------------- ResultSet

ResultSet::~ResultSet() {
    close();
}

ResultSet::ResultSet(ResultSet&& other) noexcept
    : m_resultSet(std::exchange(other.m_resultSet, nullptr)),
      m_metadata(std::exchange(other.m_metadata, nullptr)), m_transaction(other.m_transaction),
      m_columns(std::move(other.m_columns)), m_buffer(std::move(other.m_buffer)),
      m_row(std::move(other.m_row)) {}

ResultSet& ResultSet::operator=(ResultSet&& other) noexcept {
    if (this != &other) {
        close();
        if (m_metadata)
            m_metadata->release();
        m_resultSet = std::exchange(other.m_resultSet, nullptr);
        m_metadata = std::exchange(other.m_metadata, nullptr);
        m_transaction = other.m_transaction;
        m_columns = std::move(other.m_columns);
        m_buffer = std::move(other.m_buffer);
        m_row = std::move(other.m_row);
    }
    return *this;
}

void ResultSet::close() {
    if (m_resultSet) {
        // After a hard commit the engine refuses close(); release() is then
        // the way to let go of the cursor.
        Firebird::CheckStatusWrapper status(master()->getStatus());
        m_resultSet->close(&status);
        if (status.getState() & Firebird::IStatus::STATE_ERRORS)
            m_resultSet->release();
        status.dispose();
        m_resultSet = nullptr;
    }
    if (m_metadata && !m_resultSet) {
        m_metadata->release();
        m_metadata = nullptr;
    }
}

bool ResultSet::next() {
    if (!m_resultSet)
        return false;
    const bool got = call([&](Firebird::ThrowStatusWrapper* st) {
        if (m_resultSet->fetchNext(st, m_buffer.data()) != Firebird::IStatus::RESULT_OK)
            return false;
        decodeRow(st, m_metadata, *m_columns, m_buffer.data(), m_transaction->connection().handle(),
                  m_transaction->handle(), m_row);
        return true;
    });
    if (!got) {
        m_row.clear();
        close();
    }
    return got;
}

int ResultSet::indexOf(const QString& name) const {
    if (!m_columns)
        return -1;
    for (size_t i = 0; i < m_columns->size(); ++i) {
        if ((*m_columns)[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

const Value& ResultSet::value(int index) const {
    if (index < 0 || size_t(index) >= m_row.size())
        throw Error(QStringLiteral("Немає стовпця з номером %1 у поточному рядку").arg(index));
    return m_row[size_t(index)];
}

const Value& ResultSet::value(const QString& name) const {
    const int i = indexOf(name);
    if (i < 0)
        throw Error(QStringLiteral("Немає стовпця «%1»").arg(name));
    return value(i);
}

// ---------------------------------------------------------------- Statement

struct Statement::Input {
    Firebird::IMessageMetadata* meta = nullptr;
    std::vector<unsigned char> buffer;
    ~Input() {
        if (meta)
            meta->release();
    }
};

Statement::Statement(Connection& connection, Transaction& transaction, const QString& sql)
    : m_connection(&connection), m_transaction(&transaction), m_sql(sql) {
    const MappedStatement mapped = mapNamedParameters(sql);
    m_positions = mapped.names;
    m_values.assign(size_t(m_positions.size()), Value());
    const QByteArray text = core::toCp1251(mapped.sql);
    Firebird::IAttachment* a = connection.handle();
    if (!a)
        throw Error(QStringLiteral("База даних не відкрита"));
    try {
        call([&](Firebird::ThrowStatusWrapper* st) {
            m_statement = a->prepare(st, transaction.handle(), text.size(), text.constData(), SQL_DIALECT_V6,
                                     Firebird::IStatement::PREPARE_PREFETCH_METADATA);
            m_type = m_statement->getType(st);
            m_inputMetadata = m_statement->getInputMetadata(st);
            m_outputMetadata = m_statement->getOutputMetadata(st);
            if (m_inputMetadata->getCount(st) != unsigned(m_positions.size()))
                throw Error(
                    QStringLiteral("Кількість параметрів не збігається з розміченими в тексті запиту"));
        });
        m_columns = std::make_shared<const std::vector<Column>>(describe(m_outputMetadata));
    } catch (const Error& e) {
        release();
        // The statement text helps whoever reads the message find the query.
        throw Error(e.message() + QStringLiteral("\n") + sql, e.codes());
    }
}

Statement::~Statement() {
    release();
}

void Statement::release() noexcept {
    if (m_inputMetadata)
        m_inputMetadata->release();
    if (m_outputMetadata)
        m_outputMetadata->release();
    if (m_statement) {
        Firebird::CheckStatusWrapper status(master()->getStatus());
        m_statement->free(&status);
        if (status.getState() & Firebird::IStatus::STATE_ERRORS)
            m_statement->release();
        status.dispose();
    }
    m_inputMetadata = m_outputMetadata = nullptr;
    m_statement = nullptr;
}

Statement::Statement(Statement&& other) noexcept
    : m_connection(other.m_connection), m_transaction(other.m_transaction), m_sql(std::move(other.m_sql)),
      m_positions(std::move(other.m_positions)), m_values(std::move(other.m_values)),
      m_returned(std::move(other.m_returned)), m_statement(std::exchange(other.m_statement, nullptr)),
      m_inputMetadata(std::exchange(other.m_inputMetadata, nullptr)),
      m_outputMetadata(std::exchange(other.m_outputMetadata, nullptr)), m_columns(std::move(other.m_columns)),
      m_type(other.m_type) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        release();
        m_connection = other.m_connection;
        m_transaction = other.m_transaction;
        m_sql = std::move(other.m_sql);
        m_positions = std::move(other.m_positions);
        m_values = std::move(other.m_values);
        m_returned = std::move(other.m_returned);
        m_statement = std::exchange(other.m_statement, nullptr);
        m_inputMetadata = std::exchange(other.m_inputMetadata, nullptr);
        m_outputMetadata = std::exchange(other.m_outputMetadata, nullptr);
        m_columns = std::move(other.m_columns);
        m_type = other.m_type;
    }
    return *this;
}

QStringList Statement::parameterNames() const {
    QStringList names;
    for (const QString& n : m_positions) {
        if (n.isEmpty())
            continue;
        bool seen = false;
        for (const QString& s : names)
            seen = seen || s.compare(n, Qt::CaseInsensitive) == 0;
        if (!seen)
            names.push_back(n);
    }
    return names;
}

bool Statement::hasParameter(const QString& name) const {
    for (const QString& n : m_positions) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void Statement::set(const QString& name, const Value& value) {
    bool found = false;
    for (qsizetype i = 0; i < m_positions.size(); ++i) {
        if (m_positions[i].compare(name, Qt::CaseInsensitive) == 0) {
            m_values[size_t(i)] = value;
            found = true;
        }
    }
    if (!found)
        throw Error(QStringLiteral("Запит не має параметра «%1»").arg(name));
}

void Statement::setAt(int position, const Value& value) {
    if (position < 0 || position >= int(m_values.size()))
        throw Error(QStringLiteral("Запит не має параметра з номером %1").arg(position));
    m_values[size_t(position)] = value;
}

void Statement::clearParameters() {
    for (Value& v : m_values)
        v = Value();
}

bool Statement::isSelect() const {
    return m_type == isc_info_sql_stmt_select || m_type == isc_info_sql_stmt_select_for_upd;
}

void Statement::buildInput(Input& input) {
    if (m_values.empty())
        return;
    Firebird::IAttachment* a = m_connection->handle();
    Firebird::ITransaction* t = m_transaction->handle();
    call([&](Firebird::ThrowStatusWrapper* st) {
        // The message describes the values as they are; the engine converts
        // each to the parameter's own type.
        Firebird::IMetadataBuilder* builder = m_inputMetadata->getBuilder(st);
        std::vector<QByteArray> texts(m_values.size());
        try {
            for (unsigned i = 0; i < m_values.size(); ++i) {
                const Value& v = m_values[i];
                const unsigned declared = m_inputMetadata->getType(st, i);
                if (fb::isNull(v)) {
                    if (declared == SQL_NULL) {
                        builder->setType(st, i, SQL_VARYING);
                        builder->setLength(st, i, 1);
                        builder->setCharSet(st, i, 0);
                    }
                    continue;
                }
                if (declared == SQL_BLOB)
                    continue; // written as a BLOB id below
                switch (v.typeId()) {
                case QMetaType::Bool:
                case QMetaType::Int:
                case QMetaType::UInt:
                case QMetaType::LongLong:
                case QMetaType::ULongLong:
                case QMetaType::Short:
                case QMetaType::UShort:
                case QMetaType::Long:
                case QMetaType::ULong:
                    builder->setType(st, i, SQL_INT64);
                    builder->setScale(st, i, 0);
                    builder->setLength(st, i, sizeof(qint64));
                    break;
                case QMetaType::Double:
                case QMetaType::Float:
                    builder->setType(st, i, SQL_DOUBLE);
                    builder->setScale(st, i, 0);
                    builder->setLength(st, i, sizeof(double));
                    break;
                case QMetaType::QDate:
                    builder->setType(st, i, SQL_TYPE_DATE);
                    builder->setLength(st, i, sizeof(ISC_DATE));
                    break;
                case QMetaType::QTime:
                    builder->setType(st, i, SQL_TYPE_TIME);
                    builder->setLength(st, i, sizeof(ISC_TIME));
                    break;
                case QMetaType::QDateTime:
                    builder->setType(st, i, SQL_TIMESTAMP);
                    builder->setLength(st, i, sizeof(ISC_TIMESTAMP));
                    break;
                default:
                    texts[i] =
                        v.typeId() == QMetaType::QByteArray ? v.toByteArray() : core::toCp1251(v.toString());
                    builder->setType(st, i, SQL_VARYING);
                    builder->setCharSet(st, i, 0);
                    builder->setLength(st, i, unsigned(std::max<qsizetype>(1, texts[i].size())));
                    break;
                }
            }
            input.meta = builder->getMetadata(st);
        } catch (...) {
            builder->release();
            throw;
        }
        builder->release();

        input.buffer.assign(input.meta->getMessageLength(st), 0);
        unsigned char* buf = input.buffer.data();
        for (unsigned i = 0; i < m_values.size(); ++i) {
            const Value& v = m_values[i];
            auto* null = reinterpret_cast<short*>(buf + input.meta->getNullOffset(st, i));
            unsigned char* p = buf + input.meta->getOffset(st, i);
            if (fb::isNull(v)) {
                *null = -1;
                continue;
            }
            *null = 0;
            switch (input.meta->getType(st, i)) {
            case SQL_INT64: {
                const qint64 x = v.toLongLong();
                std::memcpy(p, &x, sizeof x);
                break;
            }
            case SQL_DOUBLE: {
                const double x = v.toDouble();
                std::memcpy(p, &x, sizeof x);
                break;
            }
            case SQL_TYPE_DATE: {
                const ISC_DATE x = encodeDate(v.toDate());
                std::memcpy(p, &x, sizeof x);
                break;
            }
            case SQL_TYPE_TIME: {
                const ISC_TIME x = encodeTime(v.toTime());
                std::memcpy(p, &x, sizeof x);
                break;
            }
            case SQL_TIMESTAMP: {
                const QDateTime dt = v.toDateTime();
                ISC_TIMESTAMP x{encodeDate(dt.date()), encodeTime(dt.time())};
                std::memcpy(p, &x, sizeof x);
                break;
            }
            case SQL_VARYING: {
                const quint16 len = quint16(texts[i].size());
                std::memcpy(p, &len, sizeof len);
                std::memcpy(p + 2, texts[i].constData(), size_t(len));
                break;
            }
            case SQL_BLOB: {
                const QByteArray data =
                    v.typeId() == QMetaType::QByteArray ? v.toByteArray() : core::toCp1251(v.toString());
                const ISC_QUAD id = writeBlob(st, a, t, data);
                std::memcpy(p, &id, sizeof id);
                break;
            }
            default:
                throw Error(
                    QStringLiteral("Значення параметра %1 не можна передати до бази даних").arg(i + 1));
            }
        }
    });
}

void Statement::execute() {
    if (!m_statement)
        throw Error(QStringLiteral("Запит не підготовлений"));
    Input input;
    buildInput(input);
    m_returned.clear();
    Firebird::ITransaction* t = m_transaction->handle();
    call([&](Firebird::ThrowStatusWrapper* st) {
        const bool hasOutput = m_outputMetadata && m_outputMetadata->getCount(st) > 0;
        std::vector<unsigned char> out(hasOutput ? m_outputMetadata->getMessageLength(st) : 0);
        m_statement->execute(st, t, input.meta, input.meta ? input.buffer.data() : nullptr,
                             hasOutput ? m_outputMetadata : nullptr, hasOutput ? out.data() : nullptr);
        if (hasOutput)
            decodeRow(st, m_outputMetadata, *m_columns, out.data(), m_connection->handle(), t, m_returned);
    });
}

qint64 Statement::rowsAffected() const {
    if (!m_statement)
        return 0;
    return call(
        [&](Firebird::ThrowStatusWrapper* st) { return qint64(m_statement->getAffectedRecords(st)); });
}

ResultSet Statement::openCursor() {
    if (!m_statement)
        throw Error(QStringLiteral("Запит не підготовлений"));
    Input input;
    buildInput(input);
    Firebird::ITransaction* t = m_transaction->handle();
    ResultSet rs;
    call([&](Firebird::ThrowStatusWrapper* st) {
        rs.m_resultSet = m_statement->openCursor(
            st, t, input.meta, input.meta ? input.buffer.data() : nullptr, m_outputMetadata, 0);
        m_outputMetadata->addRef();
        rs.m_metadata = m_outputMetadata;
        rs.m_buffer.assign(m_outputMetadata->getMessageLength(st), 0);
    });
    rs.m_transaction = m_transaction;
    rs.m_columns = m_columns;
    return rs;
}

} // namespace velta::data::fb
