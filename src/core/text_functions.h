#pragma once
// Stateless text functions that every part of the program calls: amounts and
// dates in Ukrainian words, initials, Roman numerals, the tolerant readers of
// typed numbers, rounding to decimals for display, and small text helpers.
// Names are those the script function library maps to.

#include <QString>

namespace velta::core {

// Trimmed, without one trailing backslash (or slash, the delimiter here; a
// lone "/" stays the root folder).
QString TrimPathDelimiter(const QString& text);

} // namespace velta::core
