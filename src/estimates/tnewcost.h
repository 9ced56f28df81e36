#pragma once
// The estimate header editor TNewCost: number and date, customer and plot, the representative,
// the contract terms and dates, the sums, the legal kinds of the plot, a comment and twenty extra
// named fields (the value list leValue, whose captions live in velta.vle).
//
// It works on the current row of TbCost, which the caller has put in insert state (mode "New")
// or edit state (mode "Edit"). The bound inputs write into the row as the user types; Save checks
// the number, writes the drop-down lists and the date, fills the work dates, posts, refreshes
// the area parameters, stores the extra fields and velta.vle and commits. Cancel, Esc and the
// close box discard the row's changes, and in mode "New" the row itself.

#include "ui/modal_window.h"

#include <QList>
#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QSplitter;
class QTableWidget;

namespace velta::data {
class TDM4;
}

namespace velta::ui {
class Prompter;
}

namespace velta::estimates {

class DateInput;
struct ValueRow;

class TNewCost : public ui::ModalWindow {
    Q_OBJECT
public:
    TNewCost(data::TDM4& dm, ui::Prompter& prompter, QWidget* parent = nullptr);
    ~TNewCost() override;

    // "Зберегти": ends with "Ok" when every step went through; otherwise the window stays open
    // with the reason shown.
    void bSaveClick();
    // "Відмінити" (and Esc).
    void bCancelClick();

    // The inputs, for the windows's own tests: a bound input by its field (QLineEdit,
    // QPlainTextEdit or a date input), a drop-down list by its field.
    QWidget* input(const QString& field) const;
    QComboBox* pickBox(const QString& field) const;
    QCheckBox* dateBox() const { return m_dateBox; }
    QDateEdit* datePicker() const { return m_datePicker; }
    QTableWidget* valueList() const { return m_valueList; }
    // The rows of the value list as shown.
    QList<ValueRow> valueRows() const;
    // The pick list of row `row` (0-based) of the value list: the previous values of its field.
    QStringList valueRowPickList(int row);

protected:
    void enterMode() override;
    void cancelled() override;

private:
    struct Bound {
        enum class Kind { Text, MultiLine, Number, Integer, Date, Stamp, Calculated };
        QString field;
        Kind kind;
        QWidget* widget;
    };

    void build();
    QWidget* addBound(const QString& field, Bound::Kind kind, const char* name);
    void loadBound();
    // Writes one input into the row; false when its text is not a value of the field.
    bool writeBound(const Bound& b);
    void showCalculated();
    void setValueRows(const QList<ValueRow>& rows);
    QString workingFile(const QString& name) const;
    int storedListHeight() const;
    // The row is in insert or edit state for the bound inputs (Save may have posted it already
    // when a later step failed).
    void ensureEditing();

    data::TDM4& m_dm;
    ui::Prompter& m_prompter;
    std::vector<Bound> m_bound;
    std::vector<std::pair<QString, QComboBox*>> m_pickBoxes;
    QCheckBox* m_dateBox = nullptr;
    QDateEdit* m_datePicker = nullptr;
    QLineEdit* m_number = nullptr;
    QSplitter* m_rightSplitter = nullptr;
    QTableWidget* m_valueList = nullptr;
    bool m_loading = false;
};

} // namespace velta::estimates
