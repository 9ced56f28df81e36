#include "calc/sql_estimate_store.h"

#include "data/database.h"
#include "data/fb/statement.h"

#include <QStringList>
#include <QVariant>

#include <unordered_map>

namespace velta::calc {

namespace {

using data::QueryResult;
using Values = QVector<QVariant>;

// --- reading: columns are listed in the SELECT and read by position ---

std::optional<int> optInt(const QVariant& v) {
    return v.isNull() ? std::nullopt : std::optional(v.toInt());
}
std::optional<double> optDouble(const QVariant& v) {
    return v.isNull() ? std::nullopt : std::optional(v.toDouble());
}

// --- writing ---

// Empty texts are stored as NULL. A text is cut to its column's width: a
// substituted formula can outgrow the 100 characters of Formula, and the
// stored text is only shown (every calculation builds its formulas afresh
// from the catalogue), so a failed command for it would help nobody.
QVariant text(const QString& s, int width) {
    return s.isEmpty() ? QVariant() : QVariant(s.left(width));
}
QVariant opt(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant();
}
QVariant opt(const std::optional<int>& v) {
    return v ? QVariant(*v) : QVariant();
}

// An INSERT whose key comes from its generator and is returned, with the
// other columns bound by position in the order given.
QString insertSql(const char* table, const char* key, const char* generator, const QStringList& columns) {
    QStringList names{QStringLiteral("\"%1\"").arg(QLatin1String(key))};
    QStringList values{QStringLiteral("GEN_ID(\"%1\", 1)").arg(QLatin1String(generator))};
    for (const QString& c : columns) {
        names << QLatin1Char('"') + c + QLatin1Char('"');
        values << QLatin1Char(':') + c;
    }
    return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3) RETURNING \"%4\"")
        .arg(QLatin1String(table), names.join(QLatin1String(", ")), values.join(QLatin1String(", ")),
             QLatin1String(key));
}

// An UPDATE of the columns given by the key, bound by position: the columns
// first, the key last.
QString updateSql(const char* table, const char* key, const QStringList& columns) {
    QStringList set;
    for (const QString& c : columns)
        set << QStringLiteral("\"%1\" = :%1").arg(c);
    return QStringLiteral("UPDATE \"%1\" SET %2 WHERE \"%3\" = :%3")
        .arg(QLatin1String(table), set.join(QLatin1String(", ")), QLatin1String(key));
}

void bind(data::fb::Statement& st, const std::initializer_list<QVariant>& values) {
    int i = 0;
    for (const QVariant& v : values)
        st.setAt(i++, v);
}

int returnedKey(const data::fb::Statement& st) {
    return st.returned().at(0).toInt();
}

const QStringList kSectionColumns{QStringLiteral("ID_Cost"),
                                  QStringLiteral("Number"),
                                  QStringLiteral("ID_Service"),
                                  QStringLiteral("ID_ServiceList"),
                                  QStringLiteral("ID_ServiceType"),
                                  QStringLiteral("Name"),
                                  QStringLiteral("Sum"),
                                  QStringLiteral("Sum_Field"),
                                  QStringLiteral("Sum_Cameral"),
                                  QStringLiteral("Kof"),
                                  QStringLiteral("KofA"),
                                  QStringLiteral("KofB"),
                                  QStringLiteral("Calculation"),
                                  QStringLiteral("KofDaysA"),
                                  QStringLiteral("DaysA"),
                                  QStringLiteral("KofDaysB"),
                                  QStringLiteral("DaysB")};

// What the calculation changes in a stored section (Kof, KofA and KofB stay
// as loaded where a step leaves them alone, so writing them back is a no-op).
const QStringList kSectionUpdate{
    QStringLiteral("ID_ServiceType"), QStringLiteral("Sum"),         QStringLiteral("Sum_Field"),
    QStringLiteral("Sum_Cameral"),    QStringLiteral("Kof"),         QStringLiteral("KofA"),
    QStringLiteral("KofB"),           QStringLiteral("Calculation"), QStringLiteral("KofDaysA"),
    QStringLiteral("DaysA"),          QStringLiteral("KofDaysB"),    QStringLiteral("DaysB")};

const QStringList kParamColumns{QStringLiteral("ID_CostLnk"),    QStringLiteral("ID_TypeParameter"),
                                QStringLiteral("Number"),        QStringLiteral("Name"),
                                QStringLiteral("PValue"),        QStringLiteral("ID_TypeKof"),
                                QStringLiteral("ID_ServiceList")};

