#include "script/script.h"

#include "script/ast.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velta::script {

using ast::Expr;
using ast::ExprKind;
using ast::Op;
using ast::Stmt;
using ast::StmtKind;

struct Script::Frame {
    const ast::Routine* routine = nullptr;
    std::vector<Value> values;
    std::vector<std::shared_ptr<ScriptObject>> with;
    // The exception variables of the handlers running now (on E: ... do).
    std::vector<std::pair<QString, Value>> bound;
};

namespace {

// The exception an except handler names (on E: Exception do ... E.Message),
// and what Exception.Create('...') makes for a raise.
class ExceptionObject : public ScriptObject {
public:
    ExceptionObject(QString className, QString message)
        : m_className(std::move(className)), m_message(std::move(message)) {}
    QString className() const override { return m_className; }
    const QString& message() const { return m_message; }
    bool getProperty(const QString& name, Value& result) override {
        if (name.compare(QLatin1String("Message"), Qt::CaseInsensitive) == 0) {
            result = Value(m_message);
            return true;
        }
        if (name.compare(QLatin1String("ClassName"), Qt::CaseInsensitive) == 0) {
            result = Value(m_className);
            return true;
        }
        return false;
    }
    bool setProperty(const QString& name, const Value& value) override {
        if (name.compare(QLatin1String("Message"), Qt::CaseInsensitive) != 0)
            return false;
        m_message = value.toString();
        return true;
    }

private:
    QString m_className;
    QString m_message;
};

// The exception classes a script may name, each with its parent; lower-cased
// name -> (name as written, parent).
const QHash<QString, std::pair<QString, QString>>& exceptionClasses() {
    static const QHash<QString, std::pair<QString, QString>> classes = [] {
        QHash<QString, std::pair<QString, QString>> c;
        const char* const table[][2] = {
            {"Exception", ""},           {"EMathError", "Exception"},  {"EZeroDivide", "EMathError"},
            {"EOverflow", "EMathError"}, {"EInvalidOp", "EMathError"}, {"EIntError", "Exception"},
            {"EDivByZero", "EIntError"}, {"ERangeError", "EIntError"}, {"EConvertError", "Exception"},
        };
        for (const auto& row : table)
            c.insert(QString::fromLatin1(row[0]).toLower(),
                     {QString::fromLatin1(row[0]), QString::fromLatin1(row[1])});
        return c;
    }();
    return classes;
}

// Whether an error of class errorClass is caught by a handler of handlerType.
bool handles(const QString& handlerType, const QString& errorClass) {
    const auto& classes = exceptionClasses();
    QString c = errorClass.toLower();
    for (int guard = 0; !c.isEmpty() && guard < 16; ++guard) {
        if (c == handlerType)
            return true;
        auto it = classes.constFind(c);
        if (it == classes.constEnd())
            return handlerType == QLatin1String("exception"); // a class of its own is still an Exception
        c = it->second.toLower();
    }
    return false;
}

const QString kTooLong = QStringLiteral("Сценарій звіту виконується надто довго");
const QString kTooDeep = QStringLiteral("Надто глибока рекурсія у сценарії звіту");

ScriptError limitError(const QString& message, int pos = -1) {
    return ScriptError(message, pos, ScriptError::Kind::Limit);
}

QString opText(Op op) {
    switch (op) {
    case Op::Add:
    case Op::Plus:
        return QStringLiteral("+");
    case Op::Sub:
    case Op::Neg:
        return QStringLiteral("-");
    case Op::Mul:
        return QStringLiteral("*");
    case Op::Div:
        return QStringLiteral("/");
    case Op::IntDiv:
        return QStringLiteral("div");
    case Op::Mod:
        return QStringLiteral("mod");
    case Op::And:
        return QStringLiteral("and");
    case Op::Or:
        return QStringLiteral("or");
    case Op::Xor:
        return QStringLiteral("xor");
    case Op::Shl:
        return QStringLiteral("shl");
    case Op::Shr:
        return QStringLiteral("shr");
    case Op::Eq:
        return QStringLiteral("=");
    case Op::Ne:
        return QStringLiteral("<>");
    case Op::Lt:
        return QStringLiteral("<");
    case Op::Gt:
        return QStringLiteral(">");
    case Op::Le:
        return QStringLiteral("<=");
    case Op::Ge:
        return QStringLiteral(">=");
    case Op::In:
        return QStringLiteral("in");
    case Op::Not:
        return QStringLiteral("not");
    case Op::None:
        break;
    }
    return QString();
}

[[noreturn]] void badOperands(Op op, const Value& a, const Value& b) {
    throw ScriptError(
        QStringLiteral("Операція «%1» неможлива для %2 і %3").arg(opText(op), a.kindName(), b.kindName()));
}

[[noreturn]] void badOperand(Op op, const Value& a) {
    throw ScriptError(QStringLiteral("Операція «%1» неможлива для %2").arg(opText(op), a.kindName()));
}

bool numeric(const Value& v, Value& out) {
    if (v.isNumber()) {
        out = v;
        return true;
    }
    if (v.isString())
        return Value::parseNumber(v.toString(), out);
    return false;
}

double checked(double d) {
    if (!std::isfinite(d))
        throw ScriptError::ofClass(QStringLiteral("Переповнення при обчисленні"),
                                   QStringLiteral("EOverflow"));
    return d;
}

Value concat(const QString& a, const QString& b, const Limits& limits) {
    if (static_cast<qint64>(a.size()) + b.size() > limits.maxStringLength)
        throw limitError(QStringLiteral("Рядок у сценарії звіту надто довгий"));
    return Value(a + b);
}

// Sign of a compared with b; false when the values have no order.
bool compare(const Value& a, const Value& b, int& result) {
    auto sign = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    const bool an = a.isNumber() || a.isBoolean();
    const bool bn = b.isNumber() || b.isBoolean();
    if (an && bn) {
        if ((a.isInteger() || a.isBoolean()) && (b.isInteger() || b.isBoolean()))
            result = sign(a.toInt(), b.toInt());
        else
            result = sign(a.toFloat(), b.toFloat());
        return true;
    }
    if (a.isString() && b.isString()) {
        const int c = a.toString().compare(b.toString());
        result = c < 0 ? -1 : (c > 0 ? 1 : 0);
        return true;
    }
    if ((a.isString() && bn) || (an && b.isString())) {
        Value x, y;
        if (numeric(a, x) && numeric(b, y))
            return compare(x, y, result);
        const int c = a.toString().compare(b.toString());
        result = c < 0 ? -1 : (c > 0 ? 1 : 0);
        return true;
    }
    if ((a.isObject() && b.isObject()) || (a.isArray() && b.isArray())) {
        result = a == b ? 0 : 1;
        return false;
    }
    return false;
}

bool equal(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if ((a.isObject() && b.isObject()) || (a.isArray() && b.isArray()))
        return a == b;
    int c = 0;
    return compare(a, b, c) && c == 0;
}

Value arithmetic(Op op, const Value& x, const Value& y) {
    const bool dates = x.isDate() || y.isDate();
    if (x.isInteger() && y.isInteger() && op != Op::Div) {
        const qint64 a = x.toInt();
        const qint64 b = y.toInt();
        qint64 r = 0;
        switch (op) {
        case Op::Add:
            if (!__builtin_add_overflow(a, b, &r))
                return Value(r);
            return Value(static_cast<double>(a) + static_cast<double>(b));
        case Op::Sub:
            if (!__builtin_sub_overflow(a, b, &r))
                return Value(r);
            return Value(static_cast<double>(a) - static_cast<double>(b));
        case Op::Mul:
            if (!__builtin_mul_overflow(a, b, &r))
                return Value(r);
            return Value(checked(static_cast<double>(a) * static_cast<double>(b)));
        default:
            break;
        }
    }
    if (op == Op::IntDiv || op == Op::Mod) {
        const qint64 a = x.toInt();
        const qint64 b = y.toInt();
        if (b == 0)
            throw ScriptError::ofClass(QStringLiteral("Ділення на нуль"), QStringLiteral("EDivByZero"));
        if (b == -1) // the one case where the quotient overflows
            return op == Op::Mod ? Value(qint64(0)) : Value(static_cast<qint64>(0 - static_cast<quint64>(a)));
        return op == Op::Mod ? Value(a % b) : Value(a / b);
    }
    const double a = x.toFloat();
    const double b = y.toFloat();
    switch (op) {
    case Op::Add:
        return dates ? Value::date(checked(a + b)) : Value(checked(a + b));
    case Op::Sub:
        if (x.isDate() && !y.isDate())
            return Value::date(checked(a - b));
        return Value(checked(a - b));
    case Op::Mul:
        return Value(checked(a * b));
    case Op::Div:
        if (b == 0.0)
            throw ScriptError::ofClass(QStringLiteral("Ділення на нуль"), QStringLiteral("EZeroDivide"));
        return Value(checked(a / b));
    default:
        break;
    }
    badOperands(op, x, y);
}

Value binaryOp(Op op, const Value& a, const Value& b, const Limits& limits) {
    switch (op) {
    case Op::Eq:
        return Value(equal(a, b));
    case Op::Ne:
        return Value(!equal(a, b));
    case Op::Lt:
    case Op::Gt:
    case Op::Le:
    case Op::Ge: {
        if (a.isNull() || b.isNull())
            return Value(false);
        int c = 0;
        if (!compare(a, b, c))
            badOperands(op, a, b);
        switch (op) {
        case Op::Lt:
            return Value(c < 0);
        case Op::Gt:
            return Value(c > 0);
        case Op::Le:
            return Value(c <= 0);
        default:
            return Value(c >= 0);
        }
    }
    case Op::In: {
        if (!b.isArray())
            badOperands(op, a, b);
        for (const Value& item : b.arrayPtr()->items)
            if (equal(a, item))
                return Value(true);
        return Value(false);
    }
    case Op::And:
    case Op::Or:
    case Op::Xor: {
        if (a.isNull() || b.isNull())
            return Value();
        if (a.isBoolean() && b.isBoolean()) {
            const bool x = a.toBool();
            const bool y = b.toBool();
            return Value(op == Op::And ? (x && y) : op == Op::Or ? (x || y) : (x != y));
        }
        if (!(a.isInteger() || a.isBoolean()) || !(b.isInteger() || b.isBoolean()))
            badOperands(op, a, b);
        const qint64 x = a.toInt();
        const qint64 y = b.toInt();
        return Value(op == Op::And ? (x & y) : op == Op::Or ? (x | y) : (x ^ y));
    }
    case Op::Shl:
    case Op::Shr: {
        if (a.isNull() || b.isNull())
            return Value();
        if (!a.isInteger() || !b.isInteger())
            badOperands(op, a, b);
        const quint64 x = static_cast<quint64>(a.toInt());
        const int n = static_cast<int>(b.toInt() & 63);
        return Value(static_cast<qint64>(op == Op::Shl ? (x << n) : (x >> n)));
    }
    default:
        break;
    }
    if (a.isNull() || b.isNull())
        return Value();
    if (op == Op::Add && (a.isString() || b.isString())) {
        if (a.isString() && b.isString())
            return concat(a.toString(), b.toString(), limits);
        if (a.isArray() || a.isObject() || b.isArray() || b.isObject())
            badOperands(op, a, b);
        Value x, y;
        if (numeric(a, x) && numeric(b, y))
            return arithmetic(op, x, y);
        // A text and a number that is no number: the templates mean the text.
        return concat(a.toString(), b.toString(), limits);
    }
    Value x, y;
    if (!numeric(a, x) || !numeric(b, y))
        badOperands(op, a, b);
    return arithmetic(op, x, y);
}

Value unaryOp(Op op, const Value& v) {
    if (v.isNull())
        return Value();
    if (op == Op::Not) {
        if (v.isBoolean())
            return Value(!v.toBool());
        if (v.isInteger())
            return Value(~v.toInt());
        badOperand(op, v);
    }
    Value n;
    if (!numeric(v, n))
        badOperand(op, v);
    if (op == Op::Plus)
        return n;
    if (n.isInteger()) {
        const qint64 i = n.toInt();
        if (i == std::numeric_limits<qint64>::min())
            return Value(-static_cast<double>(i));
        return Value(-i);
    }
    return Value(-n.toFloat());
}

bool isLValue(const Expr& e) {
    return e.kind == ExprKind::Name || e.kind == ExprKind::Member || e.kind == ExprKind::Index;
}

} // namespace

