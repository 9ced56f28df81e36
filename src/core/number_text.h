#pragma once
// Numbers as text: the general text of a number and pattern formatting.
//
// The general text is the shortest decimal text of at most 15 significant
// digits, with the decimal separator of the number format and no thousands
// separators (0.1 + 0.2 gives "0,3"). Very large or very small magnitudes
// take the exponent form "1,5E-6", "1E20".
//
// FormatFloat takes the patterns of report templates and value lines:
// "0" a digit always shown, "#" a digit shown when significant, "." the
// decimal separator, "," thousands grouping, "E+0"/"E-0" an exponent, text
// in quotes and other characters as they are, and up to three sections
// "positive;negative;zero". The value is first taken to 15 significant
// digits and then rounded at the pattern's last decimal with halves away
// from zero, so 2.345 with "0.00" gives "2,35".

#include "core/number_format.h"

#include <QString>

namespace velta::core {

QString GeneralText(double value);
QString GeneralText(double value, QChar decimalSeparator);

QString FormatFloat(const QString& pattern, double value);
QString FormatFloat(const QString& pattern, double value, const NumberFormat& format);

// The value rounded at `decimals` decimals of its 15-digit decimal reading,
// an exact half going to the even neighbour. Working on the decimal reading
// makes 2.345 the half it looks like (its binary value lies a trifle above),
// so it goes to 2.34 as 0.125 goes to 0.12.
double RoundDecimalHalfEven(double value, int decimals);

} // namespace velta::core
