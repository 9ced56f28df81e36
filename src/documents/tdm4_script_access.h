#pragma once
// The report scripts' data functions over the real data module: each call
// goes to TDM4's by-name operation of the same name ("DM4.TbCost"), QuerySQL
// to its free SQL runner. A failure of the data layer (an SQL text the
// database rejects, a move on a closed dataset, a value the column cannot
// take) comes back as a ScriptError carrying the data layer's message, so
// that the script shows it with its place and a script's try/except can
// handle it like any other fault.

#include "documents/script_data_access.h"

namespace velta::data {
class TDM4;
}

namespace velta::documents {

class Tdm4ScriptAccess : public ScriptDataAccess {
public:
    // dm must outlive this object.
    explicit Tdm4ScriptAccess(data::TDM4& dm) : m_dm(dm) {}

    bool LocateData(const QString& name, const QString& field, const QVariant& value) override;
    bool FilterData(const QString& name, const QString& filter) override;
    bool QuerySQL(const QString& text) override;
    int RecordCount(const QString& name) override;
    bool DataNext(const QString& name) override;
    bool DataPrior(const QString& name) override;
    bool DataEof(const QString& name) override;
    bool DataBof(const QString& name) override;
    bool DataFirst(const QString& name) override;
    bool DataLast(const QString& name) override;
    QVariant GetValue(const QString& name, const QString& field) override;
    void SetValue(const QString& name, const QString& field, const QVariant& value) override;

private:
    data::TDM4& m_dm;
};

} // namespace velta::documents
