#include "ui/dataset_model.h"

#include "core/number_format.h"
#include "core/number_text.h"
#include "data/dataset.h"

#include <QAbstractItemView>
#include <QDate>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QPointer>
#include <QScopedValueRollback>

#include <cmath>
#include <exception>

namespace velta::ui {

namespace {

bool isNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isInteger(const QVariant& v) {
    return isNumber(v) && v.typeId() != QMetaType::Double && v.typeId() != QMetaType::Float;
}

QString messageOf(const std::exception& e) {
    return QString::fromUtf8(e.what());
}

} // namespace

DatasetModel::DatasetModel(data::Dataset& dataset, std::vector<DatasetColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(&dataset), m_columns(std::move(columns)) {
    resolveFields();
    m_rowCount = dataset.isOpen() ? dataset.recordCount() : 0;
    connect(&dataset, &data::Dataset::rowsReset, this, &DatasetModel::onReset);
    connect(&dataset, &data::Dataset::rowInserted, this, &DatasetModel::onInserted);
    connect(&dataset, &data::Dataset::rowRemoved, this, &DatasetModel::onRemoved);
    connect(&dataset, &data::Dataset::rowChanged, this, &DatasetModel::onChanged);
    connect(&dataset, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_dataset = nullptr;
        m_rowCount = 0;
        m_fieldIndex.assign(m_columns.size(), -1);
        endResetModel();
    });
}

void DatasetModel::setColumns(std::vector<DatasetColumn> columns) {
    beginResetModel();
    m_columns = std::move(columns);
    resolveFields();
    endResetModel();
}

int DatasetModel::columnOf(const QString& field) const {
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return int(c);
    }
    return -1;
}

void DatasetModel::resolveFields() {
    m_fieldIndex.clear();
    for (const DatasetColumn& c : m_columns)
        m_fieldIndex.push_back(m_dataset ? m_dataset->fieldIndex(c.field) : -1);
}

int DatasetModel::datasetRow(int row) const {
    switch (m_pending) {
    case Pending::Insert:
        return row < m_pendingRow ? row : row + 1;
    case Pending::Remove:
        if (row == m_pendingRow)
            return -1;
        return row < m_pendingRow ? row : row - 1;
    case Pending::None:
        break;
    }
    return row;
}

void DatasetModel::onReset() {
    const QScopedValueRollback guard(m_announcing, true);
    beginResetModel();
    resolveFields();
    m_rowCount = m_dataset && m_dataset->isOpen() ? m_dataset->recordCount() : 0;
    endResetModel();
}

void DatasetModel::onInserted(int row) {
    const QScopedValueRollback guard(m_announcing, true);
    m_pending = Pending::Insert;
    m_pendingRow = row;
    beginInsertRows({}, row, row);
    m_pending = Pending::None;
    ++m_rowCount;
    endInsertRows();
}

void DatasetModel::onRemoved(int row) {
    const QScopedValueRollback guard(m_announcing, true);
    m_pending = Pending::Remove;
    m_pendingRow = row;
    beginRemoveRows({}, row, row);
    m_pending = Pending::None;
    --m_rowCount;
    endRemoveRows();
}

