#include "script/function_declaration.h"

#include "script/script_error.h"

namespace velta::script {
namespace {

ScriptError bad(const QString& text) {
    return ScriptError(QStringLiteral("Неправильне оголошення функції «%1»").arg(text), -1,
                       ScriptError::Kind::Syntax);
}

Value literal(const QString& text, const QString& declaration) {
    const QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('\'')) && t.endsWith(QLatin1Char('\'')))
        return Value(t.mid(1, t.size() - 2).replace(QLatin1String("''"), QLatin1String("'")));
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return Value(true);
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return Value(false);
    if (t.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0)
        return Value();
    bool ok = false;
    const qint64 i = t.toLongLong(&ok);
    if (ok)
        return Value(i);
    const double d = t.toDouble(&ok);
    if (ok)
        return Value(d);
    throw bad(declaration);
}

bool isName(const QString& s) {
    if (s.isEmpty() || !(s.at(0).isLetter() || s.at(0) == QLatin1Char('_')))
        return false;
    for (QChar c : s)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return false;
    return true;
}

} // namespace

int FunctionDeclaration::requiredCount() const {
    int n = 0;
    for (const FunctionParameter& p : parameters)
        if (!p.hasDefault)
            ++n;
    return n;
}

FunctionDeclaration FunctionDeclaration::parse(const QString& text) {
    FunctionDeclaration d;
    d.text = text;
    QString body = text;
    const int comment = body.indexOf(QLatin1String("//"));
    if (comment >= 0) {
        d.help = body.mid(comment + 2).trimmed();
        body = body.left(comment);
    }
    body = body.trimmed();
    if (body.endsWith(QLatin1Char(';')))
        body.chop(1);
    const int space = body.indexOf(QLatin1Char(' '));
    if (space < 0)
        throw bad(text);
    const QString kind = body.left(space).toLower();
    if (kind == QLatin1String("function"))
        d.isFunction = true;
    else if (kind != QLatin1String("procedure"))
        throw bad(text);
    QString rest = body.mid(space + 1).trimmed();
    const int open = rest.indexOf(QLatin1Char('('));
    QString params;
    QString tail;
    if (open >= 0) {
        const int close = rest.lastIndexOf(QLatin1Char(')'));
        if (close < open)
            throw bad(text);
        d.name = rest.left(open).trimmed();
        params = rest.mid(open + 1, close - open - 1);
        tail = rest.mid(close + 1).trimmed();
    } else {
        const int colon = rest.indexOf(QLatin1Char(':'));
        d.name = (colon >= 0 ? rest.left(colon) : rest).trimmed();
        tail = colon >= 0 ? rest.mid(colon).trimmed() : QString();
    }
    if (!isName(d.name))
        throw bad(text);
    if (d.isFunction) {
        if (!tail.startsWith(QLatin1Char(':')))
            throw bad(text);
        d.resultType = tail.mid(1).trimmed();
        if (d.resultType.isEmpty())
            throw bad(text);
    } else if (!tail.isEmpty()) {
        throw bad(text);
    }
    if (!params.trimmed().isEmpty()) {
        bool seenDefault = false;
        for (const QString& groupText : params.split(QLatin1Char(';'))) {
            QString group = groupText.trimmed();
            bool isVar = false;
            for (const char* word : {"var ", "const ", "out "}) {
                if (group.startsWith(QLatin1String(word), Qt::CaseInsensitive)) {
                    isVar = QLatin1String(word) != QLatin1String("const ");
                    group = group.mid(static_cast<int>(qstrlen(word))).trimmed();
                }
            }
            QString defaultText;
            const int eq = group.indexOf(QLatin1Char('='));
            if (eq >= 0) {
                defaultText = group.mid(eq + 1);
                group = group.left(eq);
            }
            QString type;
            const int colon = group.indexOf(QLatin1Char(':'));
            if (colon >= 0) {
                type = group.mid(colon + 1).trimmed();
                group = group.left(colon);
            }
            const QStringList names = group.split(QLatin1Char(','));
            for (const QString& n : names) {
                FunctionParameter p;
                p.name = n.trimmed();
                if (!isName(p.name))
                    throw bad(text);
                p.type = type;
                p.isVar = isVar;
                if (!defaultText.isNull()) {
                    p.hasDefault = true;
                    p.defaultValue = literal(defaultText, text);
                    seenDefault = true;
                } else if (seenDefault) {
                    throw bad(text);
                }
                d.parameters.push_back(std::move(p));
            }
        }
    }
    return d;
}

} // namespace velta::script
