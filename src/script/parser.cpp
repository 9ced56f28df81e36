// Lexer and recursive-descent parser of the script language. Nesting is
// bounded so that no text, however deep, can exhaust the stack of the parser
// or of the interpreter walking the tree afterwards.

#include "script/ast.h"
#include "script/script_error.h"

#include <algorithm>
#include <cmath>

namespace velta::script::ast {
namespace {

constexpr int kMaxNesting = 200;            // parentheses, blocks, nested statements
constexpr int kMaxExprDepth = 1000;         // operator chains such as 1+1+1+...
constexpr qint64 kMaxStaticItems = 1000000; // items of one static array type

enum class Tok { End, Ident, Integer, Float, String, Symbol };

struct Token {
    Tok type = Tok::End;
    int pos = 0;
    QString text;  // symbol text or identifier as written
    QString lower; // identifier lower-cased
    qint64 i = 0;
    double f = 0;
    QString s;
};

ScriptError syntax(const QString& message, int pos) {
    return ScriptError(message, pos, ScriptError::Kind::Syntax);
}

bool isIdentStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}
bool isIdentPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

class Lexer {
public:
    explicit Lexer(const QString& source) : m_src(source) {}

    const QString& source() const { return m_src; }
    int position() const { return m_pos; }
    void seek(int pos) { m_pos = pos; }

    Token next() {
        skipSpace();
        Token t;
        t.pos = m_pos;
        if (m_pos >= m_src.size()) {
            t.type = Tok::End;
            return t;
        }
        const QChar c = m_src.at(m_pos);
        if (isIdentStart(c)) {
            const int start = m_pos;
            while (m_pos < m_src.size() && isIdentPart(m_src.at(m_pos)))
                ++m_pos;
            t.type = Tok::Ident;
            t.text = m_src.mid(start, m_pos - start);
            t.lower = t.text.toLower();
            return t;
        }
        if (c.isDigit())
            return number(t);
        if (c == QLatin1Char('$')) {
            ++m_pos;
            const int start = m_pos;
            while (m_pos < m_src.size() && isHex(m_src.at(m_pos)))
                ++m_pos;
            if (m_pos == start)
                throw syntax(QStringLiteral("Очікується шістнадцяткове число"), t.pos);
            bool ok = false;
            const quint64 v = m_src.mid(start, m_pos - start).toULongLong(&ok, 16);
            if (!ok)
                throw syntax(QStringLiteral("Число надто велике"), t.pos);
            t.type = Tok::Integer;
            t.i = static_cast<qint64>(v);
            return t;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('#'))
            return string(t);
        // Symbols, the two-character ones first.
        static const char* two[] = {":=", "<>", "<=", ">=", ".."};
        for (const char* s : two) {
            if (m_src.mid(m_pos, 2) == QLatin1String(s)) {
                m_pos += 2;
                t.type = Tok::Symbol;
                t.text = QLatin1String(s);
                return t;
            }
        }
        if (QStringLiteral("+-*/=<>()[],;:.^@").contains(c)) {
            ++m_pos;
            t.type = Tok::Symbol;
            t.text = c;
            return t;
        }
        throw syntax(QStringLiteral("Недопустимий символ «%1»").arg(c), t.pos);
    }

private:
    static bool isHex(QChar c) {
        return c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    }

    void skipSpace() {
        while (m_pos < m_src.size()) {
            const QChar c = m_src.at(m_pos);
            if (c.isSpace()) {
                ++m_pos;
            } else if (c == QLatin1Char('/') && m_pos + 1 < m_src.size() &&
                       m_src.at(m_pos + 1) == QLatin1Char('/')) {
                while (m_pos < m_src.size() && m_src.at(m_pos) != QLatin1Char('\n'))
                    ++m_pos;
            } else if (c == QLatin1Char('{')) {
                const int end = m_src.indexOf(QLatin1Char('}'), m_pos + 1);
                if (end < 0)
                    throw syntax(QStringLiteral("Незакритий коментар"), m_pos);
                m_pos = end + 1;
            } else if (c == QLatin1Char('(') && m_pos + 1 < m_src.size() &&
                       m_src.at(m_pos + 1) == QLatin1Char('*')) {
                const int end = m_src.indexOf(QLatin1String("*)"), m_pos + 2);
                if (end < 0)
                    throw syntax(QStringLiteral("Незакритий коментар"), m_pos);
                m_pos = end + 2;
            } else {
                break;
            }
        }
    }

