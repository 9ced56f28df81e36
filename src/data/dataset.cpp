#include "data/dataset.h"

#include <algorithm>
#include <stdexcept>

namespace velta::data {

namespace {

QString quoted(const QString& identifier) {
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

[[noreturn]] void raise(const QString& text) {
    throw std::runtime_error(text.toStdString());
}

// Keeps the calculate callback's target for the length of one call, also when it throws.
struct CalcScope {
    QVector<QVariant>*& slot;
    QVector<QVariant>* saved;
    CalcScope(QVector<QVariant>*& s, QVector<QVariant>* row) : slot(s), saved(s) { slot = row; }
    ~CalcScope() { slot = saved; }
};

} // namespace

Dataset::Dataset(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

Dataset::~Dataset() {
    if (m_master)
        std::erase(m_master->m_details, this);
    for (Dataset* d : m_details)
        d->m_master = nullptr;
}

void Dataset::setTable(const QString& table, const QStringList& keyFields, const QString& generator) {
    m_table = table;
    m_keyFields = keyFields;
    m_generator = generator;
}

void Dataset::setMaster(Dataset* master, const QStringList& masterFields) {
    if (m_master)
        std::erase(m_master->m_details, this);
    m_master = master;
    m_masterFields = masterFields;
    if (m_master)
        m_master->m_details.push_back(this);
}

void Dataset::addCalculatedField(const QString& name) {
    if (!m_calculatedNames.contains(name, Qt::CaseInsensitive))
        m_calculatedNames.push_back(name);
}

// --- life cycle ---

void Dataset::requireOpen() const {
    if (m_state == State::Inactive)
        raise(QStringLiteral("%1: набір даних закритий").arg(m_name));
}

void Dataset::requireField(int index, const QString& name) const {
    if (index < 0)
        raise(QStringLiteral("%1: поле \"%2\" не знайдено").arg(m_name, name));
}

void Dataset::open() {
    if (isOpen())
        return;
    fetch(false);
    if (m_state == State::Inactive)
        return; // a statement that returns no rows
    emit rowsReset();
    fire(m_afterOpen);
    m_bof = true;
    m_eof = m_visible.empty();
    setCurrent(m_visible.empty() ? -1 : 0, true);
}

void Dataset::close() {
    if (!isOpen())
        return;
    m_state = State::Inactive;
    m_rows.clear();
    m_visible.clear();
    m_fieldNames.clear();
    m_fieldSizes.clear();
    m_fieldByName.clear();
    m_storedCount = 0;
    m_current = -1;
    m_bof = m_eof = true;
    emit rowsReset();
    emit currentRowChanged(-1);
    detailsFollow();
}

void Dataset::refresh() {
    requireOpen();
    checkBrowseMode();
    fetch(true);
    emit rowsReset();
    m_bof = m_eof = m_visible.empty();
    setCurrent(m_current, true);
}

void Dataset::fetch(bool keepPosition) {
    if (!m_executor)
        raise(QStringLiteral("%1: немає з'єднання з базою даних").arg(m_name));
    QVariantMap keep;
    if (keepPosition && m_current >= 0)
        keep = keyParams(m_rows[m_visible[m_current]]);
    const int oldCurrent = m_current;

    QVariantMap params = m_params;
    for (const QString& f : m_masterFields) {
        QVariant v;
        if (m_master && m_master->isOpen() && m_master->m_current >= 0) {
            const int i = m_master->fieldIndex(f);
            if (i >= 0)
                v = m_master->m_rows[m_master->m_visible[m_master->m_current]][i];
        }
        params.insert(f, v);
    }
    QueryResult result = m_executor->run(m_selectSql, params);
    if (!result.hasResultSet) {
        if (isOpen())
            close();
        return;
    }

    m_fieldNames.clear();
    m_fieldSizes.clear();
    m_fieldByName.clear();
    for (const QueryColumn& c : result.columns) {
        m_fieldByName.insert(c.name.toLower(), int(m_fieldNames.size()));
        m_fieldNames.push_back(c.name);
        m_fieldSizes.push_back(c.size);
    }
    m_storedCount = int(m_fieldNames.size());
    for (const QString& c : m_calculatedNames) {
        m_fieldByName.insert(c.toLower(), int(m_fieldNames.size()));
        m_fieldNames.push_back(c);
        m_fieldSizes.push_back(0);
    }
    m_rows = std::move(result.rows);
    for (Row& row : m_rows) {
        row.resize(m_fieldNames.size());
        calculate(row);
    }
    m_state = State::Browse;
    rebuildVisible();

    m_current = -1;
    if (!m_visible.empty()) {
        m_current = 0;
        if (!keep.isEmpty()) {
            m_current = std::clamp(oldCurrent, 0, int(m_visible.size()) - 1);
            for (int i = 0; i < int(m_visible.size()); ++i) {
                if (keyParams(m_rows[m_visible[i]]) == keep) {
                    m_current = i;
                    break;
                }
            }
        }
    }
}

void Dataset::rebuildVisible() {
    std::vector<int> visible;
    visible.reserve(m_rows.size());
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (passesFilter(m_rows[i]))
            visible.push_back(i);
    }
    m_visible = std::move(visible);
}

bool Dataset::passesFilter(const Row& row) const {
    if (!m_filtered || m_filter.isEmpty())
        return true;
    return m_filter.matches([&](const QString& name, QVariant& value) {
        const int i = fieldIndex(name);
        if (i < 0)
            return false;
        value = row[i];
        return true;
    });
}

void Dataset::calculate(Row& row) {
    if (!m_calculate)
        return;
    CalcScope scope(m_calcRow, &row);
    m_calculate(*this);
}

void Dataset::refreshRecord() {
    requireOpen();
    checkBrowseMode();
    if (m_current < 0 || m_table.isEmpty())
        return;
    Row& row = currentRow();
    QStringList where;
    QVariantMap params;
    for (int k = 0; k < m_keyFields.size(); ++k) {
        where << QStringLiteral("%1 = :K%2").arg(quoted(m_keyFields[k])).arg(k);
        params.insert(QStringLiteral("K%1").arg(k), row[fieldIndex(m_keyFields[k])]);
    }
    const QueryResult result = m_executor->run(
        QStringLiteral("SELECT * FROM %1 WHERE %2").arg(quoted(m_table), where.join(QLatin1String(" AND "))),
        params);
    if (result.rows.empty())
        return;
    for (size_t c = 0; c < result.columns.size(); ++c) {
        const int i = fieldIndex(result.columns[c].name);
        if (i >= 0 && i < m_storedCount)
            row[i] = result.rows.front()[int(c)];
    }
    calculate(row);
    emit rowChanged(m_current);
}

// --- navigation ---

void Dataset::fire(const std::vector<Handler>& handlers) {
    for (const Handler& h : handlers)
        h(*this);
}

void Dataset::setCurrent(int index, bool force) {
    if (index == m_current && !force)
        return;
    m_current = index;
    emit currentRowChanged(index);
    fire(m_afterScroll);
    detailsFollow();
}

void Dataset::detailsFollow() {
    // A copy: a detail's handlers may attach or detach datasets.
    const std::vector<Dataset*> details = m_details;
    for (Dataset* d : details)
        d->masterMoved();
}

void Dataset::masterMoved() {
    if (!isOpen())
        return;
    checkBrowseMode();
    fetch(false);
    if (!isOpen())
        return;
    emit rowsReset();
    m_bof = true;
    m_eof = m_visible.empty();
    setCurrent(m_current, true);
}

void Dataset::first() {
    requireOpen();
    checkBrowseMode();
    m_bof = true;
    m_eof = m_visible.empty();
    setCurrent(m_visible.empty() ? -1 : 0);
}

void Dataset::last() {
    requireOpen();
    checkBrowseMode();
    m_eof = true;
    m_bof = m_visible.empty();
    setCurrent(int(m_visible.size()) - 1);
}

void Dataset::next() {
    requireOpen();
    checkBrowseMode();
    if (m_current + 1 < int(m_visible.size())) {
        m_bof = m_eof = false;
        setCurrent(m_current + 1);
    } else {
        m_eof = true;
    }
}

void Dataset::prior() {
    requireOpen();
    checkBrowseMode();
    if (m_current > 0) {
        m_bof = m_eof = false;
        setCurrent(m_current - 1);
    } else {
        m_bof = true;
    }
}

void Dataset::moveTo(int index) {
    requireOpen();
    checkBrowseMode();
    if (m_visible.empty())
        return;
    index = std::clamp(index, 0, int(m_visible.size()) - 1);
    m_bof = m_eof = false;
    setCurrent(index);
}

bool Dataset::locate(const QString& field, const QVariant& value, bool caseInsensitive) {
    requireOpen();
    checkBrowseMode();
    const int f = fieldIndex(field);
    requireField(f, field);
    for (int i = 0; i < int(m_visible.size()); ++i) {
        const QVariant& v = m_rows[m_visible[i]][f];
        const bool match = (v.isNull() || value.isNull()) ? v.isNull() == value.isNull()
                                                          : compareValues(v, value, caseInsensitive) == 0;
        if (match) {
            m_bof = m_eof = false;
            setCurrent(i);
            return true;
        }
    }
    return false;
}

// --- filter ---

void Dataset::setFilter(const QString& text) {
    FilterExpression parsed = FilterExpression::parse(text);
    m_filterText = text;
    m_filter = std::move(parsed);
    if (m_filtered && isOpen()) {
        checkBrowseMode();
        rebuildVisible();
        emit rowsReset();
        m_bof = true;
        m_eof = m_visible.empty();
        setCurrent(m_visible.empty() ? -1 : 0, true);
    }
}

void Dataset::setFiltered(bool on) {
    if (on == m_filtered)
        return;
    m_filtered = on;
    if (isOpen()) {
        checkBrowseMode();
        rebuildVisible();
        emit rowsReset();
        m_bof = true;
        m_eof = m_visible.empty();
        setCurrent(m_visible.empty() ? -1 : 0, true);
    }
}

// --- fields ---

int Dataset::fieldIndex(const QString& name) const {
    return m_fieldByName.value(name.toLower(), -1);
}

int Dataset::fieldSize(const QString& name) const {
    const int i = fieldIndex(name);
    requireField(i, name);
    return m_fieldSizes[i];
}

Dataset::Row& Dataset::currentRow() {
    return m_rows[m_visible[m_current]];
}

const Dataset::Row* Dataset::activeRow() const {
    if (m_calcRow)
        return m_calcRow;
    if (m_current < 0)
        return nullptr;
    return &m_rows[m_visible[m_current]];
}

QVariant Dataset::value(const QString& field) const {
    const int i = fieldIndex(field);
    requireField(i, field);
    const Row* row = activeRow();
    return row ? row->at(i) : QVariant();
}

void Dataset::setValue(const QString& field, const QVariant& value) {
    const int i = fieldIndex(field);
    requireField(i, field);
    if (m_calcRow) {
        (*m_calcRow)[i] = value;
        return;
    }
    if (m_current < 0)
        raise(QStringLiteral("%1: немає поточного запису").arg(m_name));
    if (!isCalculated(i) && m_state != State::Edit && m_state != State::Insert)
        raise(QStringLiteral("%1: запис не в режимі редагування").arg(m_name));
    Row& row = currentRow();
    row[i] = value;
    calculate(row);
    emit rowChanged(m_current);
}

QVariant Dataset::valueAt(int row, int field) const {
    if (row < 0 || row >= int(m_visible.size()) || field < 0 || field >= int(m_fieldNames.size()))
        return {};
    return m_rows[m_visible[row]][field];
}

// --- editing ---

void Dataset::checkBrowseMode() {
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void Dataset::insert() {
    requireOpen();
    checkBrowseMode();
    fire(m_beforeInsert);
    beginInsert(m_current < 0 ? 0 : m_current);
}

void Dataset::append() {
    requireOpen();
    checkBrowseMode();
    fire(m_beforeInsert);
    beginInsert(int(m_visible.size()));
}

void Dataset::beginInsert(int position) {
    position = std::clamp(position, 0, int(m_visible.size()));
    const int rowIndex = position < int(m_visible.size()) ? m_visible[position] : int(m_rows.size());
    m_rows.insert(m_rows.begin() + rowIndex, Row(m_fieldNames.size()));
    for (int& v : m_visible) {
        if (v >= rowIndex)
            ++v;
    }
    m_visible.insert(m_visible.begin() + position, rowIndex);
    m_state = State::Insert;
    m_current = position;
    m_bof = m_eof = false;
    emit rowInserted(position);
    try {
        fire(m_newRecord);
        calculate(currentRow());
    } catch (...) {
        cancel();
        throw;
    }
    emit rowChanged(position);
    setCurrent(position, true);
}

void Dataset::edit() {
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_current < 0)
        raise(QStringLiteral("%1: немає запису для редагування").arg(m_name));
    m_original = currentRow();
    m_state = State::Edit;
}

QVariantMap Dataset::keyParams(const Row& row) const {
    QVariantMap params;
    for (int k = 0; k < m_keyFields.size(); ++k) {
        const int i = fieldIndex(m_keyFields[k]);
        params.insert(QStringLiteral("K%1").arg(k), i >= 0 ? row[i] : QVariant());
    }
    return params;
}

void Dataset::post() {
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    fire(m_beforePost);
    if (m_table.isEmpty())
        raise(QStringLiteral("%1: набір даних лише для читання").arg(m_name));
    Row& row = currentRow();
    // Generator keys are taken only now, so that a cancelled insert spends none.
    if (m_state == State::Insert && !m_generator.isEmpty() && m_keyFields.size() == 1) {
        const int k = fieldIndex(m_keyFields.front());
        if (k >= 0 && row[k].isNull())
            row[k] = m_executor->nextValue(m_generator);
    }
    for (int i = 0; i < m_storedCount; ++i) {
        if (row[i].typeId() == QMetaType::QString && row[i].toString().isEmpty())
            row[i] = QVariant();
    }
    calculate(row);

    QVariantMap params;
    QString sql;
    if (m_state == State::Insert) {
        QStringList names;
        QStringList values;
        for (int i = 0; i < m_storedCount; ++i) {
            if (row[i].isNull())
                continue; // leaves the column to the database's default
            names << quoted(m_fieldNames[i]);
            values << QStringLiteral(":P%1").arg(i);
            params.insert(QStringLiteral("P%1").arg(i), row[i]);
        }
        if (names.isEmpty())
            raise(QStringLiteral("%1: порожній запис не можна зберегти").arg(m_name));
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quoted(m_table), names.join(QLatin1String(", ")), values.join(QLatin1String(", ")));
    } else {
        QStringList sets;
        for (int i = 0; i < m_storedCount; ++i) {
            sets << QStringLiteral("%1 = :P%2").arg(quoted(m_fieldNames[i])).arg(i);
            params.insert(QStringLiteral("P%1").arg(i), row[i]);
        }
        QStringList where;
        for (int k = 0; k < m_keyFields.size(); ++k)
            where << QStringLiteral("%1 = :K%2").arg(quoted(m_keyFields[k])).arg(k);
        params.insert(keyParams(m_original));
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                  .arg(quoted(m_table), sets.join(QLatin1String(", ")), where.join(QLatin1String(" AND ")));
    }
    m_executor->run(sql, params);

