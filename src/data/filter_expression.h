#pragma once
// The filter language of datasets (FilterData of the report scripts, the
// estimate list's filters): field names compared with constants, joined by
// And, Or, Not and parentheses, for instance
//     DateFinish = Null And DateLast <> Null
//     (Cost_Number = '12' Or Area >= 2500.5) And Not Cust_Name = 'Київ'
// Comparison operators: = <> < > <= >=. Constants: numbers (a point or a
// comma as the decimal sign), texts in single quotes ('' for a quote), Null,
// True and False. Keywords and field names ignore case. Text compares without
// regard to case; a date field compares with a text constant read as
// dd.mm.yyyy or yyyy-mm-dd. "= Null" holds for an empty value and "<> Null"
// for a filled one; any other comparison with an empty value is false.

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace velta::data {

class FilterExpression {
public:
    // Looks a field up by name; returns false when the record has no such field.
    using FieldLookup = std::function<bool(const QString& name, QVariant& value)>;

    FilterExpression();
    ~FilterExpression();
    FilterExpression(FilterExpression&&) noexcept;
    FilterExpression& operator=(FilterExpression&&) noexcept;

    // Throws std::runtime_error with a message for the user when the text is
    // not an expression. An empty (or blank) text accepts every record.
    static FilterExpression parse(const QString& text);

    bool isEmpty() const { return !m_root; }
    // Throws std::runtime_error when the expression names a field the record lacks.
    bool matches(const FieldLookup& lookup) const;

    struct Node;

private:
    std::unique_ptr<Node> m_root;
};

// The comparison the filter and the by-name locate share: -1, 0, 1, or 2 when
// the two values cannot be ordered (one of them empty or of unrelated kinds).
int compareValues(const QVariant& a, const QVariant& b, bool caseInsensitive);

} // namespace velta::data
