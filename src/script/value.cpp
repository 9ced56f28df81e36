#include "script/value.h"

#include "core/number_format.h"
#include "core/number_text.h"
#include "script/script_error.h"
#include "script/script_object.h"

#include <cmath>

namespace velta::script {
namespace {

const QDate kEpoch(1899, 12, 30);

QString numberText(const QString& text) {
    return QStringLiteral("«%1»").arg(text.left(100));
}

} // namespace

Value::Value(std::shared_ptr<ValueArray> array) : m_kind(ValueKind::Array), m_array(std::move(array)) {}

Value::Value(std::shared_ptr<ScriptObject> object) : m_kind(ValueKind::Object), m_object(std::move(object)) {
    if (!m_object)
        m_kind = ValueKind::Null;
}

Value Value::date(double days) {
    Value v(days);
    v.m_kind = ValueKind::Date;
    return v;
}

Value Value::array(std::vector<Value> items, int low) {
    auto a = std::make_shared<ValueArray>();
    a->items = std::move(items);
    a->low = low;
    return Value(std::move(a));
}

bool Value::parseNumber(const QString& text, Value& result) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    if (t.startsWith(QLatin1Char('$'))) {
        const qint64 i = t.mid(1).toLongLong(&ok, 16);
        if (ok)
            result = Value(i);
        return ok;
    }
    const qint64 i = t.toLongLong(&ok, 10);
    if (ok) {
        result = Value(i);
        return true;
    }
    QString f = t;
    const QChar sep = core::NumberFormat::current().decimalSeparator;
    if (sep != QLatin1Char('.'))
        f.replace(sep, QLatin1Char('.'));
    // Reject what QString::toDouble would take but a Pascal number is not.
    for (QChar c : f) {
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+') ||
              c == QLatin1Char('e') || c == QLatin1Char('E')))
            return false;
    }
    const double d = f.toDouble(&ok);
    if (ok && std::isfinite(d)) {
        result = Value(d);
        return true;
    }
    return false;
}