// ---- guards ----

namespace {
struct Nesting {
    Nesting(int& counter, int limit, int pos) : m_counter(counter) {
        if (++m_counter > limit) {
            --m_counter;
            throw limitError(kTooDeep, pos);
        }
    }
    ~Nesting() { --m_counter; }
    int& m_counter;
};

template <typename T> struct PushPop {
    PushPop(std::vector<T>& v, T item) : m_v(v) { m_v.push_back(std::move(item)); }
    ~PushPop() { m_v.pop_back(); }
    std::vector<T>& m_v;
};

struct Entry {
    Entry(int& runDepth, qint64& steps, int& calls, int& nesting) : m_runDepth(runDepth) {
        if (m_runDepth++ == 0) {
            steps = 0;
            calls = 0;
            nesting = 0;
        }
    }
    ~Entry() { --m_runDepth; }
    int& m_runDepth;
};
} // namespace

// ---- registration ----

Script::Script() {
    const std::pair<const char*, TypeKind> basic[] = {
        {"Byte", TypeKind::Integer},    {"Word", TypeKind::Integer},        {"Integer", TypeKind::Integer},
        {"Longint", TypeKind::Integer}, {"Cardinal", TypeKind::Integer},    {"TColor", TypeKind::Integer},
        {"Int64", TypeKind::Integer},   {"Boolean", TypeKind::Boolean},     {"Real", TypeKind::Float},
        {"Single", TypeKind::Float},    {"Double", TypeKind::Float},        {"Extended", TypeKind::Float},
        {"Currency", TypeKind::Float},  {"TDate", TypeKind::Date},          {"TTime", TypeKind::Date},
        {"TDateTime", TypeKind::Date},  {"Char", TypeKind::Char},           {"String", TypeKind::String},
        {"Variant", TypeKind::Variant}, {"Pointer", TypeKind::Variant},     {"Array", TypeKind::Array},
        {"TObject", TypeKind::Class},   {"TfrxComponent", TypeKind::Class},
    };
    for (const auto& [name, kind] : basic)
        addType(QLatin1String(name), kind);
    addConstant(QStringLiteral("True"), Value(true), QStringLiteral("Boolean"));
    addConstant(QStringLiteral("False"), Value(false), QStringLiteral("Boolean"));
    addConstant(QStringLiteral("nil"), Value(0), QStringLiteral("Variant"));
    addConstant(QStringLiteral("Null"), Value(), QStringLiteral("Variant"));
}

