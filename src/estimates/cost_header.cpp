#include "estimates/cost_header.h"

#include "core/cp1251.h"
#include "core/settings.h"
#include "core/text_functions.h"
#include "data/database.h"
#include "data/dataset.h"
#include "data/tdm4.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <climits>

namespace velta::estimates {

namespace {

QDate dateOf(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

} // namespace

const QStringList& PickListFields() {
    static const QStringList fields = {"Cust_Name", "Address",     "Agreement", "Cust_Post",
                                       "Cust_Doc",  "TypePrivate", "TypeUses",  "TypeTake"};
    return fields;
}

QStringList FixedKinds(const QString& field) {
    if (field == QLatin1String("TypePrivate"))
        return {QStringLiteral("державна"), QStringLiteral("комунальна"), QStringLiteral("приватна")};
    if (field == QLatin1String("TypeTake"))
        return {QStringLiteral("власність"), QStringLiteral("постійне користування"),
                QStringLiteral("тимчасове користування"), QStringLiteral("оренда")};
    return {};
}

QStringList PickList(data::TDM4& dm, const QString& field) {
    QStringList list;
    dm.QueryToList(QStringLiteral("Select \"%1\" From \"Cost\" Group By \"%1\"").arg(field), list);
    return FixedKinds(field) + list;
}

QString ExtraFieldName(int i) {
    return QStringLiteral("Field%1").arg(i, 2, 10, QLatin1Char('0'));
}

QStringList ExtraFieldPickList(data::TDM4& dm, int i) {
    QStringList list;
    if (i < 1 || i > kExtraFieldCount)
        return list;
    dm.QueryToList(QStringLiteral("Select \"%1\" From \"CostField\" Group By \"%1\"").arg(ExtraFieldName(i)),
                   list);
    return list;
}

int TermDays(const QString& termin) {
    const qint64 n = core::TxtToInt(termin);
    qint64 k = 1;
    if (termin.contains(QStringLiteral("рік")) || termin.contains(QStringLiteral("рок")))
        k = 365;
    else if (termin.contains(QStringLiteral("міс")))
        k = 30;
    // Terms beyond any calendar are held at the ends of the integer range.
    return int(std::clamp<qint64>(n * k, INT_MIN, INT_MAX));
}

void FillWorkDates(data::Dataset& cost, const core::Settings& settings) {
    const QDate costDate = dateOf(cost.value(QStringLiteral("Cost_Date")));
    if (settings.autoDateStart && costDate.isValid() && cost.value(QStringLiteral("DateFirst")).isNull())
        cost.setValue(QStringLiteral("DateFirst"), costDate);

    const QString termin = cost.value(QStringLiteral("Termin")).toString().trimmed();
    const QDate first = dateOf(cost.value(QStringLiteral("DateFirst")));
    if (settings.autoDateFinish && !termin.isEmpty() && first.isValid() &&
        cost.value(QStringLiteral("DateLast")).isNull()) {
        const QDate last = first.addDays(TermDays(termin));
        if (last.isValid())
            cost.setValue(QStringLiteral("DateLast"), last);
    }
}

void RefreshAreaParameters(data::TDM4& dm) {
    data::Dataset& sections = dm.TbCostLnk();
    if (!sections.isOpen() || sections.isEmpty())
        return;
    const QVariant area = dm.TbCost().value(QStringLiteral("Area"));
    const double m2 = area.toDouble();

    // The value type of every parameter kind, from the catalogue's list the program holds.
    QHash<qint64, int> valueType;
    data::Dataset& kinds = dm.TbTypeParameter();
    if (kinds.isOpen()) {
        const int id = kinds.fieldIndex(QStringLiteral("ID_TypeParameter"));
        const int type = kinds.fieldIndex(QStringLiteral("ID_TypeValue"));
        for (int r = 0; r < kinds.recordCount(); ++r)
            valueType.insert(kinds.valueAt(r, id).toLongLong(), kinds.valueAt(r, type).toInt());
    }

    data::Database& db = *dm.velta();
    const int sectionKey = sections.fieldIndex(QStringLiteral("ID_CostLnk"));
    bool changed = false;
    for (int s = 0; s < sections.recordCount(); ++s) {
        const data::QueryResult params = db.run(
            QStringLiteral(
                R"(Select "ID_CostParam", "ID_TypeParameter" From "CostParam" Where "ID_CostLnk" = :ID)"),
            {{QStringLiteral("ID"), sections.valueAt(s, sectionKey)}});
        for (const auto& row : params.rows) {
            QVariant value;
            switch (valueType.value(row[1].toLongLong(), 0)) {
            case 8:
                value = m2;
                break;
            case 9:
                value = m2 / 10000;
                break;
            case 10:
                value = m2 / 10000 / 1000;
                break;
            default:
                continue; // 11 to 19 are posted unchanged, which changes nothing
            }
            db.run(QStringLiteral(R"(Update "CostParam" Set "PValue" = :V Where "ID_CostParam" = :ID)"),
                   {{QStringLiteral("V"), value}, {QStringLiteral("ID"), row[0]}});
            changed = true;
        }
    }
    if (changed && dm.TbCostParam().isOpen())
        dm.TbCostParam().refresh();
}

QStringList ExtraFieldValues(data::TDM4& dm) {
    data::Dataset& fields = dm.TbCostField();
    if (!fields.isOpen())
        fields.open();
    QStringList values;
    const bool has = !fields.isEmpty();
    for (int i = 1; i <= kExtraFieldCount; ++i)
        values << (has ? fields.value(ExtraFieldName(i)).toString() : QString());
    return values;
}

void StoreExtraFields(data::TDM4& dm, const QStringList& values) {
    data::Dataset& fields = dm.TbCostField();
    if (!fields.isOpen())
        fields.open();
    if (fields.isEmpty())
        fields.append();
    else
        fields.edit();
    for (int i = 1; i <= kExtraFieldCount; ++i)
        fields.setValue(ExtraFieldName(i), values.value(i - 1));
    fields.post();
}

QString DefaultCaption(int i) {
    return QStringLiteral("Значення № ") + QString::number(i);
}

QList<ValueRow> ReadValueList(const QString& path) {
    QList<ValueRow> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    QString text = core::fromCp1251(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the line break after the last line
    for (const QString& line : lines) {
        const int eq = line.indexOf(QLatin1Char('='));
        rows.append(eq < 0 ? ValueRow{line, {}} : ValueRow{line.left(eq), line.mid(eq + 1)});
    }
    return rows;
}

bool WriteValueList(const QString& path, const QList<ValueRow>& rows) {
    QByteArray bytes;
    // A line break inside a value would start a row of its own at the next reading.
    auto oneLine = [](QString s) {
        s.replace(QLatin1String("\r\n"), QLatin1String(" "));
        s.replace(QLatin1Char('\n'), QLatin1Char(' '));
        s.replace(QLatin1Char('\r'), QLatin1Char(' '));
        return s;
    };
    for (const ValueRow& r : rows)
        bytes += core::toCp1251(oneLine(r.caption) + QLatin1Char('=') + oneLine(r.value)) + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

void MergeExtraFields(QList<ValueRow>& rows, const QStringList& values) {
    for (int i = 1; i <= kExtraFieldCount; ++i) {
        const QString value = values.value(i - 1);
        if (rows.size() < i)
            rows.append({DefaultCaption(i), value});
        else
            rows[i - 1].value = value;
    }
}

} // namespace velta::estimates
