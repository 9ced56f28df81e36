#include "script/evaluate.h"

#include "script/script.h"
#include "script/standard_library.h"

#include <memory>

namespace velta::script {
namespace {

// One script per thread holds the standard library; formulas carry no state
// of their own, so it serves every call.
Script& formulaScript() {
    thread_local std::unique_ptr<Script> script;
    if (!script) {
        script = std::make_unique<Script>();
        registerStandardLibrary(*script);
    }
    return *script;
}

ScriptError formulaError(const QString& formula, const ScriptError& e) {
    ScriptError error(e.detail(), e.offset(), e.kind());
    const int position = e.offset() >= 0 ? e.offset() + 1 : 1;
    error.setMessage(
        QStringLiteral("Помилка у формулі «%1», позиція %2: %3").arg(formula).arg(position).arg(e.detail()));
    return error;
}

} // namespace

double Evaluate(const QString& formula) {
    Script& script = formulaScript();
    Value v;
    try {
        v = script.evaluate(script.compile(formula));
    } catch (const ScriptError& e) {
        throw formulaError(formula, e);
    }
    if (!v.isNumber()) {
        ScriptError e(QStringLiteral("результат не є числом (%1)").arg(v.kindName()), 0);
        throw formulaError(formula, e);
    }
    return v.toFloat();
}

} // namespace velta::script
