#pragma once
// The number of a new estimate, made from the number of the one created
// last: "12/ЗК/01.02.2012" -> "13/ЗК/" + today, "AB0099" -> "AB0100",
// "КШ-А" -> "КШ01". No previous number gives "1".

#include <QDate>
#include <QString>

namespace velta::core {

// today is written in the short date format of the current number format;
// an invalid date leaves the third part of a slash number as it was.
QString NextCostNumber(const QString& previous, const QDate& today);

} // namespace velta::core
