#pragma once
// A host function as the template writer sees it in the designer's function
// list: its declaration text, parsed for the parameter names and types and
// the result type, and the help text after "//".

#include "script/value.h"

#include <QString>

#include <vector>

namespace velta::script {

struct FunctionParameter {
    QString name; // as written
    QString type; // as written, "" when not given
    bool isVar = false;
    bool hasDefault = false;
    Value defaultValue;
};

struct FunctionDeclaration {
    QString text; // the whole declaration as registered
    QString name; // as written: "SumWrite"
    bool isFunction = false;
    std::vector<FunctionParameter> parameters;
    QString resultType; // "" for a procedure
    QString help;       // the text after "//", trimmed

    // The parameters without a default value.
    int requiredCount() const;

    // "Function SumWrite( Summ: Extended; ShowCent: Boolean): String //Возвращает сумму прописью".
    // Throws ScriptError for a text that is not a declaration.
    static FunctionDeclaration parse(const QString& text);
};

} // namespace velta::script