Script::~Script() = default;

void Script::addType(const QString& name, TypeKind kind) {
    m_types.insert(name.toLower(), TypeInfo{name, kind});
}

bool Script::hasType(const QString& name) const {
    return m_types.contains(name.toLower());
}

void Script::addConstant(const QString& name, const Value& value, const QString& typeName) {
    Q_UNUSED(typeName);
    m_constants.insert(name.toLower(), value);
}

void Script::addVariable(const QString& name, const QString& typeName, const Value& value) {
    m_variables.insert(name.toLower(), Variable{value, typeName});
}

void Script::setVariable(const QString& name, const Value& value) {
    auto it = m_variables.find(name.toLower());
    if (it != m_variables.end())
        it->value = value;
    else
        m_variables.insert(name.toLower(), Variable{value, QStringLiteral("String")});
}

bool Script::hasVariable(const QString& name) const {
    return m_variables.contains(name.toLower());
}

Value Script::variable(const QString& name) const {
    return m_variables.value(name.toLower()).value;
}

QString Script::variableType(const QString& name) const {
    return m_variables.value(name.toLower()).type;
}

void Script::addObject(const QString& name, std::shared_ptr<ScriptObject> object) {
    m_objects.insert(name.toLower(), std::move(object));
}

void Script::removeObject(const QString& name) {
    m_objects.remove(name.toLower());
}

void Script::addFunction(const QString& declaration, const QString& category, FunctionHandler handler,
                         const QString& description) {
    HostFunction f;
    f.declaration = FunctionDeclaration::parse(declaration);
    f.upperName = f.declaration.name.toUpper();
    f.category = category;
    f.description = description;
    f.handler = std::move(handler);
    const QString key = f.declaration.name.toLower();
    if (!m_functions.contains(key))
        m_functionOrder.append(key);
    m_functions.insert(key, std::move(f));
}

const HostFunction* Script::function(const QString& name) const {
    auto it = m_functions.constFind(name.toLower());
    return it == m_functions.constEnd() ? nullptr : &*it;
}

QStringList Script::functionNames(const QString& category) const {
    QStringList names;
    for (const QString& key : m_functionOrder) {
        const HostFunction& f = m_functions[key];
        if (f.category == category)
            names.append(f.declaration.name);
    }
    return names;
}

