#include "calc/sql_catalogue.h"

#include "data/dataset.h"

#include <QDate>
#include <QHash>

namespace velta::calc {

namespace {

// One result row read by column name.
class Row {
public:
    Row(const QHash<QString, int>& index, const QVector<QVariant>& values)
        : m_index(index), m_values(values) {}

    QVariant value(const char* name) const {
        const int i = m_index.value(QString::fromLatin1(name), -1);
        return i < 0 ? QVariant() : m_values[i];
    }
    int integer(const char* name) const { return value(name).toInt(); }
    QString text(const char* name) const { return value(name).toString(); }
    std::optional<int> optInt(const char* name) const {
        const QVariant v = value(name);
        return v.isNull() ? std::nullopt : std::optional(v.toInt());
    }
    std::optional<double> optDouble(const char* name) const {
        const QVariant v = value(name);
        return v.isNull() ? std::nullopt : std::optional(v.toDouble());
    }

private:
    const QHash<QString, int>& m_index;
    const QVector<QVariant>& m_values;
};

template <typename F>
void forEachRow(data::SqlExecutor& db, const QString& sql, const QVariantMap& params, F f) {
    const data::QueryResult r = db.run(sql, params);
    QHash<QString, int> index;
    for (int i = 0; i < int(r.columns.size()); ++i)
        index.insert(r.columns[i].name, i);
    for (const auto& values : r.rows)
        f(Row(index, values));
}

// The rows of one table that belong to the sections of one collection.
QString ofCollection(const char* table) {
    return QStringLiteral("SELECT t.* FROM \"%1\" t JOIN \"ServiceList\" l ON l.\"ID_ServiceList\" = "
                          "t.\"ID_ServiceList\" WHERE l.\"ID_Service\" = :ID_Service")
        .arg(QString::fromLatin1(table));
}

} // namespace

void LoadCatalogue(data::SqlExecutor& db, const std::vector<int>& idServices, InMemoryCatalogue& into) {
    forEachRow(db, QStringLiteral("SELECT * FROM \"TypeParameter\""), {}, [&](const Row& r) {
        into.addParameterKind({r.integer("ID_TypeParameter"), r.text("Name"), r.optInt("ID_TypeValue"),
                               r.optInt("ID_TypeUnit")});
    });
    forEachRow(db, QStringLiteral("SELECT * FROM \"TypeUnit\""), {}, [&](const Row& r) {
        into.addUnit({r.integer("ID_TypeUnit"), r.text("Name")});
    });

    for (int idService : idServices) {
        const QVariantMap p{{QStringLiteral("ID_Service"), idService}};
        forEachRow(db, QStringLiteral("SELECT * FROM \"Service\" WHERE \"ID_Service\" = :ID_Service"), p,
                   [&](const Row& r) {
                       into.addService({r.integer("ID_Service"), r.text("Name")});
                   });
        forEachRow(db, QStringLiteral("SELECT * FROM \"ServiceList\" WHERE \"ID_Service\" = :ID_Service"), p,
                   [&](const Row& r) {
                       ServiceList s;
                       s.idServiceList = r.integer("ID_ServiceList");
                       s.idService = r.integer("ID_Service");
                       s.idServiceLnk = r.optInt("ID_ServiceLnk");
                       s.idServiceType = r.optInt("ID_ServiceType");
                       s.number = r.integer("Number");
                       s.table = r.text("Table");
                       s.name = r.text("Name");
                       s.perField = r.optDouble("Per_Field");
                       s.perCameral = r.optDouble("Per_Cameral");
                       s.perField2 = r.optDouble("Per_Field2");
                       s.perCameral2 = r.optDouble("Per_Cameral2");
                       into.addSection(s);
                   });
        forEachRow(db, ofCollection("ServiceParam"), p, [&](const Row& r) {
            ServiceParam s;
            s.idServiceParam = r.integer("ID_ServiceParam");
            s.idServiceList = r.integer("ID_ServiceList");
            s.idTypeParameter = r.integer("ID_TypeParameter");
            s.idTypeValue = r.optInt("ID_TypeValue");
            s.number = r.integer("Number");
            s.name = r.text("Name");
            s.defaultValue = r.optDouble("Default");
            s.divisor = r.optInt("Divisor");
            s.idUnit = r.optInt("ID_Unit");
            into.addParameter(s);
        });
        forEachRow(db, ofCollection("ServiceTbl"), p, [&](const Row& r) {
            ServiceTbl t;
            t.idServiceTbl = r.integer("ID_ServiceTbl");
            t.idServiceList = r.integer("ID_ServiceList");
            t.number = r.integer("Number");
            t.idCategory = r.optInt("ID_Category");
            static const char* names[] = {"Parameter1", "Parameter2", "Parameter3",
                                          "Parameter4", "Parameter5", "Parameter6"};
            for (int i = 0; i < 6; ++i)
                t.parameter[i] = r.optDouble(names[i]);
            t.a = r.optDouble("A");
            t.b = r.optDouble("B");
            t.daysA = r.optDouble("DaysA");
            t.daysB = r.optDouble("DaysB");
            t.idUnit = r.optInt("ID_Unit");
            into.addPriceRow(t);
        });
        forEachRow(db, ofCollection("ServiceCat"), p, [&](const Row& r) {
            into.addCategory({r.integer("ID_ServiceCat"), r.integer("ID_ServiceList"), r.integer("Number"),
                              r.text("Name")});
        });
        forEachRow(db, ofCollection("ServiceNote"), p, [&](const Row& r) {
            ServiceNote n;
            n.idServiceNote = r.integer("ID_ServiceNote");
            n.idServiceList = r.integer("ID_ServiceList");
            n.number = r.integer("Number");
            static const char* kinds[] = {"ID_TypeParameter", "ID_TypeParameter2", "ID_TypeParameter3",
                                          "ID_TypeParameter4"};
            static const char* codes[] = {"ID_TypeValue", "ID_TypeValue2", "ID_TypeValue3", "ID_TypeValue4"};
            static const char* froms[] = {"ValueFrom", "ValueFrom2", "ValueFrom3", "ValueFrom4"};
            static const char* tos[] = {"ValueTo", "ValueTo2", "ValueTo3", "ValueTo4"};
            static const char* defaults[] = {"Default", "Default2", "Default3", "Default4"};
            static const char* divisors[] = {"Divisor", "Divisor2", "Divisor3", "Divisor4"};
            static const char* ops[] = {nullptr, "Operator2", "Operator3", "Operator4"};
            for (int i = 0; i < 4; ++i) {
                n.idTypeParameter[i] = r.optInt(kinds[i]);
                n.idTypeValue[i] = r.optInt(codes[i]);
                n.valueFrom[i] = r.optDouble(froms[i]);
                n.valueTo[i] = r.optDouble(tos[i]);
                n.defaultValue[i] = r.optDouble(defaults[i]);
                n.divisor[i] = r.optInt(divisors[i]);
                if (ops[i])
                    n.op[i] = r.optInt(ops[i]);
            }
            n.countParameters = r.optInt("CountParameters");
            n.idTypeCalc = r.optInt("ID_TypeCalc");
            n.kof = r.optDouble("Kof");
            n.formula = r.text("Formula");
            n.nameParameter = r.text("NameParameter");
            n.idTypeKof = r.optInt("ID_TypeKof");
            n.nameTable = r.text("NameTable");
            n.idNumber = r.optInt("ID_Number");
            into.addNote(n);
        });
        forEachRow(db, QStringLiteral("SELECT * FROM \"ServiceKof\" WHERE \"ID_Service\" = :ID_Service"), p,
                   [&](const Row& r) {
                       ServiceKof k;
                       k.idServiceKof = r.integer("ID_ServiceKof");
                       k.idService = r.integer("ID_Service");
                       const QDate date = r.value("Date").toDate();
                       k.dateJulian = date.isValid() ? int(date.toJulianDay()) : 0;
                       k.name = r.text("Name");
                       k.description = r.text("Description");
                       k.kof = r.optDouble("Kof");
                       k.formula = r.text("Formula");
                       k.fPassive = r.text("fPassive");
                       into.addIndexCoefficient(k);
                   });
    }
}

} // namespace velta::calc
