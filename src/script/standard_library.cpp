#include "script/standard_library.h"

#include "core/number_format.h"
#include "core/number_text.h"
#include "script/script.h"

#include <QDate>
#include <QLocale>

#include <cmath>
#include <limits>

namespace velta::script {
namespace {

using Args = std::vector<Value>;

ScriptError fault(const QString& message) {
    return ScriptError(message);
}

double finite(double d) {
    if (!std::isfinite(d))
        throw fault(QStringLiteral("Недопустима операція з плаваючою комою"));
    return d;
}

qint64 truncated(double d) {
    if (!std::isfinite(d) || d >= 9.2e18 || d <= -9.2e18)
        throw fault(QStringLiteral("Число %1 за межами цілих чисел").arg(core::GeneralText(d)));
    return static_cast<qint64>(d);
}

QDate dateOf(const Value& v) {
    const QDateTime dt = dateTimeFromDays(v.toFloat());
    if (!dt.isValid())
        throw fault(QStringLiteral("Число %1 не є датою").arg(v.toString()));
    return dt.date();
}

QTime timeOf(const Value& v) {
    const QDateTime dt = dateTimeFromDays(v.toFloat());
    if (!dt.isValid())
        throw fault(QStringLiteral("Число %1 не є датою").arg(v.toString()));
    return dt.time();
}

bool readDate(const QString& text, double& days) {
    // The order of day, month and year follows the short date format; any
    // non-digit separates the parts.
    const QString format = core::NumberFormat::current().shortDateFormat.toLower();
    const int d = format.indexOf(QLatin1Char('d'));
    const int m = format.indexOf(QLatin1Char('m'));
    const int y = format.indexOf(QLatin1Char('y'));
    QStringList parts;
    QString current;
    for (QChar c : text.trimmed()) {
        if (c.isDigit()) {
            current += c;
        } else if (!current.isEmpty()) {
            parts << current;
            current.clear();
        } else if (!c.isSpace() && parts.isEmpty()) {
            return false;
        }
    }
    if (!current.isEmpty())
        parts << current;
    if (parts.size() != 3)
        return false;
    std::vector<std::pair<int, char>> order = {{d, 'd'}, {m, 'm'}, {y, 'y'}};
    std::sort(order.begin(), order.end());
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        if (parts[i].size() > 4)
            return false;
        const int n = parts[i].toInt();
        (order[i].second == 'd' ? day : order[i].second == 'm' ? month : year) = n;
    }
    if (year < 100)
        year += year < 50 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    days = daysFromDate(date);
    return true;
}

// Delphi's FormatDateTime specifiers: d dd ddd dddd m mm mmm mmmm yy yyyy
// h hh n nn s ss z zzz, "m" after an hour meaning minutes, / and : the
// separators, quoted text as it is.
QString formatDateTime(const QString& format, double days) {
    const QDateTime dt = dateTimeFromDays(days);
    if (!dt.isValid())
        throw fault(QStringLiteral("Число %1 не є датою").arg(core::GeneralText(days)));
    const QDate date = dt.date();
    const QTime time = dt.time();
    const QLocale uk(QLocale::Ukrainian, QLocale::Ukraine);
    QString out;
    bool afterHour = false;
    const int n = static_cast<int>(format.size());
    for (int i = 0; i < n;) {
        const QChar c = format.at(i);
        const QChar lc = c.toLower();
        int run = 1;
        while (i + run < n && format.at(i + run).toLower() == lc)
            ++run;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int end = format.indexOf(c, i + 1);
            if (end < 0) {
                out += format.mid(i + 1);
                break;
            }
            out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (lc == QLatin1Char('d')) {
            if (run == 1)
                out += QString::number(date.day());
            else if (run == 2)
                out += QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
            else if (run == 3)
                out += uk.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else
                out += uk.dayName(date.dayOfWeek(), QLocale::LongFormat);
        } else if (lc == QLatin1Char('m')) {
            if (afterHour && run <= 2) {
                out += run == 1 ? QString::number(time.minute())
                                : QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
            } else if (run == 1) {
                out += QString::number(date.month());
            } else if (run == 2) {
                out += QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
            } else if (run == 3) {
                out += uk.standaloneMonthName(date.month(), QLocale::ShortFormat);
            } else {
                out += uk.standaloneMonthName(date.month(), QLocale::LongFormat);
            }
            afterHour = false;
        } else if (lc == QLatin1Char('y')) {
            out += run <= 2 ? QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'))
                            : QString::number(date.year());
        } else if (lc == QLatin1Char('h')) {
            out += run == 1 ? QString::number(time.hour())
                            : QStringLiteral("%1").arg(time.hour(), 2, 10, QLatin1Char('0'));
            afterHour = true;
            i += run;
            continue;
        } else if (lc == QLatin1Char('n')) {
            out += run == 1 ? QString::number(time.minute())
                            : QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
        } else if (lc == QLatin1Char('s')) {
            out += run == 1 ? QString::number(time.second())
                            : QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0'));
        } else if (lc == QLatin1Char('z')) {
            out += run < 3 ? QString::number(time.msec())
                           : QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'));
        } else if (c == QLatin1Char('/')) {
            out += QString(run, QLatin1Char('.'));
        } else {
            out += format.mid(i, run);
            if (!c.isSpace() && c != QLatin1Char(':'))
                afterHour = false;
        }
        i += run;
    }
    return out;
}

QString groupThousands(const QString& digits) {
    QString out;
    const QChar sep = core::NumberFormat::current().thousandSeparator;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += sep;
        out += digits.at(i);
    }
    return out;
}

