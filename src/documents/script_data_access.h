#pragma once
// What the report scripts' data functions need of the data module: its
// datasets reached by name ("DM4.TbCost", "DM4.QuerySQL") and the free SQL
// query. The data module implements it; tests give a small one in memory.
// Unknown names give false, 0 or no change, as the data module defines.

#include <QString>
#include <QVariant>

namespace velta::documents {

class ScriptDataAccess {
public:
    virtual ~ScriptDataAccess() = default;

    virtual bool LocateData(const QString& name, const QString& field, const QVariant& value) = 0;
    virtual bool FilterData(const QString& name, const QString& filter) = 0;
    // Runs the SQL into the QuerySQL dataset; a database error is thrown.
    virtual bool QuerySQL(const QString& text) = 0;
    virtual int RecordCount(const QString& name) = 0;
    virtual bool DataNext(const QString& name) = 0;
    virtual bool DataPrior(const QString& name) = 0;
    virtual bool DataEof(const QString& name) = 0;
    virtual bool DataBof(const QString& name) = 0;
    virtual bool DataFirst(const QString& name) = 0;
    virtual bool DataLast(const QString& name) = 0;
    // QVariant(false) when there is no such dataset or field, as the data
    // module answers; a NULL field is a null or invalid QVariant, which the
    // script sees as Null.
    virtual QVariant GetValue(const QString& name, const QString& field) = 0;
    virtual void SetValue(const QString& name, const QString& field, const QVariant& value) = 0;
};

} // namespace velta::documents
