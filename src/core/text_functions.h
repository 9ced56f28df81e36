#pragma once
// Stateless text functions that every part of the program calls: amounts and
// dates in Ukrainian words, initials, Roman numerals, the tolerant readers of
// typed numbers, rounding to decimals for display, and small text helpers.
// The names are the ones the script function library maps to. None of them
// fails: text without a number reads as the default, a value outside a
// table gives empty text.

#include "core/registry.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

namespace velta::core {

// The amount in words in hryvnias and, with showCent, kopecks: "Одна тисяча
// двісті тридцять чотири гривні 56 копійок ". Every word keeps its trailing
// blank and the apostrophe is the grave accent ("П`ять гривень "). Words stop
// at hundreds of millions; a negative amount is written as its magnitude
// after "Мінус ".
QString SumWrite(double amount, bool showCent);

// "5 березня 2010 року"; the zero date (30 December 1899) gives empty text.
// The number form counts days since 30 December 1899, the date-time of
// report scripts.
QString DateWrite(double date);
QString DateWrite(const QDate& date);

// "Прізвище Ім'я По-батькові" -> "І. П. Прізвище" and "Прізвище І. П.".
QString ShortFamily(const QString& fullName);
QString FamilyShort(const QString& fullName);

// "I".."XX" for 1..20, empty otherwise.
QString IntToRoman(int value);
// 1..20 for the numerals (Cyrillic І and Х read as Latin), 0 otherwise.
int RomanToInt(const QString& text);

// Every number a user types or pastes: comma or full stop as decimal mark,
// a minus only in the first place, every other character ignored. Empty
// text gives defaultValue.
double TxtToFloat(const QString& text, double defaultValue);
// The integer of a typed text. A decimal mark keeps its meaning and the
// reading is taken to the nearest integer (halves to even): "12,6" gives 13.
// Readings beyond the 32-bit range are held at its ends.
int TxtToInt(const QString& text);
// The integer after the first colon ("1:2000" gives 2000), else TxtToInt.
int TxtAfterColonToInt(const QString& text);

// The value with `decimals` decimals: the fraction is rounded, an exact half
// going to the even neighbour, and added to the whole part (3.5 and 4.5 with
// no decimals give 3 and 4; 0.125 and 0.375 with two give 0.12 and 0.38).
// The half is judged on the value's 15-digit decimal reading, so 2.345 is
// a half as well and gives 2.34. With asText the result is the general
// text, filled with zeros up to `decimals` decimals ("2,50").
QVariant RoundDigits(const QVariant& value, int decimals, bool asText);
double RoundDigits(double value, int decimals);
QString RoundDigitsText(double value, int decimals);

// The general text of the value when that is shorter than the pattern
// ("0.000": 2 gives "2", 2.5 gives "2,5"), otherwise the value formatted
// with the pattern ("2,123" for 2.12345).
QString FormatFloatShort(const QString& pattern, double value);

// Doubles every apostrophe so the text can stand in an SQL string literal.
QString EscapeApostrophes(const QString& text);

// Left and right of the first separator, both trimmed; without a separator
// the text unchanged and an empty right.
std::pair<QString, QString> SplitPair(const QString& text, QChar separator);
// Trimmed items between separators; an empty text gives an empty list, an
// empty item between two separators is kept.
QStringList SplitList(const QString& text, QChar separator);

// Trimmed, without one trailing backslash (or slash, the delimiter here; a
// lone "/" stays the root folder).
QString TrimPathDelimiter(const QString& text);

// Writes a string value, creating the key when missing; false when the key
// could not be opened or created.
bool WriteRegString(RegistryRoot root, const QString& keyPath, const QString& name, const QString& value);
bool WriteRegString(Registry& registry, RegistryRoot root, const QString& keyPath, const QString& name,
                    const QString& value);

} // namespace velta::core
