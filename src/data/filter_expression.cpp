#include "data/filter_expression.h"

#include <QDate>
#include <QDateTime>

#include <stdexcept>
#include <vector>

namespace velta::data {

namespace {

enum class Op { Eq, Ne, Lt, Gt, Le, Ge };

bool isNumeric(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool isDate(const QVariant& v) {
    return v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime;
}

QDateTime toDateTime(const QVariant& v, bool& ok) {
    ok = true;
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    const QString text = v.toString().trimmed();
    for (const char* format :
         {"dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd", "dd.MM.yyyy hh:mm:ss", "yyyy-MM-dd hh:mm:ss"}) {
        const QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(format));
        if (dt.isValid())
            return dt;
    }
    ok = false;
    return {};
}

double toNumber(const QVariant& v, bool& ok) {
    if (isNumeric(v)) {
        ok = true;
        return v.toDouble();
    }
    QString text = v.toString().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text.toDouble(&ok);
}

template <typename T> int order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

int compareValues(const QVariant& a, const QVariant& b, bool caseInsensitive) {
    if (a.isNull() || b.isNull() || !a.isValid() || !b.isValid())
        return 2;
    if (isDate(a) || isDate(b)) {
        bool okA = false;
        bool okB = false;
        const QDateTime da = toDateTime(a, okA);
        const QDateTime db = toDateTime(b, okB);
        if (!okA || !okB)
            return 2;
        return order(da, db);
    }
    if (isNumeric(a) || isNumeric(b)) {
        bool okA = false;
        bool okB = false;
        const double na = toNumber(a, okA);
        const double nb = toNumber(b, okB);
        if (!okA || !okB)
            return 2;
        return order(na, nb);
    }
    const int c = QString::compare(a.toString(), b.toString(),
                                   caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

struct FilterExpression::Node {
    enum Kind { And, Or, Not, Compare } kind = Compare;
    std::unique_ptr<Node> left;
    std::unique_ptr<Node> right;
    QString field;
    Op op = Op::Eq;
    QVariant constant; // a null QVariant stands for Null

    bool eval(const FieldLookup& lookup) const {
        switch (kind) {
        case And:
            return left->eval(lookup) && right->eval(lookup);
        case Or:
            return left->eval(lookup) || right->eval(lookup);
        case Not:
            return !left->eval(lookup);
        case Compare:
            break;
        }
        QVariant value;
        if (!lookup(field, value))
            throw std::runtime_error(QStringLiteral("Поле \"%1\" не знайдено").arg(field).toStdString());
        const bool empty = value.isNull() || !value.isValid() ||
                           (value.typeId() == QMetaType::QString && value.toString().isEmpty());
        if (constant.isNull()) {
            if (op == Op::Eq)
                return empty;
            if (op == Op::Ne)
                return !empty;
            return false;
        }
        const int c = compareValues(value, constant, true);
        if (c == 2)
            return false;
        switch (op) {
        case Op::Eq:
            return c == 0;
        case Op::Ne:
            return c != 0;
        case Op::Lt:
            return c < 0;
        case Op::Gt:
            return c > 0;
        case Op::Le:
            return c <= 0;
        case Op::Ge:
            return c >= 0;
        }
        return false;
    }
};

namespace {

struct Token {
    enum Kind { Ident, Number, Text, Oper, LParen, RParen, End } kind = End;
    QString text;
    int pos = 0;
};

[[noreturn]] void fail(const QString& source, int pos, const QString& what) {
    throw std::runtime_error(QStringLiteral("Помилка у виразі фільтра \"%1\" (позиція %2): %3")
                                 .arg(source)
                                 .arg(pos + 1)
                                 .arg(what)
                                 .toStdString());
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        t.pos = i;
        if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            t.kind = c == QLatin1Char('(') ? Token::LParen : Token::RParen;
            ++i;
        } else if (c == QLatin1Char('\'')) {
            t.kind = Token::Text;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && s[i + 1] == QLatin1Char('\'')) {
                        t.text += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                t.text += s[i++];
            }
            if (!closed)
                fail(s, t.pos, QStringLiteral("текст без закриваючої лапки"));
        } else if (c == QLatin1Char('"')) {
            t.kind = Token::Ident;
            ++i;
            while (i < n && s[i] != QLatin1Char('"'))
                t.text += s[i++];
            if (i >= n)
                fail(s, t.pos, QStringLiteral("ім'я поля без закриваючої лапки"));
            ++i;
        } else if (c.isDigit() ||
                   ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < n && s[i + 1].isDigit())) {
            t.kind = Token::Number;
            t.text += c;
            ++i;
            while (i < n && (s[i].isDigit() || s[i] == QLatin1Char('.') || s[i] == QLatin1Char(',')))
                t.text += s[i++];
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            t.kind = Token::Ident;
            while (i < n && (s[i].isLetterOrNumber() || s[i] == QLatin1Char('_') || s[i] == QLatin1Char('.')))
                t.text += s[i++];
        } else if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>')) {
            t.kind = Token::Oper;
            t.text += c;
            ++i;
            if (i < n && c != QLatin1Char('=') &&
                (s[i] == QLatin1Char('=') || (c == QLatin1Char('<') && s[i] == QLatin1Char('>'))))
                t.text += s[i++];
        } else {
            fail(s, i, QStringLiteral("незрозумілий знак '%1'").arg(c));
        }
        out.push_back(t);
    }
    Token end;
    end.pos = n;
    out.push_back(end);
    return out;
}

