#pragma once
// Dataset: a cursor over one SELECT with all its rows cached in memory.
//
// The rows are fetched completely when the dataset opens, so a commit of the
// transaction (a hard commit followed by a new transaction) leaves every grid
// exactly as it was. Edits change the cached row at once; post writes the
// row through statements generated from the table name and its key. A detail
// dataset names its master's fields as parameters (:ID_Cost) in its SELECT and
// is re-read whenever the master's current row changes.
//
// The dataset does not own the database: it runs its statements through an
// SqlExecutor (one per database, owned by the data module).
//
// Events run inside the operation that raises them; an exception thrown by a
// handler abandons the operation and reaches its caller.

#include "data/filter_expression.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <vector>

namespace velta::data {

struct QueryColumn {
    QString name;
    int size = 0; // declared size in bytes for texts, the byte length for other types
};

struct QueryResult {
    bool hasResultSet = false; // false for statements that return no rows
    std::vector<QueryColumn> columns;
    std::vector<QVector<QVariant>> rows;
};

// Runs statements on one database inside its current transaction.
class SqlExecutor {
public:
    virtual ~SqlExecutor() = default;
    // Runs one statement with :Name parameters taken from params (a missing
    // name binds NULL); a SELECT returns every row. Throws on a database error.
    virtual QueryResult run(const QString& sql, const QVariantMap& params) = 0;
    // The next value of a generator.
    virtual qint64 nextValue(const QString& generator) = 0;
    // Savepoints around a cascading delete; an executor without them returns
    // an empty name and the other two are not called.
    virtual QString savepoint() { return {}; }
    virtual void rollbackToSavepoint(const QString& name) { (void)name; }
    virtual void releaseSavepoint(const QString& name) { (void)name; }
};

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Handler = std::function<void(Dataset&)>;

    explicit Dataset(QString name, QObject* parent = nullptr);
    ~Dataset() override;

    const QString& name() const { return m_name; }

    // --- set-up ---
    void setExecutor(SqlExecutor* executor) { m_executor = executor; }
    SqlExecutor* executor() const { return m_executor; }
    // Takes effect at the next open.
    void setSelectSql(const QString& sql) { m_selectSql = sql; }
    const QString& selectSql() const { return m_selectSql; }
    // The table the dataset writes, its key fields and, for estimate tables,
    // the generator that fills an empty key at post. Without a table the
    // dataset is read-only.
    void setTable(const QString& table, const QStringList& keyFields, const QString& generator = {});
    const QString& table() const { return m_table; }
    const QStringList& keyFields() const { return m_keyFields; }
    void setParam(const QString& name, const QVariant& value) { m_params.insert(name, value); }
    QVariant param(const QString& name) const { return m_params.value(name); }
    // The detail's SELECT names the master fields as parameters; they are
    // taken from the master's current row at every re-read.
    void setMaster(Dataset* master, const QStringList& masterFields);
    Dataset* master() const { return m_master; }
    // Fields computed on every fetch and change by the callback, never read
    // from or written to the database.
    void addCalculatedField(const QString& name);
    void setCalculate(Handler calculate) { m_calculate = std::move(calculate); }

    // --- life cycle ---
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    // Re-reads the rows, keeping the current row by its key where it is still there.
    void refresh();
    // Re-reads the current row by its key (the generated refresh statement).
    void refreshRecord();

    // --- navigation (any pending edit is posted first) ---
    void first();
    void last();
    void next();
    void prior();
    // Makes the row at index (0-based, among the rows passing the filter) current.
    void moveTo(int index);
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty() const { return m_visible.empty(); }
    int recordCount() const { return int(m_visible.size()); }
    int currentIndex() const { return m_current; }
    // Makes the first row whose field equals value current; texts compare
    // without regard to case when caseInsensitive is set.
    bool locate(const QString& field, const QVariant& value, bool caseInsensitive = false);

    // --- filter ---
    // Throws std::runtime_error when the text is not a filter expression.
    void setFilter(const QString& text);
    const QString& filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // --- fields ---
    QStringList fieldNames() const { return m_fieldNames; }
    int fieldCount() const { return int(m_fieldNames.size()); }
    int fieldIndex(const QString& name) const; // -1 when absent; name ignores case
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    int fieldSize(const QString& name) const;
    bool isCalculated(int field) const { return field >= m_storedCount; }
    // The current row's value (the row being edited or inserted while in those
    // states); throws when the field does not exist.
    QVariant value(const QString& field) const;
    // Changes the current row; needs edit or insert state, except for
    // calculated fields and inside the calculate callback.
    void setValue(const QString& field, const QVariant& value);
    // Any row, for grids: row is an index among the rows passing the filter.
    QVariant valueAt(int row, int field) const;

    // --- editing ---
    State state() const { return m_state; }
    void insert(); // a new row before the current one
    void append(); // a new row at the end
    void edit();
    void post();
    void cancel();
    // Deletes the current row. When its before-delete handlers delete other
    // rows (a cascade), all of it runs inside a savepoint: a failure anywhere
    // leaves the database as it was and re-reads the details.
    void remove();
    // Posts a pending edit or insert.
    void checkBrowseMode();

    // --- record events ---
    void onBeforeInsert(Handler h) { m_beforeInsert.push_back(std::move(h)); }
    void onNewRecord(Handler h) { m_newRecord.push_back(std::move(h)); }
    void onBeforePost(Handler h) { m_beforePost.push_back(std::move(h)); }
    void onAfterPost(Handler h) { m_afterPost.push_back(std::move(h)); }
    void onBeforeDelete(Handler h) { m_beforeDelete.push_back(std::move(h)); }
    void onAfterOpen(Handler h) { m_afterOpen.push_back(std::move(h)); }
    void onAfterScroll(Handler h) { m_afterScroll.push_back(std::move(h)); }

signals:
    // For grid models: every row may have changed (open, close, refresh, filter).
    void rowsReset();
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    using Row = QVector<QVariant>;

    void requireOpen() const;
    void requireField(int index, const QString& name) const;
    void fetch(bool keepPosition);
    void rebuildVisible();
    bool passesFilter(const Row& row) const;
    void calculate(Row& row);
    void setCurrent(int index, bool force = false);
    void fire(const std::vector<Handler>& handlers);
    void detailsFollow();
    void masterMoved();
    void beginInsert(int position);
    void deleteCurrent();
    QVariantMap keyParams(const Row& row) const;
    Row& currentRow();
    const Row* activeRow() const;

    QString m_name;
    SqlExecutor* m_executor = nullptr;
    QString m_selectSql;
    QString m_table;
    QStringList m_keyFields;
    QString m_generator;
    QVariantMap m_params;
    Dataset* m_master = nullptr;
    QStringList m_masterFields;
    std::vector<Dataset*> m_details;
    QStringList m_calculatedNames;
    Handler m_calculate;

    State m_state = State::Inactive;
    QStringList m_fieldNames;
    std::vector<int> m_fieldSizes;
    QHash<QString, int> m_fieldByName; // lower-case name to index
    int m_storedCount = 0;
    std::vector<Row> m_rows;
    std::vector<int> m_visible; // indexes into m_rows of the rows passing the filter
    int m_current = -1;         // index into m_visible
    bool m_bof = true;
    bool m_eof = true;
    Row m_original; // the row before edit, for cancel and for the update's key
    Row* m_calcRow = nullptr;

    QString m_filterText;
    FilterExpression m_filter;
    bool m_filtered = false;

    std::vector<Handler> m_beforeInsert, m_newRecord, m_beforePost, m_afterPost, m_beforeDelete, m_afterOpen,
        m_afterScroll;
};

} // namespace velta::data