const QStringList kValueColumns{QStringLiteral("ID_CostLnk"),
                                QStringLiteral("ID_TypeValue"),
                                QStringLiteral("ID_TypeCalc"),
                                QStringLiteral("ID_ServiceTbl"),
                                QStringLiteral("ID_TypeParameter"),
                                QStringLiteral("Name"),
                                QStringLiteral("A"),
                                QStringLiteral("B"),
                                QStringLiteral("DaysA"),
                                QStringLiteral("DaysB"),
                                QStringLiteral("Formula"),
                                QStringLiteral("Kof"),
                                QStringLiteral("ParamA"),
                                QStringLiteral("ParamB"),
                                QStringLiteral("Description"),
                                QStringLiteral("Calculation"),
                                QStringLiteral("SumValue"),
                                QStringLiteral("ID_ServiceKof"),
                                QStringLiteral("ID_TypeKof")};

// Cost.Sum, the amount to pay, is derived on every write of the row.
std::optional<double> amountToPay(const Cost& cost) {
    if (cost.sumReal.value_or(0) > 0)
        return cost.sumReal;
    return cost.sumFull;
}

} // namespace

SqlEstimateStore::SqlEstimateStore(data::Database& estimates, bool commit)
    : m_db(estimates), m_commit(commit) {}

SqlEstimateStore::~SqlEstimateStore() = default;

data::fb::Statement& SqlEstimateStore::statement(const QString& sql) {
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return **it;
    auto st = std::make_shared<data::fb::Statement>(m_db.connection(), m_db.transaction(), sql);
    return **m_statements.insert(sql, std::move(st));
}

std::vector<int> SqlEstimateStore::estimateKeys() {
    std::vector<int> keys;
    for (const Values& r :
         m_db.run(QStringLiteral("SELECT \"ID_Cost\" FROM \"Cost\" ORDER BY \"ID_Cost\""), {}).rows)
        keys.push_back(r[0].toInt());
    return keys;
}