void DatasetModel::onChanged(int row) {
    if (row < 0 || row >= m_rowCount || m_columns.empty())
        return;
    emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString DatasetModel::displayText(int c, const QVariant& value) const {
    if (value.isNull() || !value.isValid())
        return {};
    const DatasetColumn& col = m_columns.at(size_t(c));
    const core::NumberFormat& nf = core::NumberFormat::current();
    auto dateText = [&](const QDate& d) { return d.toString(nf.shortDateFormat); };
    auto numberText = [&](const QVariant& v) {
        if (!col.pattern.isEmpty())
            return core::FormatFloat(col.pattern, v.toDouble());
        if (isInteger(v))
            return QString::number(v.toLongLong());
        return core::GeneralText(v.toDouble());
    };
    switch (col.format) {
    case DatasetColumn::Format::Text:
        return value.toString();
    case DatasetColumn::Format::Number:
        if (isNumber(value))
            return numberText(value);
        break;
    case DatasetColumn::Format::Date:
        if (value.typeId() == QMetaType::QDate)
            return dateText(value.toDate());
        if (value.typeId() == QMetaType::QDateTime)
            return dateText(value.toDateTime().date());
        break;
    case DatasetColumn::Format::DateTime:
    case DatasetColumn::Format::Auto:
        break;
    }
    if (isNumber(value))
        return numberText(value);
    if (value.typeId() == QMetaType::QDate)
        return dateText(value.toDate());
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = value.toDateTime();
        if (col.format == DatasetColumn::Format::Auto && dt.time() == QTime(0, 0))
            return dateText(dt.date());
        return dateText(dt.date()) + QLatin1Char(' ') + dt.time().toString(nf.longTimeFormat);
    }
    if (value.typeId() == QMetaType::QTime)
        return value.toTime().toString(nf.longTimeFormat);
    return value.toString();
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rowCount || index.column() >= int(m_columns.size()) ||
        !m_dataset)
        return {};
    const int row = index.row();
    const int c = index.column();
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::TextAlignmentRole) {
        if (cellStyle) {
            QVariant v = cellStyle(row, c, role);
            if (v.isValid())
                return v;
        }
        if (rowStyle)
            return rowStyle(row, role);
        return {};
    }
    const int dsRow = datasetRow(row);
    const int field = m_fieldIndex[size_t(c)];
    const QVariant value = dsRow < 0 || field < 0 ? QVariant() : m_dataset->valueAt(dsRow, field);
    switch (role) {
    case Qt::DisplayRole:
        return displayText(c, value);
    case Qt::EditRole:
        // Dates edit in a date editor; numbers and texts as the text the grid shows.
        if (value.typeId() == QMetaType::QDate)
            return value;
        if (value.typeId() == QMetaType::QDateTime &&
            m_columns[size_t(c)].format == DatasetColumn::Format::Date)
            return value.toDateTime().date();
        return displayText(c, value);
    case Qt::TextAlignmentRole: {
        Qt::Alignment a = m_columns[size_t(c)].alignment;
        if (!a) {
            const bool numeric =
                m_columns[size_t(c)].format == DatasetColumn::Format::Number || isNumber(value);
            a = (numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        } else if (!(a & Qt::AlignVertical_Mask)) {
            a |= Qt::AlignVCenter;
        }
        return QVariant::fromValue(a);
    }
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    const DatasetColumn& col = m_columns[size_t(section)];
    switch (role) {
    case Qt::DisplayRole:
        return col.title.isEmpty() ? col.field : col.title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(col.titleAlignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_editable && m_dataset && !m_dataset->table().isEmpty() && index.column() < int(m_columns.size()) &&
        !m_columns[size_t(index.column())].readOnly && m_fieldIndex[size_t(index.column())] >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !m_dataset || !(flags(index) & Qt::ItemIsEditable) ||
        index.row() >= m_rowCount)
        return false;
    data::Dataset& ds = *m_dataset;
    const DatasetColumn& col = m_columns[size_t(index.column())];
    const int field = m_fieldIndex[size_t(index.column())];
    const QVariant old = ds.valueAt(index.row(), field);

    // The grid hands numbers back as the text it showed: read them with the program's separator.
    QVariant stored = value;
    if (value.typeId() == QMetaType::QString &&
        (col.format == DatasetColumn::Format::Number || isNumber(old))) {
        const QString text = value.toString().trimmed();
        if (text.isEmpty()) {
            stored = QVariant();
        } else {
            // The whole text must be the number: the program's separator or a point, thousands
            // separators (spaces) allowed.
            QString plain = text;
            plain.remove(QLatin1Char(' '))
                .remove(QChar(0x00A0))
                .remove(core::NumberFormat::current().thousandSeparator);
            plain.replace(core::NumberFormat::current().decimalSeparator, QLatin1Char('.'));
            bool ok = false;
            const double d = plain.toDouble(&ok);
            if (!ok || !std::isfinite(d)) {
                if (writeFailed)
                    writeFailed(QStringLiteral("\"%1\" не є числом").arg(text));
                return false;
            }
            if (isInteger(old)) {
                if (d != std::floor(d)) {
                    if (writeFailed)
                        writeFailed(QStringLiteral("\"%1\" не є цілим числом").arg(text));
                    return false;
                }
                stored = qint64(d);
            } else {
                stored = d;
            }
        }
    }
    if (stored == old && stored.isNull() == old.isNull())
        return true;

    try {
        if (ds.currentIndex() != index.row())
            ds.moveTo(index.row());
        ds.edit();
        ds.setValue(ds.fieldNames().at(field), stored);
        ds.post();
    } catch (const std::exception& e) {
        try {
            ds.cancel();
        } catch (...) {
        }
        if (writeFailed)
            writeFailed(messageOf(e));
        return false;
    }
    if (posted)
        posted(index.row());
    return true;
}

void linkCurrentRow(QAbstractItemView& view, DatasetModel& model,
                    std::function<void(const QString&)> failed) {
    QItemSelectionModel* selection = view.selectionModel();
    if (!selection)
        return;
    auto busy = std::make_shared<bool>(false);
    QPointer<QAbstractItemView> viewPtr(&view);
    QPointer<DatasetModel> modelPtr(&model);

    auto showCurrent = [viewPtr, modelPtr, busy](int row) {
        if (!viewPtr || !modelPtr || *busy)
            return;
        *busy = true;
        QItemSelectionModel* sel = viewPtr->selectionModel();
        if (row < 0 || row >= modelPtr->rowCount()) {
            sel->clearCurrentIndex();
        } else {
            const int column = std::max(0, viewPtr->currentIndex().column());
            const QModelIndex idx = modelPtr->index(row, column);
            const auto flags = viewPtr->selectionBehavior() == QAbstractItemView::SelectRows
                                   ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                   : QItemSelectionModel::ClearAndSelect;
            sel->setCurrentIndex(idx, flags);
            viewPtr->scrollTo(idx);
        }
        *busy = false;
    };

    QObject::connect(&model.dataset(), &data::Dataset::currentRowChanged, &view, showCurrent);
    // A reset of the model forgets the view's current index; put it back on the dataset's row.
    QObject::connect(&model, &QAbstractItemModel::modelReset, &view, [modelPtr, showCurrent] {
        if (modelPtr)
            showCurrent(modelPtr->dataset().currentIndex());
    });
    QObject::connect(selection, &QItemSelectionModel::currentRowChanged, &view,
                     [modelPtr, busy, showCurrent, failed](const QModelIndex& current, const QModelIndex&) {
                         if (!modelPtr || *busy || modelPtr->isAnnouncing() || !current.isValid())
                             return;
                         data::Dataset& ds = modelPtr->dataset();
                         if (!ds.isOpen() || ds.currentIndex() == current.row())
                             return;
                         *busy = true;
                         QString message;
                         try {
                             ds.moveTo(current.row());
                         } catch (const std::exception& e) {
                             message = messageOf(e);
                         }
                         *busy = false;
                         if (!message.isEmpty()) {
                             showCurrent(ds.currentIndex());
                             if (failed)
                                 failed(message);
                         }
                     });
    if (model.dataset().isOpen())
        showCurrent(model.dataset().currentIndex());
}

} // namespace velta::ui
