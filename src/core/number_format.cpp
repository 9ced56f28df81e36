#include "core/number_format.h"

#include <QLocale>

namespace velta::core {
namespace {
NumberFormat& instance() {
    static NumberFormat format = NumberFormat::fromSystemLocale();
    return format;
}
} // namespace

const NumberFormat& NumberFormat::current() {
    return instance();
}

void NumberFormat::setCurrent(const NumberFormat& format) {
    instance() = format;
}

NumberFormat NumberFormat::ukrainian() {
    return NumberFormat{};
}

NumberFormat NumberFormat::fromSystemLocale() {
    const QLocale locale = QLocale::system();
    NumberFormat f;
    if (locale.language() == QLocale::C) {
        // An unset locale (LANG=C) would give a full stop and US dates; the
        // program is made for Ukrainian settings, so those stay the default.
        return f;
    }
    const QString dec = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!dec.isEmpty())
        f.decimalSeparator = dec.at(0);
    if (!group.isEmpty())
        f.thousandSeparator = group.at(0);
    f.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    f.longTimeFormat = locale.timeFormat(QLocale::LongFormat);
    return f;
}

} // namespace velta::core