    m_state = State::Browse;
    m_original.clear();
    emit rowChanged(m_current);
    if (m_filtered && !passesFilter(row)) {
        const int removed = m_current;
        m_visible.erase(m_visible.begin() + removed);
        emit rowRemoved(removed);
        m_current = std::min(removed, int(m_visible.size()) - 1);
    }
    fire(m_afterPost);
    setCurrent(m_current, true);
}

void Dataset::cancel() {
    if (m_state == State::Edit) {
        currentRow() = m_original;
        m_original.clear();
        m_state = State::Browse;
        emit rowChanged(m_current);
    } else if (m_state == State::Insert) {
        const int position = m_current;
        const int rowIndex = m_visible[position];
        m_visible.erase(m_visible.begin() + position);
        m_rows.erase(m_rows.begin() + rowIndex);
        for (int& v : m_visible) {
            if (v > rowIndex)
                --v;
        }
        m_state = State::Browse;
        emit rowRemoved(position);
        m_bof = m_eof = m_visible.empty();
        setCurrent(m_visible.empty() ? -1 : std::min(position, int(m_visible.size()) - 1), true);
    }
}

void Dataset::remove() {
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (m_current < 0)
        raise(QStringLiteral("%1: немає запису для видалення").arg(m_name));
    if (m_beforeDelete.empty()) {
        deleteCurrent();
        return;
    }
    const QString savepoint = m_executor ? m_executor->savepoint() : QString();
    try {
        fire(m_beforeDelete);
        deleteCurrent();
    } catch (...) {
        if (!savepoint.isEmpty()) {
            try {
                m_executor->rollbackToSavepoint(savepoint);
                m_executor->releaseSavepoint(savepoint);
                // The details dropped rows from their caches that are back now.
                detailsFollow();
            } catch (...) {
            }
        }
        throw;
    }
    if (!savepoint.isEmpty())
        m_executor->releaseSavepoint(savepoint);
}

void Dataset::deleteCurrent() {
    if (m_table.isEmpty())
        raise(QStringLiteral("%1: набір даних лише для читання").arg(m_name));
    if (m_current < 0)
        return; // the handlers took the row away
    QStringList where;
    for (int k = 0; k < m_keyFields.size(); ++k)
        where << QStringLiteral("%1 = :K%2").arg(quoted(m_keyFields[k])).arg(k);
    m_executor->run(
        QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoted(m_table), where.join(QLatin1String(" AND "))),
        keyParams(currentRow()));

    const int position = m_current;
    const int rowIndex = m_visible[position];
    m_visible.erase(m_visible.begin() + position);
    m_rows.erase(m_rows.begin() + rowIndex);
    for (int& v : m_visible) {
        if (v > rowIndex)
            --v;
    }
    emit rowRemoved(position);
    m_bof = m_visible.empty();
    m_eof = m_visible.empty();
    setCurrent(m_visible.empty() ? -1 : std::min(position, int(m_visible.size()) - 1), true);
}

} // namespace velta::data