// ---- programs ----

void Script::load(const QString& source) {
    std::shared_ptr<ast::Program> program;
    try {
        program = ast::parseProgram(source);
    } catch (ScriptError& e) {
        e.locate(source);
        throw;
    }
    QHash<QString, std::shared_ptr<ast::Routine>> routines;
    for (const auto& r : program->routines) {
        if (routines.contains(r->name)) {
            ScriptError e(QStringLiteral("Повторне оголошення «%1»").arg(r->text), r->pos,
                          ScriptError::Kind::Syntax);
            e.locate(source);
            throw e;
        }
        routines.insert(r->name, r);
    }
    m_source = source;
    m_program = program;
    m_routines = std::move(routines);
    m_programConstants.clear();
    m_expressionCache.clear();
    for (const auto& [name, expr] : program->constants)
        m_programConstants.insert(name, std::shared_ptr<const Expr>(program, expr.get()));

    Entry entry(m_runDepth, m_steps, m_callDepth, m_nesting);
    Frame global;
    PushPop<Frame*> frame(m_frames, &global);
    try {
        for (const ast::VarDecl& v : program->globals) {
            const QString typeName = v.type.isArray ? QStringLiteral("Array") : v.type.name;
            m_variables.insert(v.name, Variable{v.init ? eval(*v.init) : initialValue(v.type), typeName});
        }
    } catch (ScriptError& e) {
        e.locate(source);
        throw;
    }
}

void Script::run() {
    if (!m_program || !m_program->main)
        return;
    Entry entry(m_runDepth, m_steps, m_callDepth, m_nesting);
    Frame global;
    PushPop<Frame*> frame(m_frames, &global);
    const auto program = m_program; // a handler may load another program while this one runs
    try {
        exec(*program->main);
    } catch (ScriptError& e) {
        e.locate(m_source);
        throw;
    }
}

bool Script::hasRoutine(const QString& name) const {
    return m_routines.contains(name.toLower());
}

Value Script::call(const QString& name, std::vector<Value>& args) {
    const auto r = m_routines.value(name.toLower());
    if (!r)
        throw ScriptError(QStringLiteral("Невідома процедура «%1»").arg(name));
    Entry entry(m_runDepth, m_steps, m_callDepth, m_nesting);
    return callRoutine(*r, args, r->pos);
}

Value Script::call(const QString& name, std::initializer_list<Value> args) {
    std::vector<Value> v(args);
    return call(name, v);
}

// ---- expressions ----

CompiledExpression Script::compile(const QString& expression) const {
    CompiledExpression c;
    c.m_source = expression;
    try {
        c.m_expr = std::shared_ptr<const Expr>(ast::parseExpression(expression));
    } catch (ScriptError& e) {
        e.locate(expression);
        throw;
    }
    return c;
}

Value Script::evaluate(const CompiledExpression& expression) {
    if (!expression.m_expr)
        throw ScriptError(QStringLiteral("Порожній вираз"));
    return run(*expression.m_expr, expression.m_source);
}

Value Script::evaluate(const QString& expression) {
    auto it = m_expressionCache.constFind(expression);
    std::shared_ptr<const Expr> expr;
    if (it != m_expressionCache.constEnd()) {
        expr = *it;
    } else {
        expr = compile(expression).m_expr;
        if (m_expressionCache.size() > 2000)
            m_expressionCache.clear();
        m_expressionCache.insert(expression, expr);
    }
    return run(*expr, expression);
}

Value Script::run(const Expr& e, const QString& source) {
    Entry entry(m_runDepth, m_steps, m_callDepth, m_nesting);
    Frame global;
    PushPop<Frame*> frame(m_frames, &global);
    try {
        return eval(e);
    } catch (ScriptError& err) {
        err.locate(source);
        throw;
    }
}

void Script::step(int pos) {
    if (++m_steps > m_limits.maxSteps)
        throw limitError(kTooLong, pos);
}

void Script::chargeSteps(qint64 count) {
    if (count <= 0)
        return;
    if (count > m_limits.maxSteps - m_steps) {
        m_steps = m_limits.maxSteps;
        throw limitError(kTooLong);
    }
    m_steps += count;
}

Value Script::eval(const Expr& e) {
    Nesting nesting(m_nesting, m_limits.maxNesting, e.pos);
    try {
        switch (e.kind) {
        case ExprKind::Literal:
            return e.literal;
        case ExprKind::Name:
            return evalName(e);
        case ExprKind::FieldRef:
            return evalField(e);
        case ExprKind::Unary:
            return unaryOp(e.op, eval(*e.children[0]));
        case ExprKind::Binary: {
            if (e.op == Op::And || e.op == Op::Or) {
                // Boolean and/or stop as soon as the answer is known, so that
                // "(n <> 0) and (x / n > 1)" is safe.
                const Value left = eval(*e.children[0]);
                if (left.isBoolean()) {
                    if (e.op == Op::And && !left.toBool())
                        return Value(false);
                    if (e.op == Op::Or && left.toBool())
                        return Value(true);
                }
                return binaryOp(e.op, left, eval(*e.children[1]), m_limits);
            }
            const Value left = eval(*e.children[0]);
            return binaryOp(e.op, left, eval(*e.children[1]), m_limits);
        }
        case ExprKind::CallName:
        case ExprKind::CallMember:
            return evalCall(e);
        case ExprKind::Member:
            return evalMember(e);
        case ExprKind::Index:
            return evalIndex(e);
        case ExprKind::Set:
            return evalSet(e);
        case ExprKind::Range:
            throw ScriptError(QStringLiteral("Діапазон можливий лише у множині"));
        }
    } catch (ScriptError& err) {
        err.setOffsetIfUnknown(e.pos);
        throw;
    }
    return Value();
}

