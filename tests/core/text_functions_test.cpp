#include "core/number_format.h"
#include "core/registry.h"
#include "core/text_functions.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velta::core;

namespace {

struct SumCase {
    double amount;
    bool cents;
    const char* words;
};

struct NameCase {
    const char* full;
    const char* shortFamily;
    const char* familyShort;
};

struct FloatCase {
    const char* text;
    double expected;
};

struct IntCase {
    const char* text;
    int expected;
};

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

TEST(SumWrite, Table) {
    const SumCase cases[] = {
        {0, false, "Нуль гривень "},
        {1, false, "Одна гривня "},
        {2, false, "Дві гривні "},
        {5, false, "П`ять гривень "},
        {11, false, "Одиннадцять гривень "},
        {12, false, "Дванадцять гривень "},
        {14, false, "Чотирнадцять гривень "},
        {19, false, "Дев`ятнадцять гривень "},
        {20, false, "Двадцять гривень "},
        {21, false, "Двадцять одна гривня "},
        {22, false, "Двадцять дві гривні "},
        {95, false, "Дев`яносто п`ять гривень "},
        {101, false, "Сто одна гривня "},
        {104, false, "Сто чотири гривні "},
        {111, false, "Сто одиннадцять гривень "},
        {112, false, "Сто дванадцять гривень "},
        {900, false, "Дев`ятьсот гривень "},
        {1000, false, "Одна тисяча гривень "},
        {2000, false, "Дві тисячі гривень "},
        {5000, false, "П`ять тисяч гривень "},
        {11000, false, "Одиннадцять тисяч гривень "},
        {21000, false, "Двадцять одна тисяча гривень "},
        {1000000, false, "Один мільйон гривень "},
        {2000000, false, "Два мільйона гривень "},
        {5000000, false, "П`ять мільйонів гривень "},
        {21000000, false, "Двадцять один мільйон гривень "},
        {100000000, false, "Сто мільйонів гривень "},
        {502001001, false, "П`ятьсот два мільйона одна тисяча одна гривня "},
        {7.99, false, "Сім гривень "},
        {1234.56, true, "Одна тисяча двісті тридцять чотири гривні 56 копійок "},
        {1.05, true, "Одна гривня 05 копійок "},
        {0.5, true, "Нуль гривень 50 копійок "},
        {3.21, true, "Три гривні 21 копійка "},
        {3.01, true, "Три гривні 01 копійка "},
        {3.02, true, "Три гривні 02 копійки "},
        {3.11, true, "Три гривні 11 копійок "},
        {3.12, true, "Три гривні 12 копійок "},
        {3.13, true, "Три гривні 13 копійок "},
        {3.14, true, "Три гривні 14 копійок "},
        {3.24, true, "Три гривні 24 копійки "},
        {3, true, "Три гривні 00 копійок "},
        {2.999, true, "Дві гривні 100 копійок "}, // the whole part is not increased
        // An exact half kopeck goes to the even neighbour.
        {0.125, true, "Нуль гривень 12 копійок "},
        {0.375, true, "Нуль гривень 38 копійок "},
        // Digits above the hundreds of millions have no words.
        {1234000000, false, "Двісті тридцять чотири мільйона гривень "},
    };
    for (const SumCase& c : cases)
        EXPECT_EQ(SumWrite(c.amount, c.cents), u8(c.words)) << c.amount;
}

TEST(SumWrite, OutsideTheDesignedRangeStaysReadable) {
    EXPECT_EQ(SumWrite(-5, false), u8("Мінус п`ять гривень "));
    EXPECT_EQ(SumWrite(std::numeric_limits<double>::quiet_NaN(), true), u8("Нуль гривень 00 копійок "));
    EXPECT_FALSE(SumWrite(1e300, true).isEmpty());
}

TEST(DateWrite, WordsOrEmpty) {
    EXPECT_EQ(DateWrite(0.0), QString());
    EXPECT_EQ(DateWrite(QDate(1899, 12, 30)), QString());
    EXPECT_EQ(DateWrite(QDate(2010, 3, 5)), u8("5 березня 2010 року"));
    EXPECT_EQ(DateWrite(QDate(2009, 12, 31)), u8("31 грудня 2009 року"));
    // 40242 days after 30 December 1899 is 5 March 2010; the time of day is ignored.
    EXPECT_EQ(DateWrite(40242.75), u8("5 березня 2010 року"));
    EXPECT_EQ(DateWrite(1e300), QString());
}

TEST(Initials, Table) {
    const NameCase cases[] = {
        {"Прізвище Ім'я По-батькові", "І. П. Прізвище", "Прізвище І. П."},
        {"Прізвище Ім'я", "І. Прізвище", "Прізвище І."},
        {"Прізвище", "Прізвище", "Прізвище"},
        {"І.П. Прізвище", "І.П. Прізвище", "І.П. Прізвище"},
        {"Прізвище І.П.", "І. П. Прізвище", "Прізвище І. П."},
        {"Прізвище   Ім'я    По-батькові", "І. П. Прізвище", "Прізвище І. П."},
        {"Прізвище Ім'я По-батькові Четверте", "І. П. Прізвище", "Прізвище І. П."},
        {"Прізвище І.", "І. Прізвище", "Прізвище І."},
        {"", "", ""},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(ShortFamily(u8(c.full)), u8(c.shortFamily)) << c.full;
        EXPECT_EQ(FamilyShort(u8(c.full)), u8(c.familyShort)) << c.full;
    }
}

TEST(Roman, BothWays) {
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(RomanToInt(IntToRoman(i)), i);
    EXPECT_EQ(IntToRoman(4), QStringLiteral("IV"));
    EXPECT_EQ(IntToRoman(18), QStringLiteral("XVIII"));
    EXPECT_EQ(IntToRoman(0), QString());
    EXPECT_EQ(IntToRoman(21), QString());
    EXPECT_EQ(IntToRoman(-3), QString());
    EXPECT_EQ(RomanToInt(u8("ІІІ категорія")), 3); // Cyrillic І
    EXPECT_EQ(RomanToInt(u8(" ХІV ")), 14);        // Cyrillic Х and І
    EXPECT_EQ(RomanToInt(QStringLiteral("iv")), 0);
    EXPECT_EQ(RomanToInt(QStringLiteral("XXI")), 0);
    EXPECT_EQ(RomanToInt(QStringLiteral("IIII")), 0);
    EXPECT_EQ(RomanToInt(QString()), 0);
}

TEST(TxtToFloat, Table) {
    const FloatCase cases[] = {
        {"12,5", 12.5}, {"12.5", 12.5}, {" 12.5 м", 12.5}, {"1 2.5", 12.5}, {"1.234,56", 1.23456},
        {"-3", -3},     {"3-", 3},      {",", 0},          {"-", 0},        {"-.", 0},
        {"+7", 7},      {",5", 0.5},    {"5,", 5},         {"1e5", 15},     {"  -0,25 га", -0.25},
        {"abc", 99},    {"", 99},       {"   ", 99},
    };
    for (const FloatCase& c : cases)
        EXPECT_DOUBLE_EQ(TxtToFloat(u8(c.text), 99), c.expected) << c.text;
    // A run of digits too long for a double reads as the default, never infinity.
    EXPECT_EQ(TxtToFloat(QString(400, u'9'), 7), 7);
}

TEST(TxtToInt, Table) {
    const IntCase cases[] = {
        {"12", 12},
        {" 1 234 ", 1234},
        {"№ 15а", 15},
        {"-7", -7},
        {"7-", 7},
        {"", 0},
        {"-", 0},
        {"12,6", 13},
        {"12.4", 12},
        {"12,5", 12},
        {"13,5", 14},
        {"-2,5", -2},
        {",", 0},
        {"abc", 0},
        {"0099", 99},
        {"1:2000", 12000},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(TxtToInt(u8(c.text)), c.expected) << c.text;
    EXPECT_EQ(TxtAfterColonToInt(QStringLiteral("1:2000")), 2000);
    EXPECT_EQ(TxtAfterColonToInt(QStringLiteral("500")), 500);
    EXPECT_EQ(TxtAfterColonToInt(QStringLiteral("1:2:3")), 23);
    EXPECT_EQ(TxtAfterColonToInt(QStringLiteral("1:")), 0);
}

TEST(RoundDigits, HalvesToEvenOnTheFraction) {
    struct Case {
        double value;
        int decimals;
        double expected;
        const char* text;
    } const cases[] = {
        {0.125, 2, 0.12, "0,12"}, {0.375, 2, 0.38, "0,38"},       {3.5, 0, 3, "3"},    {4.5, 0, 4, "4"},
        {2.345, 2, 2.34, "2,34"}, {2.5, 2, 2.5, "2,50"},          {3, 2, 3, "3,00"},   {2.4, 0, 2, "2"},
        {-2.5, 0, -2, "-2"},      {1.23456, 4, 1.2346, "1,2346"}, {7, 4, 7, "7,0000"},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(RoundDigits(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
        EXPECT_EQ(RoundDigits(QVariant(c.value), c.decimals, true).toString(), u8(c.text));
    }
    EXPECT_DOUBLE_EQ(RoundDigits(QVariant(QStringLiteral("2,345")), 2, false).toDouble(), 2.34);
    // At most 43 zeros are added.
    EXPECT_EQ(RoundDigitsText(1, 60), QStringLiteral("1,") + QString(43, u'0'));
}

TEST(FormatFloatShort, GeneralTextWhenShorter) {
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.000"), 2), QStringLiteral("2"));
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.000"), 2.5), QStringLiteral("2,5"));
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.000"), 2.25), QStringLiteral("2,25"));
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.000"), 2.12345), QStringLiteral("2,123"));
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.00"), 1234.5), QStringLiteral("1234,5"));
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.00"), 0.125),
              QStringLiteral("0,13")); // pattern halves go up
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.000000"), 1.0 / 3), QStringLiteral("0,333333"));
    EXPECT_EQ(FormatFloatShort(QStringLiteral("0.000000"), 0.1 + 0.2), QStringLiteral("0,3"));
}

TEST(TextHelpers, EscapeSplitTrim) {
    EXPECT_EQ(EscapeApostrophes(u8("Ім'я 'Лан'")), u8("Ім''я ''Лан''"));
    EXPECT_EQ(EscapeApostrophes(u8("п`ять")), u8("п`ять")); // the grave accent is no quote

    EXPECT_EQ(SplitPair(QStringLiteral("a-b-c"), u'-'),
              std::make_pair(QStringLiteral("a"), QStringLiteral("b-c")));
    EXPECT_EQ(SplitPair(QStringLiteral(" a = b "), u'='),
              std::make_pair(QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_EQ(SplitPair(QStringLiteral(" ab "), u'='), std::make_pair(QStringLiteral(" ab "), QString()));

    EXPECT_EQ(SplitList(QStringLiteral("a;;b"), u';'), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitList(QStringLiteral(" a ; b ;"), u';'), (QStringList{"a", "b", ""}));
    EXPECT_EQ(SplitList(QStringLiteral("   "), u';'), QStringList());
    EXPECT_EQ(SplitList(QStringLiteral("one"), u';'), QStringList{"one"});

    EXPECT_EQ(TrimPathDelimiter(QStringLiteral(" C:\\Velta\\ ")), QStringLiteral("C:\\Velta"));
    EXPECT_EQ(TrimPathDelimiter(QStringLiteral("C:\\Velta\\\\")), QStringLiteral("C:\\Velta\\"));
    EXPECT_EQ(TrimPathDelimiter(QStringLiteral("/home/velta/")), QStringLiteral("/home/velta"));
    EXPECT_EQ(TrimPathDelimiter(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(TrimPathDelimiter(QStringLiteral("   ")), QString());
}

TEST(TextHelpers, WriteRegStringGoesToTheRegistry) {
    QTemporaryDir dir;
    ProfileRegistry registry(dir.path());
    EXPECT_TRUE(WriteRegString(registry, RegistryRoot::LocalMachine, QStringLiteral("\\SOFTWARE\\Velta2"),
                               QStringLiteral("WorkPath"), u8("/home/кошториси")));
    EXPECT_EQ(registry.readString(QStringLiteral("\\software\\velta2"), QStringLiteral("workpath")),
              u8("/home/кошториси"));
    ProfileRegistry nowhere(QStringLiteral("/proc/velta-cannot-be-here"));
    EXPECT_FALSE(WriteRegString(nowhere, RegistryRoot::LocalMachine, QStringLiteral("\\SOFTWARE\\Velta2"),
                                QStringLiteral("WorkPath"), QStringLiteral("x")));
}
