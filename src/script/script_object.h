#pragma once
// A host object seen by scripts: a report object (Memo1, MasterData1), the
// report engine (Engine, Report), a dataset. Names arrive as written in the
// script; an object compares them without regard to case. Every call answers
// whether the object knows the name, so that the interpreter can report an
// unknown one with its place.

#include "script/value.h"

#include <QString>

#include <vector>

namespace velta::script {

class ScriptObject {
public:
    virtual ~ScriptObject() = default;

    // Used by typecasts and messages ("TfrxMemoView").
    virtual QString className() const { return QStringLiteral("TObject"); }

    virtual bool getProperty(const QString& name, Value& result) {
        Q_UNUSED(name);
        Q_UNUSED(result);
        return false;
    }
    virtual bool setProperty(const QString& name, const Value& value) {
        Q_UNUSED(name);
        Q_UNUSED(value);
        return false;
    }
    // A method: Memo1.Memo.Add('x'), Engine.ShowBand(Band), DS.Next.
    virtual bool callMethod(const QString& name, std::vector<Value>& args, Value& result) {
        Q_UNUSED(name);
        Q_UNUSED(args);
        Q_UNUSED(result);
        return false;
    }
    // The default indexed property: Report.Variables['Name'].
    virtual bool getIndexed(const std::vector<Value>& index, Value& result) {
        Q_UNUSED(index);
        Q_UNUSED(result);
        return false;
    }
    virtual bool setIndexed(const std::vector<Value>& index, const Value& value) {
        Q_UNUSED(index);
        Q_UNUSED(value);
        return false;
    }
};

} // namespace velta::script
