#pragma once
// The syntax tree of the script language, shared by the parser and the
// interpreter. Names are kept lower-cased (the language ignores case) beside
// the text as written, for messages.

#include "script/value.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace velta::script::ast {

enum class Op {
    None,
    Add,
    Sub,
    Mul,
    Div,    // "/": always a float
    IntDiv, // div
    Mod,
    And,
    Or,
    Xor,
    Shl,
    Shr,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    In,
    Neg,
    Not,
    Plus,
};

enum class ExprKind {
    Literal,
    Name,       // name
    FieldRef,   // <Dataset."Field"> (name = dataset, text = field) or <Variable> (text only)
    Unary,      // op, children[0]
    Binary,     // op, children[0], children[1]
    CallName,   // name(children...)
    CallMember, // children[0].name(children[1...])
    Member,     // children[0].name
    Index,      // children[0][children[1...]]
    Set,        // [children...]
    Range,      // children[0]..children[1], only inside sets and case labels
};

struct Expr {
    ExprKind kind = ExprKind::Literal;
    Op op = Op::None;
    int pos = 0;
    int depth = 1;
    Value literal;
    QString name; // lower-cased
    QString text; // as written
    std::vector<std::unique_ptr<Expr>> children;
};
using ExprPtr = std::unique_ptr<Expr>;

struct TypeSpec {
    QString name; // lower-cased; empty for an array
    bool isArray = false;
    bool isStatic = false;
    qint64 low = 0;
    qint64 high = -1;
    std::shared_ptr<TypeSpec> element;
};

struct VarDecl {
    QString name; // lower-cased
    QString text;
    TypeSpec type;
    ExprPtr init;
    int pos = 0;
};

enum class StmtKind {
    Block,
    Assign,     // exprs[0] := exprs[1]
    Call,       // exprs[0]
    If,         // exprs[0], stmts[0], stmts[1] (may be null)
    While,      // exprs[0], stmts[0]
    Repeat,     // stmts..., exprs[0]
    For,        // name := exprs[0] to/downto exprs[1] do stmts[0]; flag = downto
    Case,       // exprs[0] of branches, stmts[0] = else (may be null)
    With,       // exprs... do stmts[0]
    TryExcept,  // stmts[0] except handlers, stmts[1] (the plain or "else" part, may be null)
    TryFinally, // stmts[0] finally stmts[1]
    Exit,
    Break,
    Continue,
    Raise, // exprs[0] optional
    Empty,
};

struct Stmt;
struct CaseBranch {
    std::vector<ExprPtr> labels; // values or ranges
    std::unique_ptr<Stmt> body;
};

// on E: EZeroDivide do ... of an except part; variable empty when not named.
struct ExceptHandler {
    QString variable; // lower-cased
    QString type;     // lower-cased
    QString typeText;
    std::unique_ptr<Stmt> body;
};

struct Stmt {
    StmtKind kind = StmtKind::Empty;
    int pos = 0;
    bool flag = false;
    QString name;
    std::vector<ExprPtr> exprs;
    std::vector<std::unique_ptr<Stmt>> stmts;
    std::vector<CaseBranch> branches;
    std::vector<ExceptHandler> handlers;
};
using StmtPtr = std::unique_ptr<Stmt>;

struct Param {
    QString name; // lower-cased
    QString text;
    QString type; // lower-cased, may be empty
    bool isVar = false;
    ExprPtr defaultValue;
};

struct Routine {
    QString name; // lower-cased
    QString text;
    int pos = 0;
    std::vector<Param> params;
    QString resultType; // empty for a procedure
    bool isFunction = false;
    std::vector<VarDecl> locals;
    std::vector<std::pair<QString, ExprPtr>> constants;
    StmtPtr body;
    // Slots of a call frame: parameters, then Result (functions), then locals.
    QHash<QString, int> slotOf;
    int resultSlot = -1;
    int slotCount = 0;
};

struct Program {
    std::vector<VarDecl> globals;
    std::vector<std::pair<QString, ExprPtr>> constants;
    std::vector<std::shared_ptr<Routine>> routines;
    StmtPtr main; // may be null
};

// Parses a whole script: [program X;] [uses ...;] declarations [begin ... end.]
std::shared_ptr<Program> parseProgram(const QString& source);
// Parses one expression (a formula, a report expression).
ExprPtr parseExpression(const QString& source);

} // namespace velta::script::ast
