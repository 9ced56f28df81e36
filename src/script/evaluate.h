#pragma once
// The formula evaluator of the calculation: a catalogue formula after
// substitution ("1+0.2*0.5", "Int(n/10)*0.05+1") or an index coefficient,
// evaluated as an expression of the script language with the standard
// library, giving a double.

#include "script/script_error.h"

#include <QString>

namespace velta::script {

// Throws ScriptError when the formula does not compile, fails while it is
// evaluated or gives no number; the message names the formula and the
// position.
double Evaluate(const QString& formula);

} // namespace velta::script
