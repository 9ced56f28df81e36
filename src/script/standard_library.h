#pragma once
// The standard functions of the script language that report templates and
// formulas use: conversions, strings, arithmetic, dates. Interactive ones
// (InputBox, ShowMessage) do nothing in a report run: InputBox gives its
// default.

namespace velta::script {

class Script;

void registerStandardLibrary(Script& script);

} // namespace velta::script