    Token number(Token& t) {
        const int start = m_pos;
        while (m_pos < m_src.size() && m_src.at(m_pos).isDigit())
            ++m_pos;
        bool isFloat = false;
        if (m_pos + 1 < m_src.size() && m_src.at(m_pos) == QLatin1Char('.') &&
            m_src.at(m_pos + 1).isDigit()) {
            isFloat = true;
            ++m_pos;
            while (m_pos < m_src.size() && m_src.at(m_pos).isDigit())
                ++m_pos;
        }
        if (m_pos < m_src.size() &&
            (m_src.at(m_pos) == QLatin1Char('e') || m_src.at(m_pos) == QLatin1Char('E'))) {
            int p = m_pos + 1;
            if (p < m_src.size() && (m_src.at(p) == QLatin1Char('+') || m_src.at(p) == QLatin1Char('-')))
                ++p;
            if (p < m_src.size() && m_src.at(p).isDigit()) {
                isFloat = true;
                m_pos = p;
                while (m_pos < m_src.size() && m_src.at(m_pos).isDigit())
                    ++m_pos;
            }
        }
        const QString text = m_src.mid(start, m_pos - start);
        bool ok = false;
        if (!isFloat) {
            t.i = text.toLongLong(&ok);
            if (ok) {
                t.type = Tok::Integer;
                return t;
            }
        }
        t.f = text.toDouble(&ok);
        if (!ok || !std::isfinite(t.f))
            throw syntax(QStringLiteral("Неправильне число «%1»").arg(text.left(40)), t.pos);
        t.type = Tok::Float;
        return t;
    }

    // 'it''s' #13#10 'next' make one string.
    Token string(Token& t) {
        QString s;
        while (m_pos < m_src.size()) {
            const QChar c = m_src.at(m_pos);
            if (c == QLatin1Char('\'')) {
                ++m_pos;
                for (;;) {
                    if (m_pos >= m_src.size())
                        throw syntax(QStringLiteral("Незакритий рядок"), t.pos);
                    const QChar d = m_src.at(m_pos++);
                    if (d == QLatin1Char('\'')) {
                        if (m_pos < m_src.size() && m_src.at(m_pos) == QLatin1Char('\'')) {
                            s += d;
                            ++m_pos;
                            continue;
                        }
                        break;
                    }
                    s += d;
                }
            } else if (c == QLatin1Char('#')) {
                const int at = m_pos++;
                int base = 10;
                if (m_pos < m_src.size() && m_src.at(m_pos) == QLatin1Char('$')) {
                    base = 16;
                    ++m_pos;
                }
                const int start = m_pos;
                while (m_pos < m_src.size() &&
                       (base == 16 ? isHex(m_src.at(m_pos)) : m_src.at(m_pos).isDigit()))
                    ++m_pos;
                bool ok = false;
                const uint code = m_src.mid(start, m_pos - start).toUInt(&ok, base);
                if (!ok || code > 0xFFFF)
                    throw syntax(QStringLiteral("Неправильний код символу"), at);
                s += QChar(static_cast<char16_t>(code));
            } else {
                break;
            }
        }
        t.type = Tok::String;
        t.s = s;
        return t;
    }

    QString m_src;
    int m_pos = 0;
};

bool isReserved(const QString& w) {
    static const QStringList words = {
        QStringLiteral("and"),     QStringLiteral("array"),    QStringLiteral("begin"),
        QStringLiteral("case"),    QStringLiteral("const"),    QStringLiteral("div"),
        QStringLiteral("do"),      QStringLiteral("downto"),   QStringLiteral("else"),
        QStringLiteral("end"),     QStringLiteral("except"),   QStringLiteral("finally"),
        QStringLiteral("for"),     QStringLiteral("function"), QStringLiteral("if"),
        QStringLiteral("in"),      QStringLiteral("mod"),      QStringLiteral("not"),
        QStringLiteral("of"),      QStringLiteral("or"),       QStringLiteral("procedure"),
        QStringLiteral("program"), QStringLiteral("repeat"),   QStringLiteral("shl"),
        QStringLiteral("shr"),     QStringLiteral("then"),     QStringLiteral("to"),
        QStringLiteral("try"),     QStringLiteral("until"),    QStringLiteral("uses"),
        QStringLiteral("var"),     QStringLiteral("while"),    QStringLiteral("with"),
        QStringLiteral("xor"),     QStringLiteral("raise"),    QStringLiteral("type"),
    };
    return words.contains(w);
}

class Parser {
public:
    explicit Parser(const QString& source) : m_lex(source) { advance(); }

