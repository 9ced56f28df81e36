#pragma once
// One script of the language with everything the host gives it: variables,
// constants, types, objects with properties and methods, functions registered
// by declaration text, and a resolver for field references <Dataset."Field">
// and <Variable>. The same class runs a report template's program (global
// variables, procedures bound to events, the main block), evaluates report
// expressions in that program's context, and evaluates calculation formulas.
//
// Every fault is a ScriptError with the place in the source. Safety bounds
// (steps, call depth, nesting, string and array sizes) keep any text from
// hanging or crashing the program.

#include "script/function_declaration.h"
#include "script/script_error.h"
#include "script/script_object.h"
#include "script/value.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace velta::script {

namespace ast {
struct Expr;
struct Program;
struct Routine;
struct Stmt;
struct VarDecl;
struct TypeSpec;
} // namespace ast

struct Limits {
    qint64 maxSteps = 10'000'000; // statements and loop turns of one run or call
    int maxCallDepth = 256;       // nested calls of script routines
    int maxNesting = 2500;        // nested evaluation inside the interpreter
    int maxStringLength = 16 * 1024 * 1024;
    qint64 maxArrayLength = 10'000'000;
};

enum class TypeKind { Integer, Float, Date, Boolean, Char, String, Variant, Array, Constructor, Class };

class Script;
// One handler may serve many functions: it gets the function's name in
// capital letters, as declared, and the actual arguments. Arguments of var
// parameters may be changed; they are written back to the caller.
using FunctionHandler = std::function<Value(Script& script, const QString& name, std::vector<Value>& args)>;

struct HostFunction {
    FunctionDeclaration declaration;
    QString upperName; // the name handed to the handler
    QString category;
    QString description;
    FunctionHandler handler;
};

// Answers <dataset."field"> (dataset given) and <name> (dataset empty).
// Returns false when it does not know the name.
using FieldResolver = std::function<bool(const QString& dataset, const QString& field, Value& result)>;

// A compiled expression, kept by a host that evaluates the same text often.
class CompiledExpression {
public:
    CompiledExpression() = default;
    const QString& source() const { return m_source; }
    bool isValid() const { return static_cast<bool>(m_expr); }

private:
    friend class Script;
    QString m_source;
    std::shared_ptr<const ast::Expr> m_expr;
};

class Script {
public:
    Script();
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    Limits& limits() { return m_limits; }

    // ---- what the host registers ----
    void addType(const QString& name, TypeKind kind);
    bool hasType(const QString& name) const;
    void addConstant(const QString& name, const Value& value, const QString& typeName = QString());
    // Declares a variable of the given type, or replaces its value.
    void addVariable(const QString& name, const QString& typeName, const Value& value);
    // The report's "set variable": an existing variable gets the value, an
    // unknown name becomes a new variable of the type "String".
    void setVariable(const QString& name, const Value& value);
    bool hasVariable(const QString& name) const;
    Value variable(const QString& name) const; // Null when unknown
    QString variableType(const QString& name) const;
    void addObject(const QString& name, std::shared_ptr<ScriptObject> object);
    void removeObject(const QString& name);
    // Registers a function by its declaration text; throws ScriptError when
    // the text is not a declaration. A later registration of the same name
    // replaces the earlier one.
    void addFunction(const QString& declaration, const QString& category, FunctionHandler handler,
                     const QString& description = QString());
    const HostFunction* function(const QString& name) const;
    // Names of the registered functions of a category, in registration order.
    QStringList functionNames(const QString& category) const;
    void setFieldResolver(FieldResolver resolver) { m_resolver = std::move(resolver); }

    // ---- a template's program ----
    // Compiles the program and declares its global variables (with their
    // initial values) and constants. Throws ScriptError; nothing changes then.
    void load(const QString& source);
    const QString& source() const { return m_source; }
    // Runs the main block (begin ... end.), when there is one.
    void run();
    bool hasRoutine(const QString& name) const;
    // Calls a procedure or function of the program by name, as the report
    // engine calls event handlers: MasterData1OnBeforePrint(Sender). Values of
    // var parameters are written back into args.
    Value call(const QString& name, std::vector<Value>& args);
    Value call(const QString& name, std::initializer_list<Value> args = {});

    // ---- expressions ----
    CompiledExpression compile(const QString& expression) const;
    // In the context of the loaded program: its globals, routines and the host's names.
    Value evaluate(const CompiledExpression& expression);
    // Compiles (cached by text) and evaluates.
    Value evaluate(const QString& expression);

    // Work of a host function that grows with count (items of an array
    // SetLength makes) counts against the step bound like that many
    // statements; throws the bound's ScriptError when it is passed.
    void chargeSteps(qint64 count);

    // The message of the error an except block is handling.
    const QString& lastExceptionMessage() const { return m_lastException; }

    struct Frame;

private:
    struct Variable {
        Value value;
        QString type;
    };
    struct TypeInfo {
        QString name;
        TypeKind kind;
    };
    enum class Flow { Normal, Exit, Break, Continue };

    Value run(const ast::Expr& e, const QString& source);
    Value eval(const ast::Expr& e);
    Value evalName(const ast::Expr& e);
    Value evalCall(const ast::Expr& e);
    Value evalMember(const ast::Expr& e);
    Value evalIndex(const ast::Expr& e);
    Value evalField(const ast::Expr& e);
    Value evalSet(const ast::Expr& e);
    Flow exec(const ast::Stmt& s);
    Flow execBlock(const std::vector<std::unique_ptr<ast::Stmt>>& stmts);
    void assign(const ast::Expr& target, const Value& value);
    Value callRoutine(const ast::Routine& r, std::vector<Value>& args, int pos);
    Value callHost(const HostFunction& f, std::vector<Value>& args, int pos);
    void evalArgs(const ast::Expr& call, size_t first, std::vector<Value>& args);
    void writeBack(const ast::Expr& call, size_t first, const std::vector<Value>& args,
                   const std::vector<bool>& isVar);
    Value initialValue(const ast::TypeSpec& type);
    Value typecast(const TypeInfo& type, const Value& v, int pos);
    void step(int pos);
    Value* findSlot(const QString& name);
    Value readConstant(const QString& name, bool& found);

    Limits m_limits;
    QHash<QString, TypeInfo> m_types;
    QHash<QString, Value> m_constants;
    QHash<QString, Variable> m_variables;
    QHash<QString, std::shared_ptr<ScriptObject>> m_objects;
    QHash<QString, HostFunction> m_functions;
    QStringList m_functionOrder;
    FieldResolver m_resolver;

    QString m_source;
    std::shared_ptr<ast::Program> m_program;
    QHash<QString, std::shared_ptr<ast::Routine>> m_routines;
    QHash<QString, std::shared_ptr<const ast::Expr>> m_programConstants;
    mutable QHash<QString, std::shared_ptr<const ast::Expr>> m_expressionCache;

    std::vector<Frame*> m_frames;
    qint64 m_steps = 0;
    int m_callDepth = 0;
    int m_nesting = 0;
    int m_runDepth = 0;
    QString m_lastException;
    QString m_lastExceptionClass;
};

} // namespace velta::script