bool isKeyword(const Token& t, const char* word) {
    return t.kind == Token::Ident && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

class Parser {
public:
    Parser(const QString& source) : m_source(source), m_tokens(tokenize(source)) {}

    std::unique_ptr<FilterExpression::Node> parseAll() {
        auto node = parseOr();
        if (peek().kind != Token::End)
            fail(m_source, peek().pos, QStringLiteral("зайвий текст \"%1\"").arg(peek().text));
        return node;
    }

private:
    using NodePtr = std::unique_ptr<FilterExpression::Node>;
    const Token& peek() const { return m_tokens[m_pos]; }
    const Token& take() { return m_tokens[m_pos++]; }

    NodePtr join(FilterExpression::Node::Kind kind, NodePtr l, NodePtr r) {
        auto node = std::make_unique<FilterExpression::Node>();
        node->kind = kind;
        node->left = std::move(l);
        node->right = std::move(r);
        return node;
    }

    NodePtr parseOr() {
        auto node = parseAnd();
        while (isKeyword(peek(), "or")) {
            take();
            node = join(FilterExpression::Node::Or, std::move(node), parseAnd());
        }
        return node;
    }
    NodePtr parseAnd() {
        auto node = parseNot();
        while (isKeyword(peek(), "and")) {
            take();
            node = join(FilterExpression::Node::And, std::move(node), parseNot());
        }
        return node;
    }
    NodePtr parseNot() {
        if (isKeyword(peek(), "not")) {
            take();
            return join(FilterExpression::Node::Not, parseNot(), nullptr);
        }
        return parsePrimary();
    }
    NodePtr parsePrimary() {
        if (peek().kind == Token::LParen) {
            take();
            auto node = parseOr();
            if (peek().kind != Token::RParen)
                fail(m_source, peek().pos, QStringLiteral("очікується \")\""));
            take();
            return node;
        }
        const Token field = take();
        if (field.kind != Token::Ident || isKeyword(field, "and") || isKeyword(field, "or") ||
            isKeyword(field, "null"))
            fail(m_source, field.pos, QStringLiteral("очікується ім'я поля"));
        const Token oper = take();
        if (oper.kind != Token::Oper)
            fail(m_source, oper.pos, QStringLiteral("очікується знак порівняння"));
        auto node = std::make_unique<FilterExpression::Node>();
        node->field = field.text;
        const QString& o = oper.text;
        node->op = o == QLatin1String("=")    ? Op::Eq
                   : o == QLatin1String("<>") ? Op::Ne
                   : o == QLatin1String("<")  ? Op::Lt
                   : o == QLatin1String(">")  ? Op::Gt
                   : o == QLatin1String("<=") ? Op::Le
                                              : Op::Ge;
        const Token value = take();
        if (value.kind == Token::Text) {
            node->constant = value.text;
        } else if (value.kind == Token::Number) {
            QString text = value.text;
            text.replace(QLatin1Char(','), QLatin1Char('.'));
            bool ok = false;
            const double d = text.toDouble(&ok);
            if (!ok)
                fail(m_source, value.pos, QStringLiteral("неправильне число \"%1\"").arg(value.text));
            node->constant = d;
        } else if (isKeyword(value, "null")) {
            node->constant = QVariant();
        } else if (isKeyword(value, "true") || isKeyword(value, "false")) {
            node->constant = isKeyword(value, "true");
        } else {
            fail(m_source, value.pos, QStringLiteral("очікується значення"));
        }
        return node;
    }

    QString m_source;
    std::vector<Token> m_tokens;
    size_t m_pos = 0;
};

} // namespace

FilterExpression::FilterExpression() = default;
FilterExpression::~FilterExpression() = default;
FilterExpression::FilterExpression(FilterExpression&&) noexcept = default;
FilterExpression& FilterExpression::operator=(FilterExpression&&) noexcept = default;

FilterExpression FilterExpression::parse(const QString& text) {
    FilterExpression result;
    if (text.trimmed().isEmpty())
        return result;
    Parser parser(text);
    result.m_root = parser.parseAll();
    return result;
}

bool FilterExpression::matches(const FieldLookup& lookup) const {
    return !m_root || m_root->eval(lookup);
}

} // namespace velta::data
