#pragma once
// A value of the script language: the variant of the report scripts. Null,
// booleans, 64-bit integers, floats, dates (a float counting days from
// 30.12.1899, kept apart so that they print as dates), strings, arrays and
// host objects. Conversions follow the variant rules the templates were
// written against; a conversion that cannot be made throws ScriptError.

#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace velta::script {

class ScriptObject;
class Value;

// Dynamic arrays share their items, as the language's arrays do; SetLength
// makes a new one.
struct ValueArray {
    std::vector<Value> items;
    int low = 0; // index of the first item (static arrays may start at 1)
    std::shared_ptr<Value> defaultItem;
};

enum class ValueKind { Null, Boolean, Integer, Float, Date, String, Array, Object };

class Value {
public:
    Value() = default;
    Value(bool b) : m_kind(ValueKind::Boolean) { m_int = b ? 1 : 0; }
    Value(int i) : m_kind(ValueKind::Integer) { m_int = i; }
    Value(qint64 i) : m_kind(ValueKind::Integer) { m_int = i; }
    Value(double d) : m_kind(ValueKind::Float) { m_float = d; }
    Value(const QString& s) : m_kind(ValueKind::String), m_string(s) {}
    Value(const char* s) : m_kind(ValueKind::String), m_string(QString::fromUtf8(s)) {}
    Value(std::shared_ptr<ValueArray> array);
    Value(std::shared_ptr<ScriptObject> object);

    static Value date(double days);
    // A new array of the given length, every item a copy of item.
    static Value array(std::vector<Value> items, int low = 0);

    ValueKind kind() const { return m_kind; }
    bool isNull() const { return m_kind == ValueKind::Null; }
    bool isBoolean() const { return m_kind == ValueKind::Boolean; }
    bool isInteger() const { return m_kind == ValueKind::Integer; }
    bool isFloat() const { return m_kind == ValueKind::Float; }
    bool isDate() const { return m_kind == ValueKind::Date; }
    bool isString() const { return m_kind == ValueKind::String; }
    bool isArray() const { return m_kind == ValueKind::Array; }
    bool isObject() const { return m_kind == ValueKind::Object; }
    // Integer, float or date.
    bool isNumber() const {
        return m_kind == ValueKind::Integer || m_kind == ValueKind::Float || m_kind == ValueKind::Date;
    }

    // Conversions. Strings are read with a full stop or the current decimal
    // separator; Null gives 0, '' or False.
    bool toBool() const;
    qint64 toInt() const; // floats go to the nearest integer, halves to the even one
    double toFloat() const;
    QString toString() const;
    // Strict reading of a string as a number; false when it is not one.
    static bool parseNumber(const QString& text, Value& result);

    const std::shared_ptr<ValueArray>& arrayPtr() const { return m_array; }
    const std::shared_ptr<ScriptObject>& object() const { return m_object; }

    // Same kind family and equal; strings compare exactly.
    bool operator==(const Value& other) const;

    // The name of the kind, for messages.
    QString kindName() const;

private:
    ValueKind m_kind = ValueKind::Null;
    union {
        qint64 m_int = 0;
        double m_float;
    };
    QString m_string;
    std::shared_ptr<ValueArray> m_array;
    std::shared_ptr<ScriptObject> m_object;
};

// Floats become text through core::GeneralText, the program's one general
// number text (15 significant digits, the current decimal separator).
// Date and date-time text in the current short date and long time formats.
QString dateToText(double days);
QString timeToText(double days);
QString dateTimeToText(double days);

} // namespace velta::script

#include <QDateTime>
namespace velta::script {
// The date-time number of the language: whole days since 30.12.1899, the time
// of day as the fraction. Out-of-range numbers give an invalid QDateTime.
QDateTime dateTimeFromDays(double days);
double daysFromDateTime(const QDateTime& dateTime);
double daysFromDate(const QDate& date);
} // namespace velta::script