Value* Script::findSlot(const QString& name) {
    Frame& f = *m_frames.back();
    for (auto it = f.bound.rbegin(); it != f.bound.rend(); ++it)
        if (it->first == name)
            return &it->second;
    if (f.routine) {
        auto it = f.routine->slotOf.constFind(name);
        if (it != f.routine->slotOf.constEnd())
            return &f.values[*it];
    }
    auto v = m_variables.find(name);
    if (v != m_variables.end())
        return &v->value;
    return nullptr;
}

Value Script::readConstant(const QString& name, bool& found) {
    found = true;
    Frame& f = *m_frames.back();
    if (f.routine) {
        for (const auto& [cname, expr] : f.routine->constants)
            if (cname == name)
                return eval(*expr);
    }
    auto p = m_programConstants.constFind(name);
    if (p != m_programConstants.constEnd()) {
        const auto keep = *p;
        return eval(*keep);
    }
    auto c = m_constants.constFind(name);
    if (c != m_constants.constEnd())
        return *c;
    found = false;
    return Value();
}

Value Script::evalName(const Expr& e) {
    Frame& f = *m_frames.back();
    for (auto it = f.with.rbegin(); it != f.with.rend(); ++it) {
        Value v;
        const auto keep = *it;
        if (keep->getProperty(e.text, v))
            return v;
        std::vector<Value> none;
        if (keep->callMethod(e.text, none, v))
            return v;
    }
    if (Value* slot = findSlot(e.name))
        return *slot;
    bool found = false;
    Value c = readConstant(e.name, found);
    if (found)
        return c;
    auto o = m_objects.constFind(e.name);
    if (o != m_objects.constEnd())
        return Value(*o);
    if (const auto r = m_routines.value(e.name)) {
        std::vector<Value> none;
        return callRoutine(*r, none, e.pos);
    }
    auto fn = m_functions.constFind(e.name);
    if (fn != m_functions.constEnd()) {
        std::vector<Value> none;
        const HostFunction function = *fn;
        return callHost(function, none, e.pos);
    }
    if (m_resolver) {
        Value v;
        if (m_resolver(QString(), e.text, v))
            return v;
    }
    throw ScriptError(QStringLiteral("Невідомий ідентифікатор «%1»").arg(e.text), e.pos);
}

Value Script::evalField(const Expr& e) {
    if (m_resolver) {
        Value v;
        if (m_resolver(e.name, e.text, v))
            return v;
    }
    if (e.name.isEmpty()) {
        auto v = m_variables.constFind(e.text.toLower());
        if (v != m_variables.constEnd())
            return v->value;
        throw ScriptError(QStringLiteral("Невідома змінна «%1»").arg(e.text), e.pos);
    }
    throw ScriptError(QStringLiteral("Невідоме поле «%1.\"%2\"»").arg(e.name, e.text), e.pos);
}

Value Script::evalSet(const Expr& e) {
    std::vector<Value> items;
    for (const auto& child : e.children) {
        if (child->kind == ExprKind::Range) {
            const qint64 lo = eval(*child->children[0]).toInt();
            const qint64 hi = eval(*child->children[1]).toInt();
            if (hi >= lo && hi - lo >= 65536)
                throw ScriptError(QStringLiteral("Діапазон множини надто великий"), child->pos);
            for (qint64 i = lo; i <= hi; ++i)
                items.emplace_back(i);
        } else {
            items.push_back(eval(*child));
        }
    }
    return Value::array(std::move(items));
}

void Script::evalArgs(const Expr& call, size_t first, std::vector<Value>& args) {
    args.reserve(call.children.size() - first);
    for (size_t i = first; i < call.children.size(); ++i)
        args.push_back(eval(*call.children[i]));
}

void Script::writeBack(const Expr& call, size_t first, const std::vector<Value>& args,
                       const std::vector<bool>& isVar) {
    for (size_t i = 0; i < isVar.size() && first + i < call.children.size() && i < args.size(); ++i) {
        if (isVar[i] && isLValue(*call.children[first + i]))
            assign(*call.children[first + i], args[i]);
    }
}

Value Script::evalCall(const Expr& e) {
    if (e.kind == ExprKind::CallMember) {
        const Expr& target = *e.children[0];
        if (target.kind == ExprKind::Name && e.name == QLatin1String("create") && !findSlot(target.name) &&
            !m_objects.contains(target.name)) {
            // Exception.Create('text') and the like, for raise.
            auto cls = exceptionClasses().constFind(target.name);
            if (cls != exceptionClasses().constEnd()) {
                std::vector<Value> args;
                evalArgs(e, 1, args);
                return Value(std::make_shared<ExceptionObject>(
                    cls->first, args.empty() ? QString() : args[0].toString()));
            }
        }
        const Value base = eval(target);
        std::vector<Value> args;
        evalArgs(e, 1, args);
        if (base.isObject()) {
            Value result;
            const auto object = base.object();
            if (object->callMethod(e.text, args, result))
                return result;
            throw ScriptError(QStringLiteral("Об'єкт %1 не має методу «%2»").arg(object->className(), e.text),
                              e.pos);
        }
        throw ScriptError(QStringLiteral("Метод «%1» можливий лише в об'єкта").arg(e.text), e.pos);
    }

    const auto routine = m_routines.value(e.name);
    if (!routine && e.name == QLatin1String("iif")) {
        // Only the branch chosen is evaluated, as templates expect of IIF.
        if (e.children.size() != 3)
            throw ScriptError(QStringLiteral("IIF потребує трьох параметрів"), e.pos);
        return eval(*e.children[0]).toBool() ? eval(*e.children[1]) : eval(*e.children[2]);
    }
    std::vector<Value> args;
    evalArgs(e, 0, args);

    Frame& f = *m_frames.back();
    for (auto it = f.with.rbegin(); it != f.with.rend(); ++it) {
        Value result;
        const auto keep = *it;
        if (keep->callMethod(e.text, args, result))
            return result;
    }
    if (routine) {
        Value result = callRoutine(*routine, args, e.pos);
        std::vector<bool> isVar;
        for (const auto& p : routine->params)
            isVar.push_back(p.isVar);
        writeBack(e, 0, args, isVar);
        return result;
    }
    auto fn = m_functions.constFind(e.name);
    if (fn != m_functions.constEnd()) {
        const HostFunction function = *fn; // the handler may register functions
        Value result = callHost(function, args, e.pos);
        std::vector<bool> isVar;
        for (const auto& p : function.declaration.parameters)
            isVar.push_back(p.isVar);
        writeBack(e, 0, args, isVar);
        return result;
    }
    auto type = m_types.constFind(e.name);
    if (type != m_types.constEnd()) {
        if (args.size() != 1)
            throw ScriptError(
                QStringLiteral("Приведення до типу %1 потребує одного параметра").arg(type->name), e.pos);
        return typecast(*type, args[0], e.pos);
    }
    throw ScriptError(QStringLiteral("Невідома функція «%1»").arg(e.text), e.pos);
}