bool Value::toBool() const {
    switch (m_kind) {
    case ValueKind::Null:
        return false;
    case ValueKind::Boolean:
    case ValueKind::Integer:
        return m_int != 0;
    case ValueKind::Float:
    case ValueKind::Date:
        return m_float != 0.0;
    case ValueKind::String: {
        if (m_string.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (m_string.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        Value n;
        if (parseNumber(m_string, n))
            return n.toBool();
        throw ScriptError::ofClass(
            QStringLiteral("Неможливо перетворити %1 на логічне значення").arg(numberText(m_string)),
            QStringLiteral("EConvertError"));
    }
    case ValueKind::Array:
    case ValueKind::Object:
        break;
    }
    throw ScriptError(QStringLiteral("Неможливо перетворити %1 на логічне значення").arg(kindName()));
}

qint64 Value::toInt() const {
    switch (m_kind) {
    case ValueKind::Null:
        return 0;
    case ValueKind::Boolean:
    case ValueKind::Integer:
        return m_int;
    case ValueKind::Float:
    case ValueKind::Date: {
        const double r = std::nearbyint(m_float);
        if (!std::isfinite(r) || r >= 9.2e18 || r <= -9.2e18)
            throw ScriptError(
                QStringLiteral("Число %1 за межами цілих чисел").arg(core::GeneralText(m_float)));
        return static_cast<qint64>(r);
    }
    case ValueKind::String: {
        Value n;
        if (parseNumber(m_string, n))
            return n.toInt();
        throw ScriptError::ofClass(
            QStringLiteral("Неможливо перетворити %1 на число").arg(numberText(m_string)),
            QStringLiteral("EConvertError"));
    }
    case ValueKind::Array:
    case ValueKind::Object:
        break;
    }
    throw ScriptError(QStringLiteral("Неможливо перетворити %1 на число").arg(kindName()));
}

double Value::toFloat() const {
    switch (m_kind) {
    case ValueKind::Null:
        return 0.0;
    case ValueKind::Boolean:
    case ValueKind::Integer:
        return static_cast<double>(m_int);
    case ValueKind::Float:
    case ValueKind::Date:
        return m_float;
    case ValueKind::String: {
        Value n;
        if (parseNumber(m_string, n))
            return n.toFloat();
        throw ScriptError::ofClass(
            QStringLiteral("Неможливо перетворити %1 на число").arg(numberText(m_string)),
            QStringLiteral("EConvertError"));
    }
    case ValueKind::Array:
    case ValueKind::Object:
        break;
    }
    throw ScriptError(QStringLiteral("Неможливо перетворити %1 на число").arg(kindName()));
}

QString Value::toString() const {
    switch (m_kind) {
    case ValueKind::Null:
        return QString();
    case ValueKind::Boolean:
        return m_int ? QStringLiteral("True") : QStringLiteral("False");
    case ValueKind::Integer:
        return QString::number(m_int);
    case ValueKind::Float:
        return core::GeneralText(m_float);
    case ValueKind::Date:
        return m_float == std::floor(m_float) ? dateToText(m_float) : dateTimeToText(m_float);
    case ValueKind::String:
        return m_string;
    case ValueKind::Array:
    case ValueKind::Object:
        break;
    }
    throw ScriptError(QStringLiteral("Неможливо перетворити %1 на рядок").arg(kindName()));
}

bool Value::operator==(const Value& other) const {
    if (isNumber() || isBoolean()) {
        if (!(other.isNumber() || other.isBoolean()))
            return false;
        if ((isInteger() || isBoolean()) && (other.isInteger() || other.isBoolean()))
            return m_int == other.m_int;
        return toFloat() == other.toFloat();
    }
    if (m_kind != other.m_kind)
        return false;
    switch (m_kind) {
    case ValueKind::Null:
        return true;
    case ValueKind::String:
        return m_string == other.m_string;
    case ValueKind::Array:
        return m_array == other.m_array;
    case ValueKind::Object:
        return m_object == other.m_object;
    default:
        return false;
    }
}

QString Value::kindName() const {
    switch (m_kind) {
    case ValueKind::Null:
        return QStringLiteral("Null");
    case ValueKind::Boolean:
        return QStringLiteral("Boolean");
    case ValueKind::Integer:
        return QStringLiteral("Integer");
    case ValueKind::Float:
        return QStringLiteral("Extended");
    case ValueKind::Date:
        return QStringLiteral("TDateTime");
    case ValueKind::String:
        return QStringLiteral("String");
    case ValueKind::Array:
        return QStringLiteral("Array");
    case ValueKind::Object:
        return m_object ? m_object->className() : QStringLiteral("TObject");
    }
    return QString();
}

QDateTime dateTimeFromDays(double days) {
    if (!std::isfinite(days) || days > 3e6 || days < -7e5)
        return QDateTime();
    const double whole = std::floor(days);
    double fraction = days - whole;
    qint64 msecs = static_cast<qint64>(std::llround(fraction * 86400000.0));
    QDate date = kEpoch.addDays(static_cast<qint64>(whole));
    if (msecs >= 86400000) {
        date = date.addDays(1);
        msecs -= 86400000;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs)));
}

double daysFromDate(const QDate& date) {
    return static_cast<double>(kEpoch.daysTo(date));
}

double daysFromDateTime(const QDateTime& dateTime) {
    return daysFromDate(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / 86400000.0;
}

namespace {
QDateTime checkedDateTime(double days) {
    QDateTime dt = dateTimeFromDays(days);
    if (!dt.isValid())
        throw ScriptError(QStringLiteral("Число %1 не є датою").arg(core::GeneralText(days)));
    return dt;
}
} // namespace

QString dateToText(double days) {
    return checkedDateTime(days).date().toString(core::NumberFormat::current().shortDateFormat);
}

QString timeToText(double days) {
    return checkedDateTime(days).time().toString(core::NumberFormat::current().longTimeFormat);
}

QString dateTimeToText(double days) {
    const QDateTime dt = checkedDateTime(days);
    QString text = dt.date().toString(core::NumberFormat::current().shortDateFormat);
    if (dt.time().msecsSinceStartOfDay() != 0)
        text += QLatin1Char(' ') + dt.time().toString(core::NumberFormat::current().longTimeFormat);
    return text;
}

} // namespace velta::script
