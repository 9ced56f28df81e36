#pragma once
// The one Windows-1251 codec of the program. Every stored text (database text
// with character set NONE, velta.ini, velta.log, reports.lst, velta.vle) is
// converted here and nowhere else.

#include <QByteArray>
#include <QString>

namespace velta::core {

// Bytes in Windows-1251 to text. Every byte maps to a character; the one
// unassigned byte 0x98 becomes U+0098 so that a round trip keeps it.
QString fromCp1251(const QByteArray& bytes);
QString fromCp1251(const char* data, qsizetype size);

// Text to Windows-1251 bytes. A character the code page lacks becomes '?'.
QByteArray toCp1251(const QString& text);

// True when every character of text exists in Windows-1251.
bool fitsCp1251(const QString& text);

} // namespace velta::core
