#pragma once
// The program's own function library of the report scripts: nineteen
// functions in the category "ORVIK функции" (the category name the template
// writers know), with the basic types and the constants True, False, nil and
// Null. Every function goes through one dispatcher that compares the
// capitalised name.

#include "documents/script_data_access.h"
#include "script/script.h"

#include <QVariant>

namespace velta::documents {

// The category name shown in the designer's function list.
QString orvikCategory();

// Registers the types, constants and the nineteen functions in script. The
// data functions use data (which must outlive the script); without it they
// answer as for an unknown dataset.
void registerOrvikLibrary(script::Script& script, ScriptDataAccess* data);

// The script of the main report, in whose context Evaluate works. Until the
// report engine owns one, the program keeps a script for that purpose and
// sets it here; without one Evaluate gives Null.
void setMainReportScript(script::Script* script);
script::Script* mainReportScript();

// Conversions between script values and the data module's QVariant values.
script::Value valueFromVariant(const QVariant& v);
QVariant variantFromValue(const script::Value& v);

} // namespace velta::documents
