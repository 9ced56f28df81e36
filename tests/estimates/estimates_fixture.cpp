#include "estimates/estimates_fixture.h"

#include "data/database.h"

namespace velta::test {

void EstimatesFixture::SetUp() {
    DbFixture::SetUp();
    start();
}

void EstimatesFixture::TearDown() {
    m_dm.reset();
    DbFixture::TearDown();
}

void EstimatesFixture::start() {
    data::TDM4::Options o;
    o.workingFolder = folder().path();
    m_dm = std::make_unique<data::TDM4>(o);
    ASSERT_TRUE(m_dm->start()) << m_dm->connectionError().toStdString();
}

qint64 EstimatesFixture::addCost(QVariantMap columns) {
    if (!columns.contains(QStringLiteral("ID_Cost")))
        columns.insert(QStringLiteral("ID_Cost"), m_dm->velta()->nextValue(QStringLiteral("ID_GEN_COST")));
    QStringList names, values;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        names << QLatin1Char('"') + it.key() + QLatin1Char('"');
        values << QLatin1Char(':') + it.key();
    }
    m_dm->velta()->run(QStringLiteral("Insert Into \"Cost\" (%1) Values (%2)")
                           .arg(names.join(QLatin1String(", ")), values.join(QLatin1String(", "))),
                       columns);
    m_dm->TbCost().refresh();
    return columns.value(QStringLiteral("ID_Cost")).toLongLong();
}

QVariant EstimatesFixture::scalar(const QString& sql, const QVariantMap& params) {
    const data::QueryResult r = m_dm->velta()->run(sql, params);
    return r.rows.empty() ? QVariant() : r.rows.front().front();
}

QVariant EstimatesFixture::stored(qint64 id, const QString& column) {
    return scalar(QStringLiteral("Select \"%1\" From \"Cost\" Where \"ID_Cost\" = :id").arg(column),
                  {{QStringLiteral("id"), id}});
}

QVariant EstimatesFixture::committed(qint64 id, const QString& column) {
    data::Database other(folder().estimatesPath(), QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    const data::QueryResult r =
        other.run(QStringLiteral("Select \"%1\" From \"Cost\" Where \"ID_Cost\" = :id").arg(column),
                  {{QStringLiteral("id"), id}});
    return r.rows.empty() ? QVariant() : r.rows.front().front();
}

QList<qint64> EstimatesFixture::visibleKeys() {
    data::Dataset& cost = m_dm->TbCost();
    QList<qint64> keys;
    const int f = cost.fieldIndex(QStringLiteral("ID_Cost"));
    for (int i = 0; i < cost.recordCount(); ++i)
        keys << cost.valueAt(i, f).toLongLong();
    return keys;
}

} // namespace velta::test