    std::shared_ptr<Program> program() {
        auto prog = std::make_shared<Program>();
        if (isWord("program")) {
            advance();
            expectIdent();
            expectSymbol(";");
        }
        if (isWord("uses")) {
            advance();
            for (;;) {
                if (m_tok.type == Tok::String)
                    advance();
                else
                    expectIdent();
                if (!acceptSymbol(","))
                    break;
            }
            expectSymbol(";");
        }
        declarations(prog->globals, prog->constants, prog->routines);
        if (isWord("begin")) {
            prog->main = block();
            if (!acceptSymbol("."))
                acceptSymbol(";");
        }
        if (m_tok.type != Tok::End)
            throw syntax(QStringLiteral("Очікується кінець сценарію"), m_tok.pos);
        return prog;
    }

    ExprPtr wholeExpression() {
        if (m_tok.type == Tok::End)
            throw syntax(QStringLiteral("Порожній вираз"), m_tok.pos);
        ExprPtr e = expression();
        if (m_tok.type != Tok::End)
            throw syntax(QStringLiteral("Зайвий текст після виразу"), m_tok.pos);
        return e;
    }

private:
    struct Nest {
        explicit Nest(Parser& p) : m_p(p) {
            if (++m_p.m_nesting > kMaxNesting)
                throw syntax(QStringLiteral("Надто глибоке вкладення у сценарії"), m_p.m_tok.pos);
        }
        ~Nest() { --m_p.m_nesting; }
        Parser& m_p;
    };

    void advance() { m_tok = m_lex.next(); }
    bool isWord(const char* w) const { return m_tok.type == Tok::Ident && m_tok.lower == QLatin1String(w); }
    bool isSymbol(const char* s) const { return m_tok.type == Tok::Symbol && m_tok.text == QLatin1String(s); }
    bool acceptSymbol(const char* s) {
        if (!isSymbol(s))
            return false;
        advance();
        return true;
    }
    bool acceptWord(const char* w) {
        if (!isWord(w))
            return false;
        advance();
        return true;
    }
    void expectSymbol(const char* s) {
        if (!acceptSymbol(s))
            throw syntax(QStringLiteral("Очікується «%1»").arg(QLatin1String(s)), m_tok.pos);
    }
    void expectWord(const char* w) {
        if (!acceptWord(w))
            throw syntax(QStringLiteral("Очікується «%1»").arg(QLatin1String(w)), m_tok.pos);
    }
    Token expectIdent() {
        if (m_tok.type != Tok::Ident || isReserved(m_tok.lower))
            throw syntax(QStringLiteral("Очікується ідентифікатор"), m_tok.pos);
        Token t = m_tok;
        advance();
        return t;
    }
    // After a dot any word is a member name, reserved or not.
    Token expectMemberName() {
        if (m_tok.type != Tok::Ident)
            throw syntax(QStringLiteral("Очікується ім'я властивості"), m_tok.pos);
        Token t = m_tok;
        advance();
        return t;
    }

    // ---- declarations ----

    void declarations(std::vector<VarDecl>& vars, std::vector<std::pair<QString, ExprPtr>>& consts,
                      std::vector<std::shared_ptr<Routine>>& routines) {
        for (;;) {
            if (acceptWord("var")) {
                do {
                    varGroup(vars);
                } while (m_tok.type == Tok::Ident && !isReserved(m_tok.lower));
            } else if (acceptWord("const")) {
                do {
                    Token name = expectIdent();
                    if (acceptSymbol(":"))
                        typeSpec();
                    expectSymbol("=");
                    consts.emplace_back(name.lower, expression());
                    expectSymbol(";");
                } while (m_tok.type == Tok::Ident && !isReserved(m_tok.lower));
            } else if (isWord("procedure") || isWord("function")) {
                routines.push_back(routine(routines));
            } else {
                return;
            }
        }
    }

    void varGroup(std::vector<VarDecl>& vars) {
        std::vector<Token> names;
        names.push_back(expectIdent());
        while (acceptSymbol(","))
            names.push_back(expectIdent());
        TypeSpec type;
        if (acceptSymbol(":"))
            type = typeSpec();
        ExprPtr init;
        if (acceptSymbol("="))
            init = expression();
        expectSymbol(";");
        for (size_t i = 0; i < names.size(); ++i) {
            VarDecl d;
            d.name = names[i].lower;
            d.text = names[i].text;
            d.type = type;
            d.pos = names[i].pos;
            if (init && i + 1 == names.size())
                d.init = std::move(init);
            vars.push_back(std::move(d));
        }
    }