Value Script::evalMember(const Expr& e) {
    const Value base = eval(*e.children[0]);
    if (!base.isObject())
        throw ScriptError(QStringLiteral("Властивість «%1» можлива лише в об'єкта").arg(e.text), e.pos);
    const auto object = base.object();
    Value v;
    if (object->getProperty(e.text, v))
        return v;
    std::vector<Value> none;
    if (object->callMethod(e.text, none, v))
        return v;
    throw ScriptError(QStringLiteral("Об'єкт %1 не має властивості «%2»").arg(object->className(), e.text),
                      e.pos);
}

namespace {
Value indexValue(const Value& base, const Value& index, int pos) {
    if (base.isArray()) {
        const auto& a = *base.arrayPtr();
        const qint64 i = index.toInt() - a.low;
        if (i < 0 || i >= static_cast<qint64>(a.items.size()))
            throw ScriptError(QStringLiteral("Індекс %1 за межами масиву").arg(index.toInt()), pos);
        return a.items[static_cast<size_t>(i)];
    }
    if (base.isString()) {
        const QString s = base.toString();
        const qint64 i = index.toInt();
        if (i < 1 || i > s.size())
            throw ScriptError(QStringLiteral("Індекс %1 за межами рядка").arg(i), pos);
        return Value(QString(s.at(static_cast<int>(i - 1))));
    }
    throw ScriptError(QStringLiteral("Значення %1 не має індексів").arg(base.kindName()), pos);
}
} // namespace

Value Script::evalIndex(const Expr& e) {
    Value base = eval(*e.children[0]);
    std::vector<Value> indices;
    evalArgs(e, 1, indices);
    if (base.isObject()) {
        Value v;
        const auto object = base.object();
        if (object->getIndexed(indices, v))
            return v;
        throw ScriptError(QStringLiteral("Об'єкт %1 не має індексів").arg(object->className()), e.pos);
    }
    for (const Value& index : indices)
        base = indexValue(base, index, e.pos);
    return base;
}

Value Script::typecast(const TypeInfo& type, const Value& v, int pos) {
    Q_UNUSED(pos);
    switch (type.kind) {
    case TypeKind::Integer:
        return Value(v.toInt());
    case TypeKind::Float:
        return Value(v.toFloat());
    case TypeKind::Date:
        return Value::date(v.toFloat());
    case TypeKind::Boolean:
        return Value(v.toBool());
    case TypeKind::String:
        return Value(v.toString());
    case TypeKind::Char:
        if (v.isInteger()) {
            const qint64 code = v.toInt();
            if (code < 0 || code > 0xFFFF)
                throw ScriptError(QStringLiteral("Код символу %1 неможливий").arg(code));
            return Value(QString(QChar(static_cast<char16_t>(code))));
        }
        return Value(v.toString().left(1));
    default:
        return v;
    }
}

Value Script::initialValue(const ast::TypeSpec& type) {
    if (type.isArray) {
        auto a = std::make_shared<ValueArray>();
        if (type.element)
            a->defaultItem = std::make_shared<Value>(initialValue(*type.element));
        if (type.isStatic) {
            // A local array is made again at every call: its items are work
            // like statements, so a loop over such calls meets the step bound.
            chargeSteps(type.high - type.low + 1);
            a->low = static_cast<int>(type.low);
            for (qint64 i = type.low; i <= type.high; ++i)
                a->items.push_back(type.element ? initialValue(*type.element) : Value());
        }
        return Value(a);
    }
    auto t = m_types.constFind(type.name);
    if (t == m_types.constEnd())
        return Value();
    switch (t->kind) {
    case TypeKind::Integer:
        return Value(qint64(0));
    case TypeKind::Float:
        return Value(0.0);
    case TypeKind::Date:
        return Value::date(0.0);
    case TypeKind::Boolean:
        return Value(false);
    case TypeKind::Char:
    case TypeKind::String:
        return Value(QString());
    case TypeKind::Array:
        return Value::array({});
    default:
        return Value();
    }
}

