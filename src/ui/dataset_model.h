#pragma once
// DatasetModel: a table model over one data::Dataset for the program's grids. The columns are a
// short list (field, title, designed width, display format, alignment); the rows are the
// dataset's rows passing its filter, read straight from its cache, so a grid of ten thousand rows
// costs no query. The model follows the dataset's row signals with the matching insert, remove
// and change notifications (a whole reset only when the dataset re-reads or closes).
//
// Row colours and bold text come from hooks the owner of the grid sets; an editable grid writes a
// changed cell through the dataset (edit, set value, post) and reports a refused write through its
// error hook, leaving the row as it was.

#include <QAbstractTableModel>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class QAbstractItemView;

namespace velta::data {
class Dataset;
}

namespace velta::ui {

struct DatasetColumn {
    enum class Format {
        Auto,   // numbers in their general text, dates in the short date format, texts as they are
        Number, // `pattern` is a FormatFloat pattern ("0.00", "#,##0.00"); empty: the general text
        Date,   // the short date format of core::NumberFormat (a time part is dropped)
        DateTime,
        Text, // shown as the dataset holds it
    };

    QString field;
    QString title;
    int width = 0; // designed width in pixels at 96 dots per inch; 0 leaves the grid's default
    Format format = Format::Auto;
    QString pattern;
    // Alignment of the values; empty: numbers to the right, everything else to the left.
    Qt::Alignment alignment = {};
    Qt::Alignment titleAlignment = Qt::AlignCenter;
    bool readOnly = false;
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(data::Dataset& dataset, std::vector<DatasetColumn> columns = {},
                          QObject* parent = nullptr);

    data::Dataset& dataset() const { return *m_dataset; }
    const std::vector<DatasetColumn>& columns() const { return m_columns; }
    void setColumns(std::vector<DatasetColumn> columns);
    const DatasetColumn& column(int c) const { return m_columns.at(size_t(c)); }
    // The column showing `field` (ignoring case); -1 when none does.
    int columnOf(const QString& field) const;

    // Cells of columns that are not read-only accept edits when the dataset has a table to write.
    void setEditable(bool on) { m_editable = on; }
    bool isEditable() const { return m_editable; }

    // Styling of rows and cells for Qt::ForegroundRole, BackgroundRole and FontRole (and any other
    // role the grid owner wants to answer); an invalid QVariant leaves the default. The cell hook
    // is asked first. `row` is the model's row, which is the dataset's row index.
    std::function<QVariant(int row, int role)> rowStyle;
    std::function<QVariant(int row, int column, int role)> cellStyle;
    // A write through setData that the dataset refused (the edit is cancelled); the text is the
    // dataset's message.
    std::function<void(const QString& message)> writeFailed;
    // After a cell's value was posted (the command is complete: its owner commits here).
    std::function<void(int row)> posted;

    // True while the model announces a change of the dataset's rows (views move their current
    // index then; that is no move of the user's).
    bool isAnnouncing() const { return m_announcing; }

    // The text shown for a value in column c.
    QString displayText(int c, const QVariant& value) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void resolveFields();
    // The dataset row shown at model row `row` while a change is being announced.
    int datasetRow(int row) const;
    void onReset();
    void onInserted(int row);
    void onRemoved(int row);
    void onChanged(int row);

    data::Dataset* m_dataset; // cleared when the dataset goes first
    std::vector<DatasetColumn> m_columns;
    std::vector<int> m_fieldIndex; // per column: the dataset's field index, -1 when absent
    int m_rowCount = 0;
    bool m_editable = false;
    bool m_announcing = false;
    // The dataset reports a change after making it; while the model announces it, rows are mapped
    // as they were before (an inserted row not yet there, a removed one still in place).
    enum class Pending { None, Insert, Remove } m_pending = Pending::None;
    int m_pendingRow = -1;
};

// Keeps the view's current row and the dataset's current row together, in both directions: a
// click moves the dataset (posting a pending edit first; a refused move puts the view back and
// reports the message through `failed`), and a move of the dataset selects the row in the view.
// The link lives as long as the view.
void linkCurrentRow(QAbstractItemView& view, DatasetModel& model,
                    std::function<void(const QString& message)> failed = {});

} // namespace velta::ui
