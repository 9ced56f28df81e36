#pragma once
// Ini files in the Windows profile-string format: "[Section]" lines followed by
// "Key=Value" lines. velta.ini is such a file in Windows-1251, edited by hand
// as often as by the program, so the file is kept as its original lines: a
// write changes or adds exactly one line and every other byte stays as it was.
//
// Reading follows the profile functions: section and key names are compared
// without regard to case (Cyrillic included), blanks around names and values
// are ignored, one pair of enclosing quotes around a value is dropped, a
// missing file, section or key gives the default, and a file that cannot be
// read behaves as an empty one. Booleans are written "1"/"0" and read as true
// for any non-zero integer.
//
// Writes go to the file at once (as the profile functions do) unless automatic
// flushing is turned off for a batch of writes; the file is replaced
// atomically, so a crash never leaves half a velta.ini behind.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace velta::core {

class IniFile {
public:
    enum class Encoding { Cp1251, Utf8 };

    // Reads the file now; a missing or unreadable file is an empty one and is
    // created by the first write.
    explicit IniFile(QString path, Encoding encoding = Encoding::Cp1251);
    // Parses bytes held in memory (no file behind it until setPath or flush).
    static IniFile fromBytes(const QByteArray& bytes, Encoding encoding = Encoding::Cp1251);

    const QString& path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }
    bool fileExists() const;

    // Re-reads the file, dropping unflushed writes.
    void reload();

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // Decimal integer with optional sign and surrounding blanks; anything
    // else (or a value out of the 32-bit range) gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Return false when the file could not be written (the change stays in
    // memory). Line breaks inside a value would start new lines in the file
    // and so are written as blanks.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    // Key names of a section in file order, as spelt in the file.
    QStringList keys(const QString& section) const;
    QStringList sections() const;
    bool deleteKey(const QString& section, const QString& key);
    bool eraseSection(const QString& section);

    // With automatic flushing off, writes only change the lines in memory
    // until flush() is called.
    void setAutoFlush(bool on) { m_autoFlush = on; }
    bool autoFlush() const { return m_autoFlush; }
    bool flush();

    // The whole file as it would be written.
    QByteArray toBytes() const;

private:
    struct Line {
        QByteArray raw;  // bytes of the line including its line ending
        QString text;    // decoded and trimmed, without the line ending
        QString section; // for a section line: its name
        QString key;     // for a key line: its name as spelt, trimmed
        int kind = 0;    // 0 other, 1 section, 2 key
    };

    IniFile() = default;
    void parse(const QByteArray& bytes);
    Line makeLine(const QByteArray& raw) const;
    QByteArray encode(const QString& text) const;
    QString decode(const QByteArray& bytes) const;
    // Index of the first section line with that name, or -1.
    qsizetype findSection(const QString& section) const;
    // One past the last line belonging to the section starting at index.
    qsizetype sectionEnd(qsizetype sectionIndex) const;
    qsizetype findKey(qsizetype sectionIndex, const QString& key) const;
    QByteArray lineEnding() const;
    bool changed();

    QString m_path;
    Encoding m_encoding = Encoding::Cp1251;
    QList<Line> m_lines;
    bool m_autoFlush = true;
};

} // namespace velta::core