    // The items a static array declaration makes, nested arrays included.
    static qint64 staticItems(const TypeSpec& t) {
        if (!t.isArray || !t.isStatic)
            return 1;
        const qint64 inner = t.element ? staticItems(*t.element) : 1;
        const qint64 count = t.high - t.low + 1;
        return inner > kMaxStaticItems / std::max<qint64>(count, 1) ? kMaxStaticItems + 1 : count * inner;
    }

    TypeSpec typeSpec() {
        Nest nest(*this);
        TypeSpec t;
        if (acceptWord("array")) {
            t.isArray = true;
            if (acceptSymbol("[")) {
                t.isStatic = true;
                t.low = constInt();
                expectSymbol("..");
                t.high = constInt();
                if (t.high < t.low || t.high - t.low >= kMaxStaticItems)
                    throw syntax(QStringLiteral("Неправильні межі масиву"), m_tok.pos);
                // array[a..b, c..d] of T is an array of arrays.
                if (acceptSymbol(",")) {
                    TypeSpec inner;
                    inner.isArray = true;
                    inner.isStatic = true;
                    inner.low = constInt();
                    expectSymbol("..");
                    inner.high = constInt();
                    if (inner.high < inner.low || inner.high - inner.low >= kMaxStaticItems ||
                        (inner.high - inner.low + 1) * (t.high - t.low + 1) > kMaxStaticItems)
                        throw syntax(QStringLiteral("Неправильні межі масиву"), m_tok.pos);
                    expectSymbol("]");
                    expectWord("of");
                    inner.element = std::make_shared<TypeSpec>(typeSpec());
                    t.element = std::make_shared<TypeSpec>(inner);
                    return t;
                }
                expectSymbol("]");
            }
            expectWord("of");
            if (acceptWord("const")) {
                t.element = std::make_shared<TypeSpec>();
                t.element->name = QStringLiteral("variant");
            } else {
                const int pos = m_tok.pos;
                t.element = std::make_shared<TypeSpec>(typeSpec());
                // array[..] of array[..] of ... is bounded as a whole, as array[.., ..] is.
                if (t.isStatic && staticItems(t) > kMaxStaticItems)
                    throw syntax(QStringLiteral("Неправильні межі масиву"), pos);
            }
            return t;
        }
        Token name = expectIdent();
        t.name = name.lower;
        while (acceptSymbol(".")) // Unit.Type
            t.name = expectMemberName().lower;
        if (acceptSymbol("[")) { // String[20]
            constInt();
            expectSymbol("]");
        }
        return t;
    }

    qint64 constInt() {
        bool negative = acceptSymbol("-");
        if (m_tok.type != Tok::Integer)
            throw syntax(QStringLiteral("Очікується ціле число"), m_tok.pos);
        const qint64 v = m_tok.i;
        advance();
        if (v > 1000000000)
            throw syntax(QStringLiteral("Число надто велике"), m_tok.pos);
        return negative ? -v : v;
    }

