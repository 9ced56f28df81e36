#include "core/cost_number.h"
#include "core/number_format.h"
#include "core/number_text.h"
#include "core/rounding.h"
#include "core/system_info.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velta::core;

TEST(RoundHalfUp, MoneyCoefficientsAreas) {
    struct Case {
        double x;
        int e;
        double expected;
    } const cases[] = {
        {2.345, -2, 2.35},   {2.3449999999, -2, 2.35}, // the tolerance takes it up
        {2.3449, -2, 2.34},  {2.344, -2, 2.34},        {2.355, -2, 2.36},
        {0.125, -2, 0.13},   {0.005, -2, 0.01},        {1.0, -2, 1.0},
        {-2.349, -2, -2.34}, {-2.345, -2, -2.34}, // negatives are truncated toward zero
        {1.2345, -3, 1.235}, {0.00005, -4, 0.0001},    {123.45674, -4, 123.4567},
        {99.995, -2, 100.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(RoundHalfUp(c.x, c.e), c.expected, 1e-12) << c.x << " e=" << c.e;
    EXPECT_TRUE(std::isnan(RoundHalfUp(std::numeric_limits<double>::quiet_NaN(), -2)));
    EXPECT_EQ(RoundHalfUp(1e300, -2), 1e300);
}

TEST(Rounding, NearestTiesToEvenAgainstAwayFromZero) {
    struct Case {
        double x, even, away;
    } const cases[] = {
        {0.5, 0, 1},    {1.5, 2, 2},    {2.5, 2, 3}, {3.5, 4, 4},
        {-2.5, -2, -3}, {-3.5, -4, -4}, {2.4, 2, 2}, {2.6, 3, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.x), c.even) << c.x;
        EXPECT_EQ(RoundHalfAwayFromZero(c.x), c.away) << c.x;
    }
}

TEST(GeneralText, ShortestWithFifteenDigits) {
    struct Case {
        double x;
        const char* text;
    } const cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {2, "2"},
        {2.5, "2,5"},
        {-0.25, "-0,25"},
        {0.1 + 0.2, "0,3"},             // 17 digits would show 0,30000000000000004
        {1.0 / 3, "0,333333333333333"}, // 15 significant digits
        {2.0 / 3, "0,666666666666667"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1,23456789012346E15"},
        {100000000000000.0, "100000000000000"},
        {0.00001, "0,00001"},
        {0.0000015, "1,5E-6"},
        {1e20, "1E20"},
        {1234.5, "1234,5"}, // no thousands separator
    };
    for (const auto& c : cases)
        EXPECT_EQ(GeneralText(c.x), QString::fromUtf8(c.text)) << c.x;
    EXPECT_EQ(GeneralText(2.5, u'.'), QStringLiteral("2.5"));
    EXPECT_EQ(GeneralText(std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
}

TEST(FormatFloat, Patterns) {
    NumberFormat f = NumberFormat::ukrainian();
    f.thousandSeparator = u' ';
    struct Case {
        const char* pattern;
        double x;
        const char* text;
    } const cases[] = {
        {"0.00", 2.345, "2,35"}, // halves away from zero on the 15-digit reading
        {"0.00", -2.345, "-2,35"},
        {"0.00", 0.125, "0,13"},
        {"0.00", 1.005, "1,01"},
        {"0.00", 2, "2,00"},
        {"0.00", 1234567.891, "1234567,89"},
        {"0.00", 0.001, "0,00"},
        {"0.00", -0.001, "0,00"}, // no sign on a value shown as zero
        {"0.000", 2.12345, "2,123"},
        {"0.000000", 1.0 / 3, "0,333333"},
        {"0", 2.5, "3"},
        {"0", 0.4, "0"},
        {"#", 0, ""},
        {"#.##", 0.5, ",5"},
        {"0.###", 2.5, "2,5"},
        {"0.###", 2, "2"},
        {"0.0##", 2.12345, "2,123"},
        {"#,##0.00", 1234567.891, "1 234 567,89"},
        {"#,##0", 999.6, "1 000"},
        {"#,##0", 12, "12"},
        {"000", 7, "007"},
        {"0.00 грн.", 12.3, "12,30 грн."},
        {"'№' 0", 5, "№ 5"},
        {"\"0.00\" 0", 5, "0.00 5"},
        {"0.00;(0.00)", -3.5, "(3,50)"},
        {"0.00;(0.00);нуль", 0.001, "нуль"},
        {"0.00;;нуль", -2, "-2,00"},
        {"0.00E+00", 12345, "1,23E+04"},
        {"0.00E+00", 0.000123, "1,23E-04"},
        {"0.0E-0", 99.99, "1,0E2"},
        {"", 2.5, "2,5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.pattern), c.x, f), QString::fromUtf8(c.text))
            << c.pattern << " " << c.x;
}

TEST(NextCostNumber, Table) {
    const QDate today(2026, 3, 5);
    struct Case {
        const char* previous;
        const char* next;
    } const cases[] = {
        {"", "1"},
        {"7", "8"},
        {"AB0099", "AB0100"},
        {"AB99", "AB100"},
        {"0099", "0100"},
        {"0000", "0001"},
        {"12-9", "12-10"},
        {"КШ-А", "КШ01"},
        {"А", "01"},
        {"12/ЗК/01.02.2012", "13/ЗК/05.03.2026"},
        {"12/2012", "13/2012"},
        {"12/ЗК/01.02.2012/х", "13/ЗК/05.03.2026/х"},
        {"12/", "13"},
        {"/ЗК/", "1/ЗК"},
        {"12//old", "13//05.03.2026"},
        {"2147483647/А", "2147483648/А"},
        {"N9223372036854775806", "N9223372036854775807"},
        // Too long for 64 bits: kept as text with a "1" after it.
        {"N9223372036854775807", "N92233720368547758071"},
        {"99999999999999999999999", "999999999999999999999991"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextCostNumber(QString::fromUtf8(c.previous), today), QString::fromUtf8(c.next))
            << c.previous;
    EXPECT_EQ(NextCostNumber(QStringLiteral("12/ЗК/01.02.2012"), QDate()),
              QStringLiteral("13/ЗК/01.02.2012"));
}

TEST(SystemInfo, LogLines) {
    EXPECT_EQ(FormatOperatingSystemLine(OsFamily::WindowsNT, QStringLiteral("Windows NT"), 5, 1, 2600,
                                        QStringLiteral("Service Pack 3")),
              QStringLiteral("Windows NT 5.1 (Build 2600: Service Pack 3)"));
    EXPECT_EQ(FormatOperatingSystemLine(OsFamily::WindowsNT, QStringLiteral("Windows NT"), 6, 1, 7601,
                                        QStringLiteral("  ")),
              QStringLiteral("Windows NT 6.1 (Build 7601)"));
    EXPECT_EQ(FormatOperatingSystemLine(OsFamily::Windows9x, QStringLiteral("Windows 95"), 4, 10, 0x040A08CE),
              QStringLiteral("Windows 95 4.10 (Build 2254)"));
    EXPECT_EQ(
        FormatOperatingSystemLine(OsFamily::Other, QStringLiteral("Linux"), 6, 1, 99, QStringLiteral("x")),
        QStringLiteral("Linux 6.1"));

    int major = -1, minor = -1;
    ParseKernelRelease(QStringLiteral("6.1.0-18-amd64"), major, minor);
    EXPECT_EQ(major, 6);
    EXPECT_EQ(minor, 1);
    ParseKernelRelease(QStringLiteral("garbage"), major, minor);
    EXPECT_EQ(major, 0);
    EXPECT_EQ(minor, 0);
    EXPECT_TRUE(OperatingSystemLine().contains(QRegularExpression(QStringLiteral("^\\S+ \\d+\\.\\d+$"))))
        << OperatingSystemLine().toStdString();

    EXPECT_EQ(ScreenSizeText(QSize(1920, 1080)), QString::fromUtf8("1920х1080"));
}
