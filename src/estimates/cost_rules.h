#pragma once
// What the commands of the estimate list do to the data, without a window: ordering and filtering
// the estimate dataset TbCost, the painting of a row, payment, marking, deleting and saving.

#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace velta::data {
class Dataset;
class TDM4;
} // namespace velta::data

namespace velta::ui {
class Prompter;
}

namespace velta::estimates {

// --- sorting ---

inline constexpr int kSortKeyCount = 9;
inline constexpr int kDefaultSortKey = 2; // by date

struct SortKey {
    const char* button; // sbSortID ...
    const char* field;  // the column ordered by
    QString hint;
};
// The nine keys in the order of their index (the value stored in velta.ini).
const SortKey& CostSortKey(int index);
// The clause appended to the estimate query for a key. Texts order in Ukrainian alphabetical
// order: the columns hold Windows-1251 bytes in character set NONE, which on its own orders by
// byte value and puts Ґ, Є, І and Ї before А.
QString CostOrderClause(int index);
// The select text with its "Order By" clause replaced by the key's.
QString CostSelectWithOrder(const QString& select, int index);
// ApplyCostOrder: reorders TbCost by the key, opens its details, keeps the current estimate.
void ApplyCostOrder(data::TDM4& dm, int index);

// --- filtering ---

inline constexpr int kFilterStateCount = 3;
// The items of the filter box, in order.
QStringList CostFilterItems();
// The record filter of a state ("" for "весь список").
QString CostFilterText(int state);
// Applies a filter state to TbCost as a record filter on the fetched rows.
void ApplyCostFilter(data::Dataset& cost, int state);

// --- painting ---

inline const QColor kSelectionBackground(166, 206, 255);
inline const QColor kFinishedText(0, 128, 0);
inline const QColor kOverdueText(255, 0, 0);
inline const QColor kDueSoonText(255, 128, 0);
inline const QColor kInWorkText(68, 121, 208);

// The stored mark colour: red in the low byte, green in the second, blue in the third.
int ColorToStored(const QColor& color);
QColor StoredToColor(int stored);

struct CostRowValues {
    QVariant color, dateFinish, dateLast, paymentSum, sum;
};
struct CostRowPaint {
    std::optional<QColor> mark; // background of the number and date cells
    std::optional<QColor> text; // progress colour of the text
    bool bold = false;          // paid in full
};
CostRowPaint PaintCostRow(const CostRowValues& row, const QDate& today);

// --- commands over rows ---

// The estimate keys a multi-selection command acts on, from the selected rows (indexes among the
// visible rows of TbCost): all of them when any is selected, else the current row, else none.
QList<QVariant> ActedOnKeys(const data::Dataset& cost, const QList<int>& selectedRows);

// "Сплачено": Payment_Sum = the displayed Sum, Payment_Date = today, for each key. Commits.
void PayCosts(data::TDM4& dm, const QList<QVariant>& keys, const QDate& today);
// "Маркувати" (a colour) and "Зняти маркування" (no colour), for each key. Commits.
void MarkCosts(data::TDM4& dm, const QList<QVariant>& keys, const std::optional<QColor>& color);
// The question asked before deleting an estimate.
QString DeleteQuestion(const QString& number);
// Delete: when the list is not empty and the user confirms, deletes the current estimate with its
// collections, sections, parameter values and value lines. Commits. True when it was deleted.
bool DeleteCurrentCost(data::TDM4& dm, ui::Prompter& prompter);
// Save: commits both databases; the current estimate stays current.
void SaveCosts(data::TDM4& dm);

} // namespace velta::estimates