Value Script::callRoutine(const ast::Routine& r, std::vector<Value>& args, int pos) {
    if (m_callDepth >= m_limits.maxCallDepth)
        throw limitError(kTooDeep, pos);
    struct Depth {
        explicit Depth(int& d) : m_d(d) { ++m_d; }
        ~Depth() { --m_d; }
        int& m_d;
    } depth(m_callDepth);
    if (args.size() > r.params.size())
        throw ScriptError(QStringLiteral("Забагато параметрів у виклику «%1»").arg(r.text), pos);

    Frame frame;
    frame.routine = &r;
    frame.values.resize(static_cast<size_t>(r.slotCount));
    try {
        PushPop<Frame*> push(m_frames, &frame);
        for (size_t i = 0; i < r.params.size(); ++i) {
            if (i < args.size())
                frame.values[i] = args[i];
            else if (r.params[i].defaultValue)
                frame.values[i] = eval(*r.params[i].defaultValue);
            else
                throw ScriptError(QStringLiteral("Замало параметрів у виклику «%1»").arg(r.text), pos);
        }
        if (r.resultSlot >= 0) {
            ast::TypeSpec t;
            t.name = r.resultType;
            frame.values[static_cast<size_t>(r.resultSlot)] = initialValue(t);
        }
        for (const ast::VarDecl& v : r.locals) {
            const int slot = r.slotOf.value(v.name);
            frame.values[static_cast<size_t>(slot)] = v.init ? eval(*v.init) : initialValue(v.type);
        }
        exec(*r.body);
    } catch (ScriptError& e) {
        e.locate(m_source);
        throw;
    }
    for (size_t i = 0; i < r.params.size() && i < args.size(); ++i)
        if (r.params[i].isVar)
            args[i] = frame.values[i];
    return r.resultSlot >= 0 ? frame.values[static_cast<size_t>(r.resultSlot)] : Value();
}

Value Script::callHost(const HostFunction& f, std::vector<Value>& args, int pos) {
    const FunctionDeclaration& d = f.declaration;
    if (static_cast<int>(args.size()) < d.requiredCount())
        throw ScriptError(QStringLiteral("Замало параметрів у виклику «%1»").arg(d.name), pos);
    if (args.size() > d.parameters.size())
        throw ScriptError(QStringLiteral("Забагато параметрів у виклику «%1»").arg(d.name), pos);
    for (size_t i = args.size(); i < d.parameters.size(); ++i)
        args.push_back(d.parameters[i].defaultValue);
    Value result = f.handler(*this, f.upperName, args);
    return d.isFunction ? result : Value();
}

// ---- statements ----

void Script::assign(const Expr& target, const Value& value) {
    switch (target.kind) {
    case ExprKind::Name: {
        Frame& f = *m_frames.back();
        for (auto it = f.with.rbegin(); it != f.with.rend(); ++it) {
            const auto keep = *it;
            if (keep->setProperty(target.text, value))
                return;
        }
        if (Value* slot = findSlot(target.name)) {
            *slot = value;
            return;
        }
        throw ScriptError(QStringLiteral("Невідома змінна «%1»").arg(target.text), target.pos);
    }
    case ExprKind::Member: {
        const Value base = eval(*target.children[0]);
        if (!base.isObject())
            throw ScriptError(QStringLiteral("Властивість «%1» можлива лише в об'єкта").arg(target.text),
                              target.pos);
        const auto object = base.object();
        if (!object->setProperty(target.text, value))
            throw ScriptError(
                QStringLiteral("Об'єкт %1 не має властивості «%2»").arg(object->className(), target.text),
                target.pos);
        return;
    }
    case ExprKind::Index: {
        Value base = eval(*target.children[0]);
        std::vector<Value> indices;
        evalArgs(target, 1, indices);
        if (base.isObject()) {
            const auto object = base.object();
            if (!object->setIndexed(indices, value))
                throw ScriptError(QStringLiteral("Об'єкт %1 не має індексів").arg(object->className()),
                                  target.pos);
            return;
        }
        for (size_t i = 0; i + 1 < indices.size(); ++i)
            base = indexValue(base, indices[i], target.pos);
        const Value& last = indices.back();
        if (base.isArray()) {
            auto& a = *base.arrayPtr();
            const qint64 i = last.toInt() - a.low;
            if (i < 0 || i >= static_cast<qint64>(a.items.size()))
                throw ScriptError(QStringLiteral("Індекс %1 за межами масиву").arg(last.toInt()), target.pos);
            a.items[static_cast<size_t>(i)] = value;
            return;
        }
        if (base.isString() && indices.size() == 1) {
            QString s = base.toString();
            const qint64 i = last.toInt();
            if (i < 1 || i > s.size())
                throw ScriptError(QStringLiteral("Індекс %1 за межами рядка").arg(i), target.pos);
            const QString c = value.toString();
            s[static_cast<int>(i - 1)] = c.isEmpty() ? QChar(' ') : c.at(0);
            assign(*target.children[0], Value(s));
            return;
        }
        throw ScriptError(QStringLiteral("Значення %1 не має індексів").arg(base.kindName()), target.pos);
    }
    default:
        throw ScriptError(QStringLiteral("Присвоїти можна лише змінній або властивості"), target.pos);
    }
}

Script::Flow Script::execBlock(const std::vector<std::unique_ptr<Stmt>>& stmts) {
    for (const auto& s : stmts) {
        const Flow flow = exec(*s);
        if (flow != Flow::Normal)
            return flow;
    }
    return Flow::Normal;
}

