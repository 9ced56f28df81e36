// The ini reader must take any bytes: every read gives a value or the
// default, a write changes only its own line and reads back.
#include "core/ini_file.h"

#include <QString>

#include <cstdlib>

using velta::core::IniFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    IniFile ini = IniFile::fromBytes(bytes);
    if (ini.toBytes() != bytes)
        std::abort(); // parsing alone must keep every byte
    ini.setAutoFlush(false);
    const QStringList sections = ini.sections();
    for (const QString& s : sections) {
        for (const QString& k : ini.keys(s)) {
            ini.readString(s, k);
            ini.readInteger(s, k, 7);
            ini.readBool(s, k, true);
        }
    }
    const QString section = sections.isEmpty() ? QStringLiteral("Інтерфейс") : sections.front();
    ini.writeString(section, QStringLiteral("Ключ"), QStringLiteral("значення"));
    if (ini.readString(section, QStringLiteral("ключ")) != QStringLiteral("значення"))
        std::abort();
    ini.writeInteger(QStringLiteral("Нова"), QStringLiteral("x"), 42);
    if (ini.readInteger(QStringLiteral("нова"), QStringLiteral("X"), 0) != 42)
        std::abort();
    ini.deleteKey(section, QStringLiteral("Ключ"));
    ini.eraseSection(section);
    return 0;
}
