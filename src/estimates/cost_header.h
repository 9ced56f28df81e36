#pragma once
// The rules of the estimate header editor TNewCost without its window: the pick lists of the
// drop-down boxes, the automatic start and end dates of the work, the refresh of the area
// parameters, the extra fields of CostField and the file velta.vle with their captions.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace velta::core {
struct Settings;
}

namespace velta::data {
class Dataset;
class TDM4;
} // namespace velta::data

namespace velta::estimates {

inline constexpr int kExtraFieldCount = 20;
inline const QString kValueListFileName = QStringLiteral("velta.vle");

// The eight fields edited through editable drop-down lists, in the editor's order.
const QStringList& PickListFields();
// The kinds listed first in a field's pick list ("Форма власності", "Умови надання").
QStringList FixedKinds(const QString& field);
// A field's pick list: its fixed kinds, then the values earlier estimates hold in it (listed only
// when the column has at least two distinct values, empty ones skipped).
QStringList PickList(data::TDM4& dm, const QString& field);
// The previous values of extra field i (1 to 20) among all estimates, by the same rule.
QStringList ExtraFieldPickList(data::TDM4& dm, int i);
// "Field01" ... "Field20".
QString ExtraFieldName(int i);

// The number of days a contract term stands for: the integer in the text times 365 when it
// contains "рік" or "рок", else 30 when it contains "міс", else 1.
int TermDays(const QString& termin);
// Save steps 5 and 6 on the row being edited: DateFirst from Cost_Date and DateLast from DateFirst
// and Termin, each only when its setting is on and the date is still empty.
void FillWorkDates(data::Dataset& cost, const core::Settings& settings);
// Save step 8: the area parameters (value types 8, 9 and 10) of the sections TbCostLnk shows take
// the estimate's Area in m², ha and thousand ha.
void RefreshAreaParameters(data::TDM4& dm);
// Save step 10: the twenty values into the estimate's CostField row, made when it has none.
void StoreExtraFields(data::TDM4& dm, const QStringList& values);
// The twenty values of the current estimate's CostField row (empty texts when it has none).
QStringList ExtraFieldValues(data::TDM4& dm);

// One row of the value list: a caption and its value.
struct ValueRow {
    QString caption;
    QString value;
    bool operator==(const ValueRow&) const = default;
};
// The caption of a row without one: "Значення № " and the row number.
QString DefaultCaption(int i);
// velta.vle: one "caption=value" line per row, Windows-1251. Reading a missing file gives no rows.
QList<ValueRow> ReadValueList(const QString& path);
bool WriteValueList(const QString& path, const QList<ValueRow>& rows);
// Opening step 6: the first twenty rows show the estimate's values; missing rows are added with
// the default captions. Rows beyond the twentieth stay as they are.
void MergeExtraFields(QList<ValueRow>& rows, const QStringList& values);

} // namespace velta::estimates
