#include "core/cost_number.h"

#include "core/number_format.h"
#include "core/text_functions.h"

#include <QStringList>

#include <limits>

namespace velta::core {

QString NextCostNumber(const QString& previous, const QDate& today) {
    if (previous.isEmpty())
        return QStringLiteral("1");

    if (previous.contains(u'/')) {
        QStringList parts = previous.split(u'/');
        if (parts.back().isEmpty())
            parts.removeLast(); // "12/" has one part
        // 64 bits, so that a first part at the top of the 32-bit range does not wrap.
        parts[0] = QString::number(qint64(TxtToInt(parts[0])) + 1);
        const QString date =
            today.isValid() ? today.toString(NumberFormat::current().shortDateFormat) : QString();
        if (!date.isEmpty() && parts.size() > 2)
            parts[2] = date;
        return parts.join(u'/');
    }

    qsizetype start = previous.size();
    while (start > 0 && previous[start - 1] >= u'0' && previous[start - 1] <= u'9')
        --start;
    const QString digits = previous.mid(start);
    if (digits.isEmpty()) {
        QString out = previous;
        out.chop(2);
        return out + QStringLiteral("01");
    }
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok);
    if (!ok || value >= qulonglong(std::numeric_limits<qint64>::max())) {
        // Beyond 64 bits the run is no counter anybody keeps: the number
        // stays as it was and gets a "1", still new and still unique.
        return previous + u'1';
    }
    const QString next = QString::number(value + 1);
    const qsizetype zeros = digits.size() - next.size();
    return previous.left(start) + QString(zeros > 0 ? zeros : 0, u'0') + next;
}

} // namespace velta::core
