#include "core/cp1251.h"

#include <gtest/gtest.h>

using namespace velta::core;

TEST(Cp1251, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toCp1251(fromCp1251(all)), all);
}

TEST(Cp1251, UkrainianLetters) {
    const QString text = QStringLiteral("Київ ҐґЄєІіЇї №");
    const QByteArray bytes = toCp1251(text);
    EXPECT_EQ(bytes, QByteArray("\xCA\xE8\xBF\xE2\x20\xA5\xB4\xAA\xBA\xB2\xB3\xAF\xBF\x20\xB9"));
    EXPECT_EQ(fromCp1251(bytes), text);
    EXPECT_TRUE(fitsCp1251(text));
}

TEST(Cp1251, UnmappableBecomesQuestionMark) {
    EXPECT_EQ(toCp1251(QStringLiteral("a\u4e2db")), QByteArray("a?b"));
    EXPECT_FALSE(fitsCp1251(QStringLiteral("\u4e2d")));
}