    std::shared_ptr<Routine> routine(std::vector<std::shared_ptr<Routine>>& routines) {
        Nest nest(*this);
        auto r = std::make_shared<Routine>();
        r->isFunction = isWord("function");
        advance();
        Token name = expectIdent();
        r->name = name.lower;
        r->text = name.text;
        r->pos = name.pos;
        if (acceptSymbol("(")) {
            if (!isSymbol(")")) {
                do {
                    bool isVar = false;
                    if (acceptWord("var"))
                        isVar = true;
                    else if (acceptWord("const"))
                        isVar = false;
                    else if (isWord("out")) {
                        advance();
                        isVar = true;
                    }
                    std::vector<Token> names;
                    names.push_back(expectIdent());
                    while (acceptSymbol(","))
                        names.push_back(expectIdent());
                    QString type;
                    if (acceptSymbol(":")) {
                        const TypeSpec t = typeSpec();
                        type = t.isArray ? QStringLiteral("array") : t.name;
                    }
                    ExprPtr def;
                    if (acceptSymbol("="))
                        def = expression();
                    for (size_t i = 0; i < names.size(); ++i) {
                        Param p;
                        p.name = names[i].lower;
                        p.text = names[i].text;
                        p.type = type;
                        p.isVar = isVar;
                        if (def && i + 1 == names.size())
                            p.defaultValue = std::move(def);
                        r->params.push_back(std::move(p));
                    }
                } while (acceptSymbol(";"));
            }
            expectSymbol(")");
        }
        if (r->isFunction) {
            expectSymbol(":");
            const TypeSpec t = typeSpec();
            r->resultType = t.isArray ? QStringLiteral("array") : t.name;
        }
        expectSymbol(";");
        // Nested routines are kept with the others: scripts do not rely on
        // their scoping and the names stay unique within a template.
        declarations(r->locals, r->constants, routines);
        r->body = block();
        expectSymbol(";");

        int slot = 0;
        for (const Param& p : r->params) {
            if (r->slotOf.contains(p.name))
                throw syntax(QStringLiteral("Повторне оголошення «%1»").arg(p.text), name.pos);
            r->slotOf.insert(p.name, slot++);
        }
        if (r->isFunction) {
            r->resultSlot = slot++;
            r->slotOf.insert(QStringLiteral("result"), r->resultSlot);
            if (!r->slotOf.contains(r->name))
                r->slotOf.insert(r->name, r->resultSlot);
        }
        for (const VarDecl& v : r->locals) {
            if (r->slotOf.contains(v.name) && r->slotOf.value(v.name) != r->resultSlot)
                throw syntax(QStringLiteral("Повторне оголошення «%1»").arg(v.text), v.pos);
            r->slotOf.insert(v.name, slot++);
        }
        r->slotCount = slot;
        return r;
    }

    // ---- statements ----

    StmtPtr block() {
        Nest nest(*this);
        auto s = std::make_unique<Stmt>();
        s->kind = StmtKind::Block;
        s->pos = m_tok.pos;
        expectWord("begin");
        statementList(s->stmts, "end");
        expectWord("end");
        return s;
    }

    void statementList(std::vector<StmtPtr>& out, const char* terminator, const char* other = nullptr) {
        for (;;) {
            if (isWord(terminator) || (other && isWord(other)))
                return;
            out.push_back(statement());
            if (!acceptSymbol(";")) {
                if (isWord(terminator) || (other && isWord(other)))
                    return;
                throw syntax(QStringLiteral("Очікується «;»"), m_tok.pos);
            }
        }
    }

