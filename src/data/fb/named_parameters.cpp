#include "data/fb/named_parameters.h"

#include <QRegularExpression>

namespace velta::data::fb {

namespace {

bool isPsql(const QString& sql) {
    // The first keywords decide; comments before them are rare enough in this
    // program's statements to be ignored.
    static const QRegularExpression psql(
        QStringLiteral(R"(^\s*(execute\s+block|(create|alter|recreate)(\s+or\s+alter)?\s+)"
                       R"((procedure|trigger|function|package)))"),
        QRegularExpression::CaseInsensitiveOption);
    return psql.match(sql).hasMatch();
}

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_';
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

} // namespace

MappedStatement mapNamedParameters(const QString& sql) {
    MappedStatement out;
    if (isPsql(sql)) {
        out.sql = sql;
        return out;
    }
    out.sql.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            // A literal or a quoted identifier; a doubled quote is an escape
            // and simply reopens it.
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            out.sql += sql.mid(i, stop - i);
            i = stop;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            out.sql += sql.mid(i, stop - i);
            i = stop;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out.sql += sql.mid(i, stop - i);
            i = stop;
        } else if (c == u':' && i + 1 < n && isNameStart(sql[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(sql[j]))
                ++j;
            out.names.push_back(sql.mid(i + 1, j - i - 1));
            out.sql += u'?';
            i = j;
        } else if (c == u'?') {
            out.names.push_back(QString());
            out.sql += c;
            ++i;
        } else {
            out.sql += c;
            ++i;
        }
    }
    return out;
}

} // namespace velta::data::fb
