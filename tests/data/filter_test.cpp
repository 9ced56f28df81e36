#include "data/filter_expression.h"

#include <QDate>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <stdexcept>

using velta::data::FilterExpression;

namespace {

bool matches(const QString& text, const QVariantMap& record) {
    const FilterExpression e = FilterExpression::parse(text);
    return e.matches([&](const QString& name, QVariant& value) {
        for (auto it = record.begin(); it != record.end(); ++it) {
            if (it.key().compare(name, Qt::CaseInsensitive) == 0) {
                value = it.value();
                return true;
            }
        }
        return false;
    });
}

} // namespace

TEST(FilterExpression, NullTestsOfTheEstimateList) {
    const QString text = QStringLiteral("DateFinish = Null And DateLast <> Null");
    const QVariant none;
    const QVariant day = QDate(2024, 3, 1);
    EXPECT_TRUE(matches(text, {{"DateFinish", none}, {"DateLast", day}}));
    EXPECT_FALSE(matches(text, {{"DateFinish", day}, {"DateLast", day}}));
    EXPECT_FALSE(matches(text, {{"DateFinish", none}, {"DateLast", none}}));
    // Keywords and field names ignore case.
    EXPECT_TRUE(matches(QStringLiteral("datefinish = NULL and DATELAST <> null"),
                        {{"DateFinish", none}, {"DateLast", day}}));
}

TEST(FilterExpression, ComparisonsAndPrecedence) {
    const QVariantMap row{{"Area", 2500.5},
                          {"Cost_Number", QStringLiteral("12")},
                          {"Cust_Name", QStringLiteral("Київ")},
                          {"Cost_Date", QDate(2024, 5, 10)},
                          {"Sum", QVariant()}};
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {"Area = 2500.5", true},
        {"Area = 2500,5", true},
        {"Area <> 2500.5", false},
        {"Area > 2500", true},
        {"Area >= 2500.5", true},
        {"Area < 2500.5", false},
        {"Area <= 2500.5", true},
        {"Cust_Name = 'київ'", true}, // text ignores case, Cyrillic included
        {"Cust_Name <> 'Львів'", true},
        {"Cost_Date >= '01.05.2024' And Cost_Date < '2024-06-01'", true},
        {"Cost_Date > '10.05.2024'", false},
        {"Sum > 0", false}, // an empty value compares false ...
        {"Sum < 0", false},
        {"Not Sum > 0", true}, // ... and Not of it holds
        {"Sum = Null", true},
        {"Area > 1 Or Area < 0 And Area = 5", true}, // And binds tighter than Or
        {"(Area > 1 Or Area < 0) And Area = 5", false},
        {"Not (Area = 1) And Cost_Number = '12'", true},
        {"\"Cost_Number\" = 12", true},
        {"  ", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matches(QString::fromUtf8(c.text), row), c.expected) << c.text;
}

TEST(FilterExpression, BadTextsAreRefusedWithAMessage) {
    for (const char* text :
         {"Area =", "Area 5", "(Area = 1", "Area = 1 And", "Name = 'open", "= 5", "Area = 1)", "Area ! 1"}) {
        EXPECT_THROW(FilterExpression::parse(QString::fromUtf8(text)), std::runtime_error) << text;
    }
    // A field the record lacks is an error, not a silent "no match".
    EXPECT_THROW(matches(QStringLiteral("Missing = 1"), {{"Area", 1}}), std::runtime_error);
}