std::optional<Estimate> SqlEstimateStore::load(int idCost) {
    const QVariantMap key{{QStringLiteral("ID_Cost"), idCost}};
    const QueryResult head = m_db.run(
        QStringLiteral(R"(SELECT "ID_Cost", "Cost_Number", "Area", "Perimetr", "CountObject", "CountPoint",
            "fPDV", "fExpert", "fIndex", "fSumParam", "fEDP", "PDV", "Sum_Full", "Sum_Real"
            FROM "Cost" WHERE "ID_Cost" = :ID_Cost)"),
        key);
    if (head.rows.empty())
        return std::nullopt;

    Estimate e;
    {
        const Values& r = head.rows.front();
        Cost& c = e.cost;
        c.idCost = r[0].toInt();
        c.costNumber = r[1].toString();
        c.area = optDouble(r[2]);
        c.perimetr = optDouble(r[3]);
        c.countObject = optInt(r[4]);
        c.countPoint = optInt(r[5]);
        c.fPDV = r[6].toString();
        c.fExpert = r[7].toString();
        c.fIndex = r[8].toString();
        c.fSumParam = r[9].toString();
        c.fEDP = r[10].toString();
        c.pdv = optDouble(r[11]);
        c.sumFull = optDouble(r[12]);
        c.sumReal = optDouble(r[13]);
    }

    for (const Values& r :
         m_db.run(QStringLiteral(R"(SELECT "ID_CostSrv", "ID_Service", "Number", "Name", "Summ"
                      FROM "CostSrv" WHERE "ID_Cost" = :ID_Cost ORDER BY "Number", "ID_CostSrv")"),
                  key)
             .rows) {
        CostSrv s;
        s.idCostSrv = r[0].toInt();
        s.idService = r[1].toInt();
        s.number = r[2].toInt();
        s.name = r[3].toString();
        s.summ = optDouble(r[4]);
        e.collections.push_back(std::move(s));
    }

    for (const Values& r : m_db.run(QStringLiteral(R"(SELECT "ID_CostLnk", "ID_Cost", "ID_Service", "Number",
                      "ID_ServiceList", "ID_ServiceType", "Name", "Sum", "Sum_Field", "Sum_Cameral", "Kof",
                      "KofA", "KofB", "Calculation", "KofDaysA", "DaysA", "KofDaysB", "DaysB"
                      FROM "CostLnk" WHERE "ID_Cost" = :ID_Cost ORDER BY "Number", "ID_CostLnk")"),
                                    key)
                               .rows) {
        CostLnk s;
        s.idCostLnk = r[0].toInt();
        s.idCost = r[1].toInt();
        s.idService = r[2].toInt();
        s.number = r[3].toInt();
        s.idServiceList = r[4].toInt();
        s.idServiceType = optInt(r[5]);
        s.name = r[6].toString();
        s.sum = optDouble(r[7]);
        s.sumField = optDouble(r[8]);
        s.sumCameral = optDouble(r[9]);
        s.kof = optDouble(r[10]);
        s.kofA = optDouble(r[11]);
        s.kofB = optDouble(r[12]);
        s.calculation = r[13].toString();
        s.kofDaysA = optDouble(r[14]);
        s.daysA = optDouble(r[15]);
        s.kofDaysB = optDouble(r[16]);
        s.daysB = optDouble(r[17]);
        e.sections.push_back(std::move(s));
    }
    std::unordered_map<int, CostLnk*> byKey;
    for (CostLnk& s : e.sections)
        byKey.emplace(s.idCostLnk, &s);

    // Equal numbers in key order: keys come from a generator, so this is the
    // order the rows were made in.
    for (const Values& r : m_db.run(QStringLiteral(R"(SELECT p."ID_CostLnk", p."ID_CostParam",
                      p."ID_TypeParameter", p."Number", p."Name", p."PValue", p."ID_TypeKof", p."ID_ServiceList"
                      FROM "CostParam" p JOIN "CostLnk" l ON l."ID_CostLnk" = p."ID_CostLnk"
                      WHERE l."ID_Cost" = :ID_Cost ORDER BY p."ID_CostLnk", p."Number", p."ID_CostParam")"),
                                    key)
                               .rows) {
        auto owner = byKey.find(r[0].toInt());
        if (owner == byKey.end())
            continue;
        CostParam p;
        p.idCostParam = r[1].toInt();
        p.idTypeParameter = r[2].toInt();
        p.number = r[3].toInt();
        p.name = r[4].toString();
        p.pValue = optDouble(r[5]);
        p.idTypeKof = optInt(r[6]);
        p.idServiceList = optInt(r[7]);
        owner->second->params.push_back(std::move(p));
    }

    for (const Values& r : m_db.run(QStringLiteral(R"(SELECT v."ID_CostLnk", v."ID_CostValue",
                      v."ID_TypeValue", v."ID_TypeCalc", v."ID_ServiceTbl", v."ID_TypeParameter", v."Name", v."A",
                      v."B", v."DaysA", v."DaysB", v."Formula", v."Kof", v."ParamA", v."ParamB", v."Description",
                      v."Calculation", v."SumValue", v."ID_ServiceKof", v."ID_TypeKof"
                      FROM "CostValue" v JOIN "CostLnk" l ON l."ID_CostLnk" = v."ID_CostLnk"
                      WHERE l."ID_Cost" = :ID_Cost ORDER BY v."ID_CostLnk", v."ID_TypeValue", v."ID_CostValue")"),
                                    key)
                               .rows) {
        auto owner = byKey.find(r[0].toInt());
        if (owner == byKey.end())
            continue;
        CostValue v;
        v.idCostValue = r[1].toInt();
        v.idTypeValue = r[2].toInt();
        v.idTypeCalc = r[3].toInt();
        v.idServiceTbl = r[4].toInt();
        v.idTypeParameter = r[5].toInt();
        v.name = r[6].toString();
        v.a = r[7].toDouble();
        v.b = r[8].toDouble();
        v.daysA = r[9].toDouble();
        v.daysB = r[10].toDouble();
        v.formula = r[11].toString();
        v.kof = r[12].toDouble();
        v.paramA = r[13].toDouble();
        v.paramB = r[14].toDouble();
        v.description = r[15].toString();
        v.calculation = r[16].toString();
        v.sumValue = optDouble(r[17]);
        v.idServiceKof = optInt(r[18]);
        v.idTypeKof = optInt(r[19]);
        owner->second->values.push_back(std::move(v));
    }

    e.normalise();
    return e;
}