QString fixed(double value, int precision, bool grouped) {
    QString t = QString::number(value, 'f', precision);
    bool negative = t.startsWith(QLatin1Char('-'));
    if (negative)
        t.remove(0, 1);
    const int dot = t.indexOf(QLatin1Char('.'));
    QString whole = dot >= 0 ? t.left(dot) : t;
    const QString frac = dot >= 0 ? t.mid(dot + 1) : QString();
    if (grouped)
        whole = groupThousands(whole);
    QString out = whole;
    if (!frac.isEmpty())
        out += core::NumberFormat::current().decimalSeparator + frac;
    return negative ? QLatin1Char('-') + out : out;
}

// Delphi's Format: %[index:][-][width][.precision]type with the types
// d u e f g n m s x p, and %%.
QString format(const QString& fmt, const Value& argsValue) {
    std::vector<Value> args;
    if (argsValue.isArray())
        args = argsValue.arrayPtr()->items;
    else if (!argsValue.isNull())
        args.push_back(argsValue);
    QString out;
    size_t next = 0;
    const int n = static_cast<int>(fmt.size());
    auto bad = [&] { return fault(QStringLiteral("Неправильний формат «%1»").arg(fmt)); };
    for (int i = 0; i < n; ++i) {
        const QChar c = fmt.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (++i >= n)
            throw bad();
        if (fmt.at(i) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            continue;
        }
        auto number = [&](int& value) {
            bool any = false;
            value = 0;
            while (i < n && fmt.at(i).isDigit()) {
                value = value * 10 + fmt.at(i).digitValue();
                if (value > 1000)
                    throw bad();
                ++i;
                any = true;
            }
            return any;
        };
        int value = 0;
        const int start = i;
        if (number(value) && i < n && fmt.at(i) == QLatin1Char(':')) {
            next = static_cast<size_t>(value);
            ++i;
        } else {
            i = start;
        }
        bool left = false;
        if (i < n && fmt.at(i) == QLatin1Char('-')) {
            left = true;
            ++i;
        }
        int width = 0;
        number(width);
        int precision = -1;
        if (i < n && fmt.at(i) == QLatin1Char('.')) {
            ++i;
            number(precision);
        }
        if (i >= n)
            throw bad();
        const QChar type = fmt.at(i).toLower();
        if (next >= args.size())
            throw bad();
        const Value& a = args[next++];
        QString piece;
        if (type == QLatin1Char('d') || type == QLatin1Char('u')) {
            if (!a.isInteger())
                throw bad();
            piece = QString::number(a.toInt());
            if (precision > 0 && piece.size() < precision)
                piece = piece.startsWith(QLatin1Char('-'))
                            ? QLatin1Char('-') + piece.mid(1).rightJustified(precision, QLatin1Char('0'))
                            : piece.rightJustified(precision, QLatin1Char('0'));
        } else if (type == QLatin1Char('f') || type == QLatin1Char('n') || type == QLatin1Char('m')) {
            piece = fixed(a.toFloat(), precision < 0 ? 2 : std::min(precision, 18), type != QLatin1Char('f'));
        } else if (type == QLatin1Char('e')) {
            piece = QString::number(a.toFloat(), 'E', precision < 0 ? 15 : std::min(precision, 18) - 1);
            piece.replace(QLatin1Char('.'), core::NumberFormat::current().decimalSeparator);
        } else if (type == QLatin1Char('g')) {
            piece = core::GeneralText(a.toFloat());
        } else if (type == QLatin1Char('s')) {
            piece = a.toString();
            if (precision >= 0)
                piece = piece.left(precision);
        } else if (type == QLatin1Char('x')) {
            if (!a.isInteger())
                throw bad();
            piece = QString::number(static_cast<quint64>(a.toInt()), 16).toUpper();
            if (precision > 0)
                piece = piece.rightJustified(precision, QLatin1Char('0'));
        } else {
            throw bad();
        }
        if (piece.size() < width)
            piece = left ? piece.leftJustified(width) : piece.rightJustified(width);
        out += piece;
    }
    return out;
}