Script::Flow Script::exec(const Stmt& s) {
    Nesting nesting(m_nesting, m_limits.maxNesting, s.pos);
    step(s.pos);
    try {
        switch (s.kind) {
        case StmtKind::Block:
            return execBlock(s.stmts);
        case StmtKind::Assign:
            assign(*s.exprs[0], eval(*s.exprs[1]));
            return Flow::Normal;
        case StmtKind::Call:
            eval(*s.exprs[0]);
            return Flow::Normal;
        case StmtKind::If:
            if (eval(*s.exprs[0]).toBool())
                return exec(*s.stmts[0]);
            if (s.stmts[1])
                return exec(*s.stmts[1]);
            return Flow::Normal;
        case StmtKind::While:
            while (eval(*s.exprs[0]).toBool()) {
                step(s.pos);
                const Flow flow = exec(*s.stmts[0]);
                if (flow == Flow::Break)
                    break;
                if (flow == Flow::Exit)
                    return flow;
            }
            return Flow::Normal;
        case StmtKind::Repeat:
            for (;;) {
                step(s.pos);
                const Flow flow = execBlock(s.stmts);
                if (flow == Flow::Break)
                    break;
                if (flow == Flow::Exit)
                    return flow;
                if (eval(*s.exprs[0]).toBool())
                    break;
            }
            return Flow::Normal;
        case StmtKind::For: {
            const qint64 from = eval(*s.exprs[0]).toInt();
            const qint64 to = eval(*s.exprs[1]).toInt();
            if (!findSlot(s.name))
                throw ScriptError(QStringLiteral("Невідома змінна «%1»").arg(s.name), s.pos);
            if (s.flag ? from < to : from > to)
                return Flow::Normal;
            for (qint64 i = from;; s.flag ? --i : ++i) {
                step(s.pos);
                Value* slot = findSlot(s.name);
                if (!slot)
                    throw ScriptError(QStringLiteral("Невідома змінна «%1»").arg(s.name), s.pos);
                *slot = Value(i);
                const Flow flow = exec(*s.stmts[0]);
                if (flow == Flow::Break)
                    break;
                if (flow == Flow::Exit)
                    return flow;
                if (i == to)
                    break;
            }
            return Flow::Normal;
        }
        case StmtKind::Case: {
            const Value v = eval(*s.exprs[0]);
            for (const ast::CaseBranch& b : s.branches) {
                for (const auto& label : b.labels) {
                    bool match = false;
                    if (label->kind == ExprKind::Range) {
                        const Value lo = eval(*label->children[0]);
                        const Value hi = eval(*label->children[1]);
                        int c1 = 0;
                        int c2 = 0;
                        match = compare(v, lo, c1) && compare(v, hi, c2) && c1 >= 0 && c2 <= 0;
                    } else {
                        match = equal(v, eval(*label));
                    }
                    if (match)
                        return exec(*b.body);
                }
            }
            if (s.stmts[0])
                return exec(*s.stmts[0]);
            return Flow::Normal;
        }
        case StmtKind::With: {
            Frame& f = *m_frames.back();
            const size_t before = f.with.size();
            struct Restore {
                std::vector<std::shared_ptr<ScriptObject>>& with;
                size_t size;
                ~Restore() { with.resize(size); }
            } restore{f.with, before};
            for (const auto& expr : s.exprs) {
                const Value v = eval(*expr);
                if (!v.isObject())
                    throw ScriptError(QStringLiteral("«with» потребує об'єкта"), expr->pos);
                f.with.push_back(v.object());
            }
            return exec(*s.stmts[0]);
        }
        case StmtKind::TryExcept: {
            QString message;
            QString className;
            try {
                return exec(*s.stmts[0]);
            } catch (ScriptError& e) {
                // A safety bound ends the run whatever the script says.
                if (e.kind() == ScriptError::Kind::Limit)
                    throw;
                message = e.detail();
                className = e.className();
                if (!s.handlers.empty()) {
                    const bool handled =
                        std::any_of(s.handlers.begin(), s.handlers.end(),
                                    [&](const auto& h) { return handles(h.type, className); });
                    if (!handled && !s.stmts[1])
                        throw;
                }
            }
            m_lastException = message;
            m_lastExceptionClass = className;
            for (const ast::ExceptHandler& h : s.handlers) {
                if (!handles(h.type, className))
                    continue;
                if (h.variable.isEmpty())
                    return exec(*h.body);
                Frame& f = *m_frames.back();
                PushPop<std::pair<QString, Value>> bind(
                    f.bound, {h.variable, Value(std::make_shared<ExceptionObject>(className, message))});
                return exec(*h.body);
            }
            return exec(*s.stmts[1]);
        }
        case StmtKind::TryFinally: {
            Flow flow = Flow::Normal;
            try {
                flow = exec(*s.stmts[0]);
            } catch (ScriptError&) {
                exec(*s.stmts[1]);
                throw;
            }
            const Flow after = exec(*s.stmts[1]);
            return after != Flow::Normal ? after : flow;
        }
        case StmtKind::Exit:
            if (!s.exprs.empty()) {
                Frame& f = *m_frames.back();
                const Value v = eval(*s.exprs[0]);
                if (f.routine && f.routine->resultSlot >= 0)
                    f.values[static_cast<size_t>(f.routine->resultSlot)] = v;
            }
            return Flow::Exit;
        case StmtKind::Break:
            return Flow::Break;
        case StmtKind::Continue:
            return Flow::Continue;
        case StmtKind::Raise: {
            // "raise;" passes on the error being handled, "raise Exception.Create('...')"
            // raises a new one; any other value is taken as the message.
            QString message = m_lastException;
            QString className =
                m_lastExceptionClass.isEmpty() ? QStringLiteral("Exception") : m_lastExceptionClass;
            if (!s.exprs.empty()) {
                const Value v = eval(*s.exprs[0]);
                const auto* raised =
                    v.isObject() ? dynamic_cast<const ExceptionObject*>(v.object().get()) : nullptr;
                message = raised ? raised->message() : v.toString();
                className = raised ? raised->className() : QStringLiteral("Exception");
            }
            ScriptError error(message, s.pos, ScriptError::Kind::Raised);
            error.setClassName(className);
            throw error;
        }
        case StmtKind::Empty:
            return Flow::Normal;
        }
    } catch (ScriptError& err) {
        err.setOffsetIfUnknown(s.pos);
        throw;
    }
    return Flow::Normal;
}

} // namespace velta::script