void SqlEstimateStore::write(Estimate& e) {
    static const QString insertSection =
        insertSql("CostLnk", "ID_CostLnk", "ID_GEN_COSTLNK", kSectionColumns);
    static const QString updateSection = updateSql("CostLnk", "ID_CostLnk", kSectionUpdate);
    static const QString insertParam =
        insertSql("CostParam", "ID_CostParam", "ID_GEN_COSTPARAM", kParamColumns);
    static const QString updateParam = updateSql("CostParam", "ID_CostParam", {QStringLiteral("PValue")});
    static const QString deleteValues =
        QStringLiteral(R"(DELETE FROM "CostValue" WHERE "ID_CostLnk" = :ID_CostLnk)");
    static const QString insertValue =
        insertSql("CostValue", "ID_CostValue", "ID_GEN_COSTVALUE", kValueColumns);
    static const QString updateCollection = updateSql("CostSrv", "ID_CostSrv", {QStringLiteral("Summ")});
    static const QString updateCost = updateSql("Cost", "ID_Cost",
                                                {QStringLiteral("fSumParam"), QStringLiteral("PDV"),
                                                 QStringLiteral("Sum_Full"), QStringLiteral("Sum")});

    const int idCost = e.cost.idCost;

    // New sections first: their parameter values and lines need their keys.
    for (CostLnk& s : e.sections) {
        if (!s.state.isNew)
            continue;
        s.idCost = idCost;
        data::fb::Statement& st = statement(insertSection);
        bind(st, {s.idCost, s.number, s.idService, s.idServiceList, opt(s.idServiceType), text(s.name, 250),
                  opt(s.sum), opt(s.sumField), opt(s.sumCameral), opt(s.kof), opt(s.kofA), opt(s.kofB),
                  text(s.calculation, 250), opt(s.kofDaysA), opt(s.daysA), opt(s.kofDaysB), opt(s.daysB)});
        st.execute();
        s.idCostLnk = returnedKey(st);
    }
    for (CostLnk& s : e.sections) {
        if (s.state.isNew || !s.state.dirty)
            continue;
        data::fb::Statement& st = statement(updateSection);
        bind(st, {opt(s.idServiceType), opt(s.sum), opt(s.sumField), opt(s.sumCameral), opt(s.kof),
                  opt(s.kofA), opt(s.kofB), text(s.calculation, 250), opt(s.kofDaysA), opt(s.daysA),
                  opt(s.kofDaysB), opt(s.daysB), s.idCostLnk});
        st.execute();
    }
    for (CostLnk& s : e.sections) {
        for (CostParam& p : s.params) {
            if (p.state.isNew) {
                data::fb::Statement& st = statement(insertParam);
                bind(st, {s.idCostLnk, p.idTypeParameter, p.number, text(p.name, 250), opt(p.pValue),
                          opt(p.idTypeKof), opt(p.idServiceList)});
                st.execute();
                p.idCostParam = returnedKey(st);
            } else if (p.state.dirty) {
                data::fb::Statement& st = statement(updateParam);
                bind(st, {opt(p.pValue), p.idCostParam});
                st.execute();
            }
        }
    }
    for (CostLnk& s : e.sections) {
        if (!s.valuesRebuilt)
            continue;
        {
            data::fb::Statement& st = statement(deleteValues);
            bind(st, {s.idCostLnk});
            st.execute();
        }
        data::fb::Statement& st = statement(insertValue);
        for (CostValue& v : s.values) {
            bind(st, {s.idCostLnk, v.idTypeValue, v.idTypeCalc, v.idServiceTbl, v.idTypeParameter,
                      text(v.name, 250), v.a, v.b, v.daysA, v.daysB, text(v.formula, 100), v.kof, v.paramA,
                      v.paramB, text(v.description, 100), text(v.calculation, 100), opt(v.sumValue),
                      opt(v.idServiceKof), opt(v.idTypeKof)});
            st.execute();
            v.idCostValue = returnedKey(st);
        }
    }
    for (CostSrv& c : e.collections) {
        if (!c.state.dirty)
            continue;
        data::fb::Statement& st = statement(updateCollection);
        bind(st, {opt(c.summ), c.idCostSrv});
        st.execute();
    }
    if (e.cost.dirty) {
        data::fb::Statement& st = statement(updateCost);
        bind(st, {text(e.cost.fSumParam, 1), opt(e.cost.pdv), opt(e.cost.sumFull), opt(amountToPay(e.cost)),
                  idCost});
        st.execute();
    }

    // Everything is stored: clear the marks.
    for (CostSrv& c : e.collections)
        c.state = {false, false, c.idCostSrv};
    for (CostLnk& s : e.sections) {
        s.state = {false, false, s.idCostLnk};
        s.valuesRebuilt = false;
        for (CostParam& p : s.params)
            p.state = {false, false, p.idCostParam};
    }
    e.cost.dirty = false;
}

void SqlEstimateStore::save(Estimate& estimate) {
    Estimate work = estimate;
    const QString savepoint = m_db.savepoint();
    try {
        write(work);
        m_db.releaseSavepoint(savepoint);
    } catch (...) {
        // The error that stopped the writes is the one to report; a failed
        // rollback (a connection gone) would only hide it.
        try {
            m_db.rollbackToSavepoint(savepoint);
            m_db.releaseSavepoint(savepoint);
        } catch (...) {
        }
        throw;
    }
    if (m_commit)
        m_db.commit();
    estimate = std::move(work);
}

} // namespace velta::calc