    StmtPtr statement() {
        Nest nest(*this);
        auto s = std::make_unique<Stmt>();
        s->pos = m_tok.pos;
        if (isSymbol(";") || isWord("end") || isWord("until") || isWord("else") || isWord("except") ||
            isWord("finally")) {
            s->kind = StmtKind::Empty;
            return s;
        }
        if (isWord("begin"))
            return block();
        if (acceptWord("if")) {
            s->kind = StmtKind::If;
            s->exprs.push_back(expression());
            expectWord("then");
            s->stmts.push_back(statement());
            if (acceptWord("else"))
                s->stmts.push_back(statement());
            else
                s->stmts.push_back(nullptr);
            return s;
        }
        if (acceptWord("while")) {
            s->kind = StmtKind::While;
            s->exprs.push_back(expression());
            expectWord("do");
            s->stmts.push_back(statement());
            return s;
        }
        if (acceptWord("repeat")) {
            s->kind = StmtKind::Repeat;
            statementList(s->stmts, "until");
            expectWord("until");
            s->exprs.push_back(expression());
            return s;
        }
        if (acceptWord("for")) {
            s->kind = StmtKind::For;
            s->name = expectIdent().lower;
            expectSymbol(":=");
            s->exprs.push_back(expression());
            if (acceptWord("downto"))
                s->flag = true;
            else
                expectWord("to");
            s->exprs.push_back(expression());
            expectWord("do");
            s->stmts.push_back(statement());
            return s;
        }
        if (acceptWord("case")) {
            s->kind = StmtKind::Case;
            s->exprs.push_back(expression());
            expectWord("of");
            while (!isWord("else") && !isWord("end")) {
                CaseBranch b;
                do {
                    ExprPtr lo = expression();
                    if (isSymbol("..")) {
                        const int pos = m_tok.pos;
                        advance();
                        auto range = std::make_unique<Expr>();
                        range->kind = ExprKind::Range;
                        range->pos = pos;
                        range->children.push_back(std::move(lo));
                        range->children.push_back(expression());
                        b.labels.push_back(std::move(range));
                    } else {
                        b.labels.push_back(std::move(lo));
                    }
                } while (acceptSymbol(","));
                expectSymbol(":");
                b.body = statement();
                s->branches.push_back(std::move(b));
                if (!acceptSymbol(";"))
                    break;
            }
            if (acceptWord("else")) {
                auto e = std::make_unique<Stmt>();
                e->kind = StmtKind::Block;
                e->pos = m_tok.pos;
                statementList(e->stmts, "end");
                s->stmts.push_back(std::move(e));
            } else {
                s->stmts.push_back(nullptr);
            }
            expectWord("end");
            return s;
        }
        if (acceptWord("with")) {
            s->kind = StmtKind::With;
            do {
                s->exprs.push_back(expression());
            } while (acceptSymbol(","));
            expectWord("do");
            s->stmts.push_back(statement());
            return s;
        }
        if (acceptWord("try")) {
            auto body = std::make_unique<Stmt>();
            body->kind = StmtKind::Block;
            body->pos = s->pos;
            statementList(body->stmts, "except", "finally");
            s->stmts.push_back(std::move(body));
            auto handler = std::make_unique<Stmt>();
            handler->kind = StmtKind::Block;
            handler->pos = m_tok.pos;
            if (acceptWord("except")) {
                s->kind = StmtKind::TryExcept;
                if (startsHandler()) {
                    exceptHandlers(*s);
                    if (!acceptWord("else")) {
                        expectWord("end");
                        s->stmts.push_back(nullptr);
                        return s;
                    }
                    handler->pos = m_tok.pos;
                }
            } else {
                expectWord("finally");
                s->kind = StmtKind::TryFinally;
            }
            statementList(handler->stmts, "end");
            expectWord("end");
            s->stmts.push_back(std::move(handler));
            return s;
        }
        if (acceptWord("raise")) {
            s->kind = StmtKind::Raise;
            if (!isSymbol(";") && !isWord("end") && !isWord("else") && !isWord("until") &&
                m_tok.type != Tok::End)
                s->exprs.push_back(expression());
            return s;
        }
        if (m_tok.type == Tok::Ident && !isReserved(m_tok.lower)) {
            if (m_tok.lower == QLatin1String("exit") || m_tok.lower == QLatin1String("break") ||
                m_tok.lower == QLatin1String("continue")) {
                const QString w = m_tok.lower;
                advance();
                s->kind = w == QLatin1String("exit")    ? StmtKind::Exit
                          : w == QLatin1String("break") ? StmtKind::Break
                                                        : StmtKind::Continue;
                if (s->kind == StmtKind::Exit && acceptSymbol("(")) { // Exit(value)
                    if (!isSymbol(")"))
                        s->exprs.push_back(expression());
                    expectSymbol(")");
                }
                return s;
            }
            ExprPtr target = designator();
            if (acceptSymbol(":=")) {
                s->kind = StmtKind::Assign;
                s->exprs.push_back(std::move(target));
                s->exprs.push_back(expression());
                return s;
            }
            s->kind = StmtKind::Call;
            s->exprs.push_back(std::move(target));
            return s;
        }
        throw syntax(QStringLiteral("Очікується оператор"), m_tok.pos);
    }

    // "on" opens an exception handler only when "on X do" or "on X: T do"
    // follows; otherwise it is an identifier like any other.
    bool startsHandler() {
        if (!isWord("on"))
            return false;
        const Token saved = m_tok;
        const int resume = m_lex.position();
        bool handler = false;
        try {
            advance();
            if (m_tok.type == Tok::Ident && !isReserved(m_tok.lower)) {
                advance();
                handler = isSymbol(":") || isWord("do");
            }
        } catch (const ScriptError&) {
        }
        m_lex.seek(resume);
        m_tok = saved;
        return handler;
    }

    // on [E:] Type do statement; ... up to "else" or "end".
    void exceptHandlers(Stmt& s) {
        while (isWord("on")) {
            advance();
            ExceptHandler h;
            Token type = expectIdent();
            if (acceptSymbol(":")) {
                h.variable = type.lower;
                type = expectIdent();
            }
            h.type = type.lower;
            h.typeText = type.text;
            expectWord("do");
            h.body = statement();
            s.handlers.push_back(std::move(h));
            if (!acceptSymbol(";"))
                break;
        }
    }

    // ---- expressions ----

