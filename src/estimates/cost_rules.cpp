#include "estimates/cost_rules.h"

#include "data/dataset.h"
#include "data/tdm4.h"
#include "ui/prompter.h"

#include <algorithm>

namespace velta::estimates {

namespace {

const QString kIdCost = QStringLiteral("ID_Cost");

const SortKey kSortKeys[kSortKeyCount] = {
    {"sbSortID", "ID_Cost", QStringLiteral("Сортування по порядку створення")},
    {"sbSortNumber", "Cost_Number", QStringLiteral("Сортування по номеру")},
    {"sbSortDate", "Cost_Date", QStringLiteral("Сортування по даті")},
    {"sbSortName", "Cust_Name", QStringLiteral("Сортування по замовнику")},
    {"sbSortAddress", "Address", QStringLiteral("Сортування за адресою земельної ділянки")},
    {"sbSortArea", "Area", QStringLiteral("Сортування за площею")},
    {"sbSortSum", "Sum_Full", QStringLiteral("Сортування за сумою кошториса")},
    {"sbSortPayment", "Payment_Sum", QStringLiteral("Сортування за сумою сплати")},
    {"sbSortPayDate", "Payment_Date", QStringLiteral("Сортування за датою сплати")},
};

// The declared sizes of the text keys: the cast must hold the whole column.
int textKeySize(int index) {
    switch (index) {
    case 1:
        return 20; // Cost_Number
    case 3:
    case 4:
        return 250; // Cust_Name, Address
    default:
        return 0;
    }
}

QDate dateOf(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QVariant currentKey(const data::Dataset& cost) {
    if (!cost.isOpen() || cost.currentIndex() < 0)
        return {};
    return cost.value(kIdCost);
}

// Walks the keys, editing each row found; the estimate current before stays current.
template <typename F> void forEachKey(data::TDM4& dm, const QList<QVariant>& keys, F&& change) {
    data::Dataset& cost = dm.TbCost();
    if (keys.isEmpty() || !cost.isOpen())
        return;
    const QVariant keep = currentKey(cost);
    for (const QVariant& key : keys) {
        if (!cost.locate(kIdCost, key))
            continue;
        cost.edit();
        change(cost);
        cost.post();
    }
    dm.commitVelta();
    if (!keep.isNull())
        cost.locate(kIdCost, keep);
}

} // namespace

const SortKey& CostSortKey(int index) {
    return kSortKeys[std::clamp(index, 0, kSortKeyCount - 1)];
}

QString CostOrderClause(int index) {
    const SortKey& key = CostSortKey(index);
    const QString field = QLatin1Char('"') + QLatin1String(key.field) + QLatin1Char('"');
    const int size = textKeySize(index);
    if (size == 0)
        return QStringLiteral("Order By ") + field;
    return QStringLiteral("Order By CAST(%1 AS VARCHAR(%2) CHARACTER SET WIN1251) COLLATE WIN1251_UA")
        .arg(field)
        .arg(size);
}

QString CostSelectWithOrder(const QString& select, int index) {
    QString text = select;
    const int at = text.indexOf(QLatin1String("Order By"), 0, Qt::CaseSensitive);
    if (at >= 0)
        text.truncate(at);
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text + QLatin1Char(' ') + CostOrderClause(index);
}

void ApplyCostOrder(data::TDM4& dm, int index) {
    data::Dataset& cost = dm.TbCost();
    if (cost.isOpen())
        cost.checkBrowseMode();
    const QVariant keep = currentKey(cost);
    cost.close();
    cost.setSelectSql(CostSelectWithOrder(cost.selectSql(), index));
    cost.open();
    for (data::Dataset* d : {&dm.TbCostSrv(), &dm.TbCostLnk(), &dm.TbCostParam(), &dm.TbCostValue()})
        d->open();
    if (keep.toLongLong() > 0)
        cost.locate(kIdCost, keep);
}

QStringList CostFilterItems() {
    return {QStringLiteral("весь список"), QStringLiteral("в роботі"), QStringLiteral("виконані")};
}

QString CostFilterText(int state) {
    switch (state) {
    case 1:
        return QStringLiteral("DateFinish = Null And DateLast <> Null");
    case 2:
        return QStringLiteral("DateFinish <> Null");
    default:
        return {};
    }
}

void ApplyCostFilter(data::Dataset& cost, int state) {
    const QVariant keep = currentKey(cost);
    const QString text = CostFilterText(state);
    // Switching filtering off first, so that the expression is swapped on the whole list once.
    cost.setFiltered(false);
    cost.setFilter(text);
    cost.setFiltered(!text.isEmpty());
    // The estimate the user was on stays current when the filter lets it through.
    if (!keep.isNull() && cost.isOpen())
        cost.locate(kIdCost, keep);
}

int ColorToStored(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor StoredToColor(int stored) {
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

CostRowPaint PaintCostRow(const CostRowValues& row, const QDate& today) {
    CostRowPaint paint;
    const int color = row.color.isNull() ? 0 : row.color.toInt();
    if (color > 0)
        paint.mark = StoredToColor(color);

    const QDate finish = dateOf(row.dateFinish);
    const QDate last = dateOf(row.dateLast);
    if (finish.isValid())
        paint.text = kFinishedText;
    else if (last.isValid())
        paint.text = today >= last ? kOverdueText : today >= last.addDays(-7) ? kDueSoonText : kInWorkText;

    // Payment_Sum keeps six decimals; a sum with more still counts as paid in full when the
    // payment was taken from it.
    const double paid = row.paymentSum.toDouble();
    const double sum = row.sum.toDouble();
    paint.bold = paid > 0 && paid >= sum - 5e-7;
    return paint;
}

QList<QVariant> ActedOnKeys(const data::Dataset& cost, const QList<int>& selectedRows) {
    QList<QVariant> keys;
    if (!cost.isOpen())
        return keys;
    if (selectedRows.isEmpty()) {
        const QVariant key = currentKey(cost);
        if (!key.isNull())
            keys << key;
        return keys;
    }
    const int field = cost.fieldIndex(kIdCost);
    QList<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    for (int row : rows) {
        const QVariant key = cost.valueAt(row, field);
        if (!key.isNull())
            keys << key;
    }
    return keys;
}

void PayCosts(data::TDM4& dm, const QList<QVariant>& keys, const QDate& today) {
    forEachKey(dm, keys, [&](data::Dataset& cost) {
        cost.setValue(QStringLiteral("Payment_Sum"), cost.value(QStringLiteral("Sum")));
        cost.setValue(QStringLiteral("Payment_Date"), today);
    });
}

void MarkCosts(data::TDM4& dm, const QList<QVariant>& keys, const std::optional<QColor>& color) {
    const QVariant stored = color ? QVariant(ColorToStored(*color)) : QVariant();
    forEachKey(dm, keys, [&](data::Dataset& cost) { cost.setValue(QStringLiteral("Color"), stored); });
}

QString DeleteQuestion(const QString& number) {
    return QStringLiteral("Бажаєте видалити кошторис - ") + number + QStringLiteral(" ?");
}

bool DeleteCurrentCost(data::TDM4& dm, ui::Prompter& prompter) {
    data::Dataset& cost = dm.TbCost();
    if (!cost.isOpen() || cost.isEmpty() || cost.currentIndex() < 0)
        return false;
    if (!prompter.confirm(DeleteQuestion(cost.value(QStringLiteral("Cost_Number")).toString())))
        return false;
    cost.remove();
    dm.commitVelta();
    return true;
}

void SaveCosts(data::TDM4& dm) {
    data::Dataset& cost = dm.TbCost();
    const QVariant keep = currentKey(cost);
    dm.commitService();
    dm.commitVelta();
    if (!keep.isNull() && currentKey(cost) != keep)
        cost.locate(kIdCost, keep);
}

} // namespace velta::estimates