QString nameCase(const QString& s) {
    QString out = s.toLower();
    bool start = true;
    for (QChar& c : out) {
        if (c.isLetter()) {
            if (start)
                c = c.toUpper();
            start = false;
        } else {
            start = true;
        }
    }
    return out;
}

void setLength(Script& script, Value& target, qint64 length) {
    if (length < 0)
        length = 0;
    if (target.isArray() || !target.isString()) {
        if (length > script.limits().maxArrayLength)
            throw ScriptError(QStringLiteral("Масив у сценарії звіту надто великий"), -1,
                              ScriptError::Kind::Limit);
        auto a = std::make_shared<ValueArray>();
        if (target.isArray()) {
            a->items = target.arrayPtr()->items;
            a->low = target.arrayPtr()->low;
            a->defaultItem = target.arrayPtr()->defaultItem;
        }
        const Value fill = a->defaultItem ? *a->defaultItem : Value();
        script.chargeSteps(length - static_cast<qint64>(a->items.size()));
        a->items.resize(static_cast<size_t>(length), fill);
        target = Value(a);
        return;
    }
    if (length > script.limits().maxStringLength)
        throw ScriptError(QStringLiteral("Рядок у сценарії звіту надто довгий"), -1,
                          ScriptError::Kind::Limit);
    QString s = target.toString();
    s = s.left(static_cast<int>(length)).leftJustified(static_cast<int>(length), QLatin1Char(' '));
    target = Value(s);
}

Value minMax(const Args& a, bool wantMin) {
    Value x, y;
    const double l = a[0].toFloat();
    const double r = a[1].toFloat();
    const bool takeLeft = wantMin ? l <= r : l >= r;
    const Value& v = takeLeft ? a[0] : a[1];
    if (v.isString())
        return Value(v.toFloat());
    return v;
}

} // namespace