    static ExprPtr binary(Op op, ExprPtr l, ExprPtr r, int pos) {
        auto e = std::make_unique<Expr>();
        e->kind = ExprKind::Binary;
        e->op = op;
        e->pos = pos;
        e->depth = std::max(l->depth, r->depth) + 1;
        if (e->depth > kMaxExprDepth)
            throw syntax(QStringLiteral("Вираз надто складний"), pos);
        e->children.push_back(std::move(l));
        e->children.push_back(std::move(r));
        return e;
    }

    Op relationalOp() const {
        if (m_tok.type == Tok::Symbol) {
            if (m_tok.text == QLatin1String("="))
                return Op::Eq;
            if (m_tok.text == QLatin1String("<>"))
                return Op::Ne;
            if (m_tok.text == QLatin1String("<"))
                return Op::Lt;
            if (m_tok.text == QLatin1String(">"))
                return Op::Gt;
            if (m_tok.text == QLatin1String("<="))
                return Op::Le;
            if (m_tok.text == QLatin1String(">="))
                return Op::Ge;
        }
        if (isWord("in"))
            return Op::In;
        return Op::None;
    }

    Op addingOp() const {
        if (isSymbol("+"))
            return Op::Add;
        if (isSymbol("-"))
            return Op::Sub;
        if (isWord("or"))
            return Op::Or;
        if (isWord("xor"))
            return Op::Xor;
        return Op::None;
    }

    Op multiplyingOp() const {
        if (isSymbol("*"))
            return Op::Mul;
        if (isSymbol("/"))
            return Op::Div;
        if (isWord("div"))
            return Op::IntDiv;
        if (isWord("mod"))
            return Op::Mod;
        if (isWord("and"))
            return Op::And;
        if (isWord("shl"))
            return Op::Shl;
        if (isWord("shr"))
            return Op::Shr;
        return Op::None;
    }

    ExprPtr expression() {
        Nest nest(*this);
        ExprPtr left = simpleExpression();
        for (Op op = relationalOp(); op != Op::None; op = relationalOp()) {
            const int pos = m_tok.pos;
            advance();
            left = binary(op, std::move(left), simpleExpression(), pos);
        }
        return left;
    }

    ExprPtr simpleExpression() {
        ExprPtr left = term();
        for (Op op = addingOp(); op != Op::None; op = addingOp()) {
            const int pos = m_tok.pos;
            advance();
            left = binary(op, std::move(left), term(), pos);
        }
        return left;
    }

    ExprPtr term() {
        ExprPtr left = factor();
        for (Op op = multiplyingOp(); op != Op::None; op = multiplyingOp()) {
            const int pos = m_tok.pos;
            advance();
            left = binary(op, std::move(left), factor(), pos);
        }
        return left;
    }

    ExprPtr unary(Op op, int pos) {
        Nest nest(*this);
        auto e = std::make_unique<Expr>();
        e->kind = ExprKind::Unary;
        e->op = op;
        e->pos = pos;
        ExprPtr operand = factor();
        e->depth = operand->depth + 1;
        if (e->depth > kMaxExprDepth)
            throw syntax(QStringLiteral("Вираз надто складний"), pos);
        e->children.push_back(std::move(operand));
        return e;
    }

    ExprPtr factor() {
        const int pos = m_tok.pos;
        if (acceptWord("not"))
            return unary(Op::Not, pos);
        if (acceptSymbol("-"))
            return unary(Op::Neg, pos);
        if (acceptSymbol("+"))
            return unary(Op::Plus, pos);
        auto lit = [&](Value v) {
            auto e = std::make_unique<Expr>();
            e->kind = ExprKind::Literal;
            e->pos = pos;
            e->literal = std::move(v);
            advance();
            return e;
        };
        switch (m_tok.type) {
        case Tok::Integer:
            return lit(Value(m_tok.i));
        case Tok::Float:
            return lit(Value(m_tok.f));
        case Tok::String:
            return lit(Value(m_tok.s));
        case Tok::End:
            throw syntax(QStringLiteral("Очікується вираз"), pos);
        default:
            break;
        }
        if (acceptSymbol("(")) {
            Nest nest(*this);
            ExprPtr e = expression();
            expectSymbol(")");
            return postfix(std::move(e));
        }
        if (isSymbol("["))
            return setLiteral();
        if (isSymbol("<"))
            return postfix(fieldReference());
        if (m_tok.type == Tok::Ident && !isReserved(m_tok.lower))
            return designator();
        throw syntax(QStringLiteral("Очікується вираз"), pos);
    }

