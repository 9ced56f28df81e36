#include "documents/tdm4_script_access.h"

#include "data/fb/error.h"
#include "data/tdm4.h"
#include "script/script_error.h"

#include <exception>

namespace velta::documents {
namespace {

// Runs one data-module operation; what the data layer throws becomes the
// script's own error with the same text.
template <typename F> auto guarded(F&& operation) -> decltype(operation()) {
    try {
        return operation();
    } catch (const script::ScriptError&) {
        throw;
    } catch (const data::fb::Error& e) {
        throw script::ScriptError(e.message());
    } catch (const std::exception& e) {
        throw script::ScriptError(QString::fromUtf8(e.what()));
    }
}

} // namespace

bool Tdm4ScriptAccess::LocateData(const QString& name, const QString& field, const QVariant& value) {
    return guarded([&] { return m_dm.LocateData(name, field, value); });
}

bool Tdm4ScriptAccess::FilterData(const QString& name, const QString& filter) {
    return guarded([&] { return m_dm.FilterData(name, filter); });
}

bool Tdm4ScriptAccess::QuerySQL(const QString& text) {
    return guarded([&] { return m_dm.runQuerySQL(text); });
}

int Tdm4ScriptAccess::RecordCount(const QString& name) {
    return guarded([&] { return m_dm.RecordCount(name); });
}

bool Tdm4ScriptAccess::DataNext(const QString& name) {
    return guarded([&] { return m_dm.DataNext(name); });
}

bool Tdm4ScriptAccess::DataPrior(const QString& name) {
    return guarded([&] { return m_dm.DataPrior(name); });
}

bool Tdm4ScriptAccess::DataEof(const QString& name) {
    return guarded([&] { return m_dm.DataEof(name); });
}

bool Tdm4ScriptAccess::DataBof(const QString& name) {
    return guarded([&] { return m_dm.DataBof(name); });
}

bool Tdm4ScriptAccess::DataFirst(const QString& name) {
    return guarded([&] { return m_dm.DataFirst(name); });
}

bool Tdm4ScriptAccess::DataLast(const QString& name) {
    return guarded([&] { return m_dm.DataLast(name); });
}

QVariant Tdm4ScriptAccess::GetValue(const QString& name, const QString& field) {
    return guarded([&] { return m_dm.GetValue(name, field); });
}

void Tdm4ScriptAccess::SetValue(const QString& name, const QString& field, const QVariant& value) {
    try {
        guarded([&] { m_dm.SetValue(name, field, value); });
    } catch (const script::ScriptError&) {
        // A value the database refused must not stay behind in an open edit,
        // to be posted (and fail again) at the dataset's next move.
        if (data::Dataset* d = m_dm.findByName(name); d && d->state() == data::Dataset::State::Edit)
            d->cancel();
        throw;
    }
}

} // namespace velta::documents