void registerStandardLibrary(Script& s) {
    const QString conv = QStringLiteral("Перетворення");
    const QString str = QStringLiteral("Рядки");
    const QString math = QStringLiteral("Математика");
    const QString dates = QStringLiteral("Дата і час");
    const QString other = QStringLiteral("Інші");
    auto add = [&s](const char* decl, const QString& category, auto body) {
        s.addFunction(QString::fromUtf8(decl), category,
                      [body](Script& script, const QString&, Args& a) -> Value { return body(script, a); });
    };

    // ---- conversions ----
    add("function IntToStr(i: Integer): String", conv,
        [](Script&, Args& a) { return Value(QString::number(a[0].toInt())); });
    add("function FloatToStr(e: Extended): String", conv,
        [](Script&, Args& a) { return Value(core::GeneralText(a[0].toFloat())); });
    add("function StrToInt(s: String): Integer", conv, [](Script&, Args& a) {
        Value n;
        if (!Value::parseNumber(a[0].toString(), n) || !n.isInteger())
            throw ScriptError::ofClass(
                QStringLiteral("«%1» не є правильним цілим числом").arg(a[0].toString().left(100)),
                QStringLiteral("EConvertError"));
        return n;
    });
    add("function StrToInt64(s: String): Int64", conv, [](Script&, Args& a) {
        Value n;
        if (!Value::parseNumber(a[0].toString(), n) || !n.isInteger())
            throw ScriptError::ofClass(
                QStringLiteral("«%1» не є правильним цілим числом").arg(a[0].toString().left(100)),
                QStringLiteral("EConvertError"));
        return n;
    });
    add("function StrToFloat(s: String): Extended", conv, [](Script&, Args& a) {
        Value n;
        if (!Value::parseNumber(a[0].toString(), n))
            throw ScriptError::ofClass(
                QStringLiteral("«%1» не є правильним числом").arg(a[0].toString().left(100)),
                QStringLiteral("EConvertError"));
        return Value(n.toFloat());
    });
    add("function StrToDate(s: String): TDateTime", conv, [](Script&, Args& a) {
        double days = 0;
        if (!readDate(a[0].toString(), days))
            throw ScriptError::ofClass(
                QStringLiteral("«%1» не є правильною датою").arg(a[0].toString().left(100)),
                QStringLiteral("EConvertError"));
        return Value::date(days);
    });
    add("function DateToStr(e: Extended): String", conv,
        [](Script&, Args& a) { return Value(dateToText(std::floor(a[0].toFloat()))); });
    add("function TimeToStr(e: Extended): String", conv,
        [](Script&, Args& a) { return Value(timeToText(a[0].toFloat())); });
    add("function DateTimeToStr(e: Extended): String", conv,
        [](Script&, Args& a) { return Value(dateTimeToText(a[0].toFloat())); });
    add("function BoolToStr(b: Boolean; UseBoolStrs: Boolean = True): String", conv, [](Script&, Args& a) {
        const bool b = a[0].toBool();
        if (a[1].toBool())
            return Value(b ? QStringLiteral("True") : QStringLiteral("False"));
        return Value(b ? QStringLiteral("-1") : QStringLiteral("0"));
    });
    add("function StrToBool(s: String): Boolean", conv,
        [](Script&, Args& a) { return Value(a[0].toBool()); });
    add("function VarToStr(v: Variant): String", conv,
        [](Script&, Args& a) { return Value(a[0].toString()); });
    add("function ValidInt(cInt: String): Boolean", conv, [](Script&, Args& a) {
        Value n;
        return Value(Value::parseNumber(a[0].toString(), n) && n.isInteger());
    });
    add("function ValidFloat(cFlt: String): Boolean", conv, [](Script&, Args& a) {
        Value n;
        return Value(Value::parseNumber(a[0].toString(), n));
    });
    add("function ValidDate(cDate: String): Boolean", conv, [](Script&, Args& a) {
        double d = 0;
        return Value(readDate(a[0].toString(), d));
    });
    // Patterns "0.00", "#,##0.00": the program's one pattern formatter, halves away from zero.
    add("function FormatFloat(Fmt: String; Value: Extended): String", conv,
        [](Script&, Args& a) { return Value(core::FormatFloat(a[0].toString(), a[1].toFloat())); });
    add("function FormatDateTime(Fmt: String; DateTime: TDateTime): String", conv,
        [](Script&, Args& a) { return Value(formatDateTime(a[0].toString(), a[1].toFloat())); });
    add("function Format(Fmt: String; Args: array of const): String", conv,
        [](Script&, Args& a) { return Value(format(a[0].toString(), a[1])); });

    // ---- strings ----
    add("function Length(s: Variant): Integer", str, [](Script&, Args& a) {
        if (a[0].isArray())
            return Value(static_cast<qint64>(a[0].arrayPtr()->items.size()));
        return Value(static_cast<qint64>(a[0].toString().size()));
    });
    add("function Copy(s: String; from, count: Integer): String", str, [](Script&, Args& a) {
        const QString t = a[0].toString();
        qint64 from = a[1].toInt();
        const qint64 count = a[2].toInt();
        if (from < 1)
            from = 1;
        if (count <= 0 || from > t.size())
            return Value(QString());
        return Value(t.mid(static_cast<int>(from - 1), static_cast<int>(std::min<qint64>(count, t.size()))));
    });
    add("function Pos(substr, s: String): Integer", str, [](Script&, Args& a) {
        return Value(static_cast<qint64>(a[1].toString().indexOf(a[0].toString()) + 1));
    });
    add("procedure Delete(var s: String; from, count: Integer)", str, [](Script&, Args& a) {
        QString t = a[0].toString();
        const qint64 from = a[1].toInt();
        const qint64 count = a[2].toInt();
        if (from >= 1 && from <= t.size() && count > 0)
            t.remove(static_cast<int>(from - 1), static_cast<int>(std::min<qint64>(count, t.size())));
        a[0] = Value(t);
        return Value();
    });
    add("procedure Insert(s: String; var s2: String; pos: Integer)", str, [](Script& script, Args& a) {
        QString t = a[1].toString();
        qint64 pos = std::clamp<qint64>(a[2].toInt(), 1, t.size() + 1);
        if (static_cast<qint64>(t.size()) + a[0].toString().size() > script.limits().maxStringLength)
            throw ScriptError(QStringLiteral("Рядок у сценарії звіту надто довгий"), -1,
                              ScriptError::Kind::Limit);
        t.insert(static_cast<int>(pos - 1), a[0].toString());
        a[1] = Value(t);
        return Value();
    });
    add("function Trim(s: String): String", str,
        [](Script&, Args& a) { return Value(a[0].toString().trimmed()); });
    add("function TrimLeft(s: String): String", str, [](Script&, Args& a) {
        const QString t = a[0].toString();
        int i = 0;
        while (i < t.size() && t.at(i).isSpace())
            ++i;
        return Value(t.mid(i));
    });
    add("function TrimRight(s: String): String", str, [](Script&, Args& a) {
        QString t = a[0].toString();
        while (!t.isEmpty() && t.back().isSpace())
            t.chop(1);
        return Value(t);
    });
    // Templates hold Cyrillic text, so both families change every letter.
    add("function UpperCase(s: String): String", str,
        [](Script&, Args& a) { return Value(a[0].toString().toUpper()); });
    add("function LowerCase(s: String): String", str,
        [](Script&, Args& a) { return Value(a[0].toString().toLower()); });
    add("function AnsiUpperCase(s: String): String", str,
        [](Script&, Args& a) { return Value(a[0].toString().toUpper()); });
    add("function AnsiLowerCase(s: String): String", str,
        [](Script&, Args& a) { return Value(a[0].toString().toLower()); });
    add("function CompareText(s1, s2: String): Integer", str, [](Script&, Args& a) {
        const int c = a[0].toString().compare(a[1].toString(), Qt::CaseInsensitive);
        return Value(c < 0 ? -1 : (c > 0 ? 1 : 0));
    });
    add("function NameCase(s: String): String", str,
        [](Script&, Args& a) { return Value(nameCase(a[0].toString())); });
    add("function Chr(i: Integer): Char", str, [](Script&, Args& a) {
        const qint64 code = a[0].toInt();
        if (code < 0 || code > 0xFFFF)
            throw fault(QStringLiteral("Код символу %1 неможливий").arg(code));
        return Value(QString(QChar(static_cast<char16_t>(code))));
    });
    add("function Ord(ch: Variant): Integer", str, [](Script&, Args& a) {
        if (a[0].isString()) {
            const QString t = a[0].toString();
            if (t.isEmpty())
                throw fault(QStringLiteral("Ord потребує символу"));
            return Value(static_cast<qint64>(t.at(0).unicode()));
        }
        return Value(a[0].toInt());
    });
    add("procedure SetLength(var S: Variant; L: Integer)", str, [](Script& script, Args& a) {
        setLength(script, a[0], a[1].toInt());
        return Value();
    });

    // ---- arithmetic ----
    add("function Int(e: Extended): Extended", math,
        [](Script&, Args& a) { return Value(std::trunc(a[0].toFloat())); });
    add("function Frac(X: Extended): Extended", math, [](Script&, Args& a) {
        const double x = a[0].toFloat();
        return Value(x - std::trunc(x));
    });
    // Round sends an exact half to the even neighbour, as the language does.
    add("function Round(e: Extended): Int64", math,
        [](Script&, Args& a) { return Value(truncated(std::nearbyint(a[0].toFloat()))); });
    add("function Trunc(e: Extended): Int64", math,
        [](Script&, Args& a) { return Value(truncated(a[0].toFloat())); });
    add("function Abs(e: Variant): Variant", math, [](Script&, Args& a) {
        if (a[0].isInteger()) {
            const qint64 i = a[0].toInt();
            if (i == std::numeric_limits<qint64>::min())
                return Value(-static_cast<double>(i));
            return Value(i < 0 ? -i : i);
        }
        return Value(std::fabs(a[0].toFloat()));
    });
    add("function Sqrt(e: Extended): Extended", math, [](Script&, Args& a) {
        const double x = a[0].toFloat();
        if (x < 0)
            throw fault(QStringLiteral("Корінь з від'ємного числа"));
        return Value(std::sqrt(x));
    });
    add("function Sqr(e: Extended): Extended", math, [](Script&, Args& a) {
        if (a[0].isInteger()) {
            const qint64 i = a[0].toInt();
            qint64 r = 0;
            if (!__builtin_mul_overflow(i, i, &r))
                return Value(r);
        }
        const double x = a[0].toFloat();
        return Value(finite(x * x));
    });
    add("function Exp(e: Extended): Extended", math,
        [](Script&, Args& a) { return Value(finite(std::exp(a[0].toFloat()))); });
    add("function Ln(e: Extended): Extended", math, [](Script&, Args& a) {
        const double x = a[0].toFloat();
        if (x <= 0)
            throw fault(QStringLiteral("Логарифм недодатного числа"));
        return Value(std::log(x));
    });
    add("function Sin(e: Extended): Extended", math,
        [](Script&, Args& a) { return Value(finite(std::sin(a[0].toFloat()))); });
    add("function Cos(e: Extended): Extended", math,
        [](Script&, Args& a) { return Value(finite(std::cos(a[0].toFloat()))); });
    add("function Tan(X: Extended): Extended", math,
        [](Script&, Args& a) { return Value(finite(std::tan(a[0].toFloat()))); });
    add("function ArcTan(X: Extended): Extended", math,
        [](Script&, Args& a) { return Value(std::atan(a[0].toFloat())); });
    add("function Pi: Extended", math, [](Script&, Args&) { return Value(M_PI); });
    add("function Power(Base, Exponent: Extended): Extended", math,
        [](Script&, Args& a) { return Value(finite(std::pow(a[0].toFloat(), a[1].toFloat()))); });
    add("function Min(A, B: Variant): Variant", math, [](Script&, Args& a) { return minMax(a, true); });
    add("function Max(A, B: Variant): Variant", math, [](Script&, Args& a) { return minMax(a, false); });

    // ---- dates ----
    add("function Date: TDateTime", dates,
        [](Script&, Args&) { return Value::date(daysFromDate(QDate::currentDate())); });
    add("function Time: TDateTime", dates,
        [](Script&, Args&) { return Value::date(QTime::currentTime().msecsSinceStartOfDay() / 86400000.0); });
    add("function Now: TDateTime", dates,
        [](Script&, Args&) { return Value::date(daysFromDateTime(QDateTime::currentDateTime())); });
    add("function DayOf(date: TDateTime): Integer", dates,
        [](Script&, Args& a) { return Value(dateOf(a[0]).day()); });
    add("function MonthOf(date: TDateTime): Integer", dates,
        [](Script&, Args& a) { return Value(dateOf(a[0]).month()); });
    add("function YearOf(date: TDateTime): Integer", dates,
        [](Script&, Args& a) { return Value(dateOf(a[0]).year()); });
    add("function IncMonth(date: TDateTime; months: Integer = 1): TDateTime", dates, [](Script&, Args& a) {
        const double days = a[0].toFloat();
        const qint64 months = a[1].toInt();
        if (months > 120000 || months < -120000)
            throw fault(QStringLiteral("Неправильна кількість місяців"));
        const QDate moved = dateOf(a[0]).addMonths(static_cast<int>(months));
        if (!moved.isValid())
            throw fault(QStringLiteral("Неправильна дата"));
        return Value::date(daysFromDate(moved) + (days - std::floor(days)));
    });
    add("function DaysBetween(ANow, AThen: TDateTime): Integer", dates, [](Script&, Args& a) {
        // A hair of tolerance so that a time of day computed in floats does
        // not lose a whole day.
        return Value(truncated(std::fabs(a[0].toFloat() - a[1].toFloat()) + 1e-9));
    });
    add("function IsLeapYear(Year: Word): Boolean", dates, [](Script&, Args& a) {
        const qint64 y = a[0].toInt();
        return Value((y % 4 == 0 && y % 100 != 0) || y % 400 == 0);
    });
    add("function EncodeDate(Year, Month, Day: Word): TDateTime", dates, [](Script&, Args& a) {
        const qint64 y = a[0].toInt(), m = a[1].toInt(), d = a[2].toInt();
        const QDate date(static_cast<int>(std::clamp<qint64>(y, 0, 100000)),
                         static_cast<int>(std::clamp<qint64>(m, 0, 13)),
                         static_cast<int>(std::clamp<qint64>(d, 0, 32)));
        if (y < 1 || y > 9999 || !date.isValid())
            throw fault(QStringLiteral("Неправильна дата %1.%2.%3").arg(d).arg(m).arg(y));
        return Value::date(daysFromDate(date));
    });
    add("procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word)", dates, [](Script&, Args& a) {
        const QDate d = dateOf(a[0]);
        a[1] = Value(d.year());
        a[2] = Value(d.month());
        a[3] = Value(d.day());
        return Value();
    });
    add("function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime", dates, [](Script&, Args& a) {
        const qint64 h = a[0].toInt(), m = a[1].toInt(), sec = a[2].toInt(), ms = a[3].toInt();
        if (h < 0 || h > 23 || m < 0 || m > 59 || sec < 0 || sec > 59 || ms < 0 || ms > 999)
            throw fault(QStringLiteral("Неправильний час"));
        return Value::date((((h * 60 + m) * 60 + sec) * 1000 + ms) / 86400000.0);
    });
    add("procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word)", dates, [](Script&, Args& a) {
        const QTime t = timeOf(a[0]);
        a[1] = Value(t.hour());
        a[2] = Value(t.minute());
        a[3] = Value(t.second());
        a[4] = Value(t.msec());
        return Value();
    });
    add("function DayOfWeek(aDate: TDateTime): Integer", dates,
        [](Script&, Args& a) { return Value(dateOf(a[0]).dayOfWeek() % 7 + 1); }); // Sunday is 1
    add("function DaysInMonth(nYear, nMonth: Integer): Integer", dates, [](Script&, Args& a) {
        const qint64 y = a[0].toInt(), m = a[1].toInt();
        const QDate d(static_cast<int>(std::clamp<qint64>(y, 1, 9999)),
                      static_cast<int>(std::clamp<qint64>(m, 1, 12)), 1);
        if (m < 1 || m > 12 || y < 1 || y > 9999)
            throw fault(QStringLiteral("Неправильний місяць"));
        return Value(d.daysInMonth());
    });

    // ---- others ----
    add("procedure Inc(var i: Variant; incr: Integer = 1)", other, [](Script&, Args& a) {
        qint64 r = 0;
        if (a[0].isInteger() && !__builtin_add_overflow(a[0].toInt(), a[1].toInt(), &r))
            a[0] = Value(r);
        else
            a[0] = Value(finite(a[0].toFloat() + a[1].toFloat()));
        return Value();
    });
    add("procedure Dec(var i: Variant; decr: Integer = 1)", other, [](Script&, Args& a) {
        qint64 r = 0;
        if (a[0].isInteger() && !__builtin_sub_overflow(a[0].toInt(), a[1].toInt(), &r))
            a[0] = Value(r);
        else
            a[0] = Value(finite(a[0].toFloat() - a[1].toFloat()));
        return Value();
    });
    // The interpreter evaluates IIF lazily itself; this entry lists it and
    // serves hosts that call it directly.
    add("function IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant", other,
        [](Script&, Args& a) { return a[0].toBool() ? a[1] : a[2]; });
    add("function InputBox(ACaption, APrompt, ADefault: String): String", other,
        [](Script&, Args& a) { return a[2]; });
    add("procedure ShowMessage(Msg: Variant)", other, [](Script&, Args&) { return Value(); });
    add("procedure RaiseException(Param: Variant)", other,
        [](Script&, Args& a) -> Value { throw ScriptError(a[0].toString(), -1, ScriptError::Kind::Raised); });
    add("function ExceptionMessage: String", other,
        [](Script& script, Args&) { return Value(script.lastExceptionMessage()); });
}

} // namespace velta::script
