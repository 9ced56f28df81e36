#pragma once
// Number format, short date format and long time format of the program: one
// object, initialised from the system locale and settable by tests (tests fix
// the Ukrainian format: comma separator, "dd.MM.yyyy").

#include <QChar>
#include <QString>

namespace velta::core {

struct NumberFormat {
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandSeparator = QChar(0x00A0);
    QString shortDateFormat = QStringLiteral("dd.MM.yyyy"); // Qt QDate::toString pattern
    QString longTimeFormat = QStringLiteral("hh:mm:ss");    // Qt QTime::toString pattern

    // The format every formatting function uses.
    static const NumberFormat& current();
    static void setCurrent(const NumberFormat& format);

    // Ukrainian regional settings, the ones the program is used with.
    static NumberFormat ukrainian();
    // Taken from the system locale (QLocale::system()).
    static NumberFormat fromSystemLocale();
};

} // namespace velta::core