    ExprPtr setLiteral() {
        Nest nest(*this);
        auto e = std::make_unique<Expr>();
        e->kind = ExprKind::Set;
        e->pos = m_tok.pos;
        expectSymbol("[");
        if (!isSymbol("]")) {
            do {
                ExprPtr item = expression();
                if (isSymbol("..")) {
                    const int pos = m_tok.pos;
                    advance();
                    auto range = std::make_unique<Expr>();
                    range->kind = ExprKind::Range;
                    range->pos = pos;
                    range->children.push_back(std::move(item));
                    range->children.push_back(expression());
                    item = std::move(range);
                }
                e->children.push_back(std::move(item));
            } while (acceptSymbol(","));
        }
        expectSymbol("]");
        return e;
    }

    // <Dataset."Field"> or <Variable>: read as raw text up to the closing
    // angle bracket, outside double quotes.
    ExprPtr fieldReference() {
        const int start = m_tok.pos;
        const QString& src = m_lex.source();
        int p = start + 1;
        bool quoted = false;
        while (p < src.size()) {
            const QChar c = src.at(p);
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            else if (c == QLatin1Char('>') && !quoted)
                break;
            else if (c == QLatin1Char('\n') && !quoted)
                break;
            ++p;
        }
        if (p >= src.size() || src.at(p) != QLatin1Char('>'))
            throw syntax(QStringLiteral("Очікується «>»"), start);
        const QString inner = src.mid(start + 1, p - start - 1).trimmed();
        if (inner.isEmpty())
            throw syntax(QStringLiteral("Очікується ім'я поля"), start);
        auto e = std::make_unique<Expr>();
        e->kind = ExprKind::FieldRef;
        e->pos = start;
        const int dot = inner.indexOf(QLatin1String(".\""));
        if (dot > 0 && inner.endsWith(QLatin1Char('"')) && inner.size() >= dot + 3) {
            e->name = inner.left(dot).trimmed();
            e->text = inner.mid(dot + 2, inner.size() - dot - 3);
        } else {
            e->text = inner;
        }
        m_lex.seek(p + 1);
        advance();
        return e;
    }

    ExprPtr designator() {
        Token name = expectIdent();
        auto e = std::make_unique<Expr>();
        e->pos = name.pos;
        e->name = name.lower;
        e->text = name.text;
        if (acceptSymbol("(")) {
            e->kind = ExprKind::CallName;
            arguments(*e);
        } else {
            e->kind = ExprKind::Name;
        }
        return postfix(std::move(e));
    }

    void arguments(Expr& call) {
        Nest nest(*this);
        if (!isSymbol(")")) {
            do {
                ExprPtr arg = expression();
                call.depth = std::max(call.depth, arg->depth + 1);
                call.children.push_back(std::move(arg));
            } while (acceptSymbol(","));
        }
        expectSymbol(")");
        if (call.depth > kMaxExprDepth)
            throw syntax(QStringLiteral("Вираз надто складний"), call.pos);
    }

    ExprPtr postfix(ExprPtr e) {
        for (;;) {
            const int pos = m_tok.pos;
            if (acceptSymbol(".")) {
                Token member = expectMemberName();
                auto m = std::make_unique<Expr>();
                m->pos = member.pos;
                m->name = member.lower;
                m->text = member.text;
                m->depth = e->depth + 1;
                m->children.push_back(std::move(e));
                if (acceptSymbol("(")) {
                    m->kind = ExprKind::CallMember;
                    arguments(*m);
                } else {
                    m->kind = ExprKind::Member;
                }
                e = std::move(m);
            } else if (acceptSymbol("[")) {
                Nest nest(*this);
                auto ix = std::make_unique<Expr>();
                ix->kind = ExprKind::Index;
                ix->pos = pos;
                ix->depth = e->depth + 1;
                ix->children.push_back(std::move(e));
                do {
                    ix->children.push_back(expression());
                } while (acceptSymbol(","));
                expectSymbol("]");
                e = std::move(ix);
            } else if (acceptSymbol("^")) {
                // Pointer dereference has no meaning here; objects are references already.
            } else {
                break;
            }
            if (e->depth > kMaxExprDepth)
                throw syntax(QStringLiteral("Вираз надто складний"), pos);
        }
        return e;
    }

    Lexer m_lex;
    Token m_tok;
    int m_nesting = 0;
};

} // namespace

std::shared_ptr<Program> parseProgram(const QString& source) {
    return Parser(source).program();
}

ExprPtr parseExpression(const QString& source) {
    return Parser(source).wholeExpression();
}

} // namespace velta::script::ast
