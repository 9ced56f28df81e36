#pragma once
// Fresh databases with a started data module for the tests of the estimate list and the header
// editor, and a quick way to put estimates into velta.fdb.

#include "common/db_fixture.h"
#include "data/tdm4.h"

#include <QDate>
#include <QVariantMap>

#include <memory>
#include <ostream>

// Readable values in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}

namespace velta::test {

class EstimatesFixture : public DbFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the data module on the folder's databases (the program's own numbering rule).
    void start();
    data::TDM4& dm() { return *m_dm; }

    // Inserts a Cost row with the given columns (ID_Cost from the generator unless given) and
    // re-reads TbCost; returns the key.
    qint64 addCost(QVariantMap columns);
    // One value of the first row of a query on the estimates database.
    QVariant scalar(const QString& sql, const QVariantMap& params = {});
    // The Cost column of the estimate with the key, read from the database.
    QVariant stored(qint64 id, const QString& column);
    // The same through a second attachment, which sees only what was committed.
    QVariant committed(qint64 id, const QString& column);
    // The keys of TbCost's visible rows, in order.
    QList<qint64> visibleKeys();

private:
    std::unique_ptr<data::TDM4> m_dm;
};

} // namespace velta::test
