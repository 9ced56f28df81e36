#pragma once
// Prepared statements with named parameters, and the rows they return.
//
//   fb::Statement st(connection, transaction,
//                    R"(Select "ID_Cost", "Cust_Name" From "Cost" Where "ID_Cost" = :ID_Cost)");
//   st.set("ID_Cost", 5);
//   fb::ResultSet rows = st.openCursor();
//   while (rows.next()) { QString name = rows.string("Cust_Name"); }
//
// Parameter names are matched without regard to case. A parameter left
// unbound is NULL. Values are converted by the engine to the parameter's
// declared type (a double into NUMERIC(16,6), a text into an INTEGER ...);
// texts go in as Windows-1251 bytes, BLOB parameters are written as BLOBs.
//
// A statement belongs to its connection and uses its transaction object at
// every execution; the transaction may be committed and started again in
// between. Preparing needs an active transaction.

#include "data/fb/value.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
} // namespace Firebird

namespace velta::data::fb {

class Connection;
class Transaction;

enum class ColumnType {
    Integer,
    BigInt,
    Numeric,
    Double,
    Date,
    Time,
    Timestamp,
    Text,
    TextBlob,
    Blob,
    Boolean,
    Other
};

struct Column {
    QString name;     // the alias: the column name unless renamed with AS
    QString field;    // the underlying column name, empty for expressions
    QString relation; // the table, empty for expressions
    ColumnType type = ColumnType::Other;
    int sqlType = 0; // SQL_VARYING, SQL_INT64 ... (ibase.h)
    int size = 0;    // declared size: characters (= bytes under NONE) for texts, bytes otherwise
    int scale = 0;   // negative for NUMERIC/DECIMAL: NUMERIC(16,6) has -6
    int subType = 0; // BLOB sub type (1 = TEXT)
    bool nullable = true;
};

class ResultSet {
public:
    ResultSet() = default;
    ~ResultSet();
    ResultSet(ResultSet&& other) noexcept;
    ResultSet& operator=(ResultSet&& other) noexcept;
    ResultSet(const ResultSet&) = delete;
    ResultSet& operator=(const ResultSet&) = delete;

    // Fetches the next row; false after the last (the cursor is then closed).
    bool next();
    bool isOpen() const { return m_resultSet != nullptr; }
    void close();

    const std::vector<Column>& columns() const { return *m_columns; }
    int columnCount() const { return int(m_columns->size()); }
    // The index of a column by name (case-insensitive), -1 when absent.
    int indexOf(const QString& name) const;

    // Values of the current row.
    const std::vector<Value>& row() const { return m_row; }
    const Value& value(int index) const;
    const Value& value(const QString& name) const;
    bool isNull(int index) const { return fb::isNull(value(index)); }
    bool isNull(const QString& name) const { return fb::isNull(value(name)); }
    // Typed getters; NULL gives 0, an empty text, an invalid date.
    int integer(int index) const { return value(index).toInt(); }
    int integer(const QString& name) const { return value(name).toInt(); }
    qint64 int64(int index) const { return value(index).toLongLong(); }
    qint64 int64(const QString& name) const { return value(name).toLongLong(); }
    double number(int index) const { return value(index).toDouble(); }
    double number(const QString& name) const { return value(name).toDouble(); }
    QString string(int index) const { return value(index).toString(); }
    QString string(const QString& name) const { return value(name).toString(); }
    QDate date(int index) const { return value(index).toDate(); }
    QDate date(const QString& name) const { return value(name).toDate(); }
    QDateTime dateTime(int index) const { return value(index).toDateTime(); }
    QDateTime dateTime(const QString& name) const { return value(name).toDateTime(); }
    QByteArray bytes(int index) const { return value(index).toByteArray(); }
    QByteArray bytes(const QString& name) const { return value(name).toByteArray(); }

private:
    friend class Statement;
    Firebird::IResultSet* m_resultSet = nullptr;
    Firebird::IMessageMetadata* m_metadata = nullptr;
    Transaction* m_transaction = nullptr;
    std::shared_ptr<const std::vector<Column>> m_columns;
    std::vector<unsigned char> m_buffer;
    std::vector<Value> m_row;
};

class Statement {
public:
    // Maps the named parameters and prepares the statement (needs an active
    // transaction). Throws fb::Error on a syntax error or an unknown name.
    Statement(Connection& connection, Transaction& transaction, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    const QString& sql() const { return m_sql; }
    // The distinct parameter names in order of first appearance.
    QStringList parameterNames() const;
    bool hasParameter(const QString& name) const;
    int parameterCount() const { return int(m_positions.size()); }

    // Binds every position carrying the name; throws fb::Error for a name the
    // statement does not have.
    void set(const QString& name, const Value& value);
    void setNull(const QString& name) { set(name, Value()); }
    // By position (0-based), for '?' markers written as such.
    void setAt(int position, const Value& value);
    void clearParameters();

    // Runs the statement. A statement that returns one row (INSERT ...
    // RETURNING, a singleton SELECT) leaves it in returned().
    void execute();
    // Rows touched by the last execute() of an INSERT, UPDATE or DELETE.
    qint64 rowsAffected() const;
    const std::vector<Value>& returned() const { return m_returned; }

    // Opens a cursor over a SELECT. The result set must be closed or
    // destroyed before the statement.
    ResultSet openCursor();

    const std::vector<Column>& columns() const { return *m_columns; }
    bool isSelect() const;

    void setTransaction(Transaction& transaction) { m_transaction = &transaction; }
    Transaction& transaction() const { return *m_transaction; }

private:
    struct Input;
    void buildInput(Input& input);
    void release() noexcept;

    Connection* m_connection = nullptr;
    Transaction* m_transaction = nullptr;
    QString m_sql;
    QStringList m_positions; // name per '?'
    std::vector<Value> m_values;
    std::vector<Value> m_returned;
    Firebird::IStatement* m_statement = nullptr;
    Firebird::IMessageMetadata* m_inputMetadata = nullptr;
    Firebird::IMessageMetadata* m_outputMetadata = nullptr;
    std::shared_ptr<const std::vector<Column>> m_columns;
    unsigned m_type = 0;
};

} // namespace velta::data::fb
