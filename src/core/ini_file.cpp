#include "core/ini_file.h"

#include "core/cp1251.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace velta::core {
namespace {

constexpr int kSection = 1;
constexpr int kKey = 2;

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString stripQuotes(const QString& value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

QString oneLine(QString value) {
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

IniFile::IniFile(QString path, Encoding encoding) : m_path(std::move(path)), m_encoding(encoding) {
    reload();
}

IniFile IniFile::fromBytes(const QByteArray& bytes, Encoding encoding) {
    IniFile ini;
    ini.m_encoding = encoding;
    ini.parse(bytes);
    return ini;
}

bool IniFile::fileExists() const {
    return !m_path.isEmpty() && QFileInfo(m_path).isFile();
}

void IniFile::reload() {
    QByteArray bytes;
    if (!m_path.isEmpty()) {
        QFile file(m_path);
        // An unreadable file reads as an empty one: the profile layer reports
        // no error and every value takes its default.
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    }
    parse(bytes);
}

QString IniFile::decode(const QByteArray& bytes) const {
    return m_encoding == Encoding::Cp1251 ? fromCp1251(bytes) : QString::fromUtf8(bytes);
}

QByteArray IniFile::encode(const QString& text) const {
    return m_encoding == Encoding::Cp1251 ? toCp1251(text) : text.toUtf8();
}

IniFile::Line IniFile::makeLine(const QByteArray& raw) const {
    Line line;
    line.raw = raw;
    qsizetype end = raw.size();
    while (end > 0 && (raw[end - 1] == '\n' || raw[end - 1] == '\r'))
        --end;
    line.text = decode(raw.left(end)).trimmed();
    if (line.text.startsWith(u'[')) {
        const qsizetype close = line.text.indexOf(u']');
        line.kind = kSection;
        line.section = (close < 0 ? line.text.mid(1) : line.text.mid(1, close - 1)).trimmed();
    } else if (!line.text.startsWith(u';')) {
        const qsizetype eq = line.text.indexOf(u'=');
        if (eq > 0) {
            line.kind = kKey;
            line.key = line.text.left(eq).trimmed();
        }
    }
    return line;
}

void IniFile::parse(const QByteArray& bytes) {
    m_lines.clear();
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0)
            nl = bytes.size() - 1; // the last line may lack its ending
        m_lines.append(makeLine(bytes.mid(start, nl - start + 1)));
        start = nl + 1;
    }
}

QByteArray IniFile::lineEnding() const {
    for (const Line& line : m_lines) {
        if (line.raw.endsWith("\r\n"))
            return "\r\n";
        if (line.raw.endsWith('\n'))
            return "\n";
    }
    return "\r\n"; // the profile format's own line ending
}

qsizetype IniFile::findSection(const QString& section) const {
    const QString name = section.trimmed();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == kSection && sameName(m_lines[i].section, name))
            return i;
    }
    return -1;
}

qsizetype IniFile::sectionEnd(qsizetype sectionIndex) const {
    qsizetype i = sectionIndex + 1;
    while (i < m_lines.size() && m_lines[i].kind != kSection)
        ++i;
    return i;
}

qsizetype IniFile::findKey(qsizetype sectionIndex, const QString& key) const {
    if (sectionIndex < 0)
        return -1;
    const QString name = key.trimmed();
    const qsizetype end = sectionEnd(sectionIndex);
    for (qsizetype i = sectionIndex + 1; i < end; ++i) {
        if (m_lines[i].kind == kKey && sameName(m_lines[i].key, name))
            return i;
    }
    return -1;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const {
    const qsizetype i = findKey(findSection(section), key);
    if (i < 0)
        return defaultValue;
    const QString& text = m_lines[i].text;
    return stripQuotes(text.mid(text.indexOf(u'=') + 1).trimmed());
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    const QString text = readString(section, key).trimmed();
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(value);
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    const QByteArray eol = lineEnding();
    const QByteArray keyLine = encode(keyName + u'=' + oneLine(value)) + eol;

    qsizetype s = findSection(sectionName);
    if (s < 0) {
        // A last line without its ending gets one so the new section starts
        // on a line of its own; a blank line parts it from the one before.
        if (!m_lines.isEmpty() && !m_lines.back().raw.endsWith('\n'))
            m_lines.back().raw += eol;
        if (!m_lines.isEmpty() && !m_lines.back().text.isEmpty())
            m_lines.append(makeLine(eol));
        m_lines.append(makeLine(encode(u'[' + sectionName + u']') + eol));
        m_lines.append(makeLine(keyLine));
        return changed();
    }

    const qsizetype k = findKey(s, keyName);
    if (k >= 0) {
        const QString& old = m_lines[k].key; // the key keeps its spelling in the file
        QByteArray raw = encode(old + u'=' + oneLine(value));
        const QByteArray& oldRaw = m_lines[k].raw;
        if (oldRaw.endsWith("\r\n"))
            raw += "\r\n";
        else if (oldRaw.endsWith('\n'))
            raw += '\n';
        else if (oldRaw.endsWith('\r'))
            raw += '\r';
        m_lines[k] = makeLine(raw);
        return changed();
    }

    // A new key goes after the last non-blank line of its section, so the
    // blank line that parts it from the next section stays where it was.
    qsizetype at = sectionEnd(s);
    while (at - 1 > s && m_lines[at - 1].text.isEmpty())
        --at;
    if (!m_lines[at - 1].raw.endsWith('\n'))
        m_lines[at - 1].raw += eol;
    m_lines.insert(at, makeLine(keyLine));
    return changed();
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::sectionExists(const QString& section) const {
    return findSection(section) >= 0;
}

bool IniFile::valueExists(const QString& section, const QString& key) const {
    return findKey(findSection(section), key) >= 0;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList out;
    const qsizetype s = findSection(section);
    if (s < 0)
        return out;
    const qsizetype end = sectionEnd(s);
    for (qsizetype i = s + 1; i < end; ++i) {
        if (m_lines[i].kind == kKey)
            out.append(m_lines[i].key);
    }
    return out;
}

QStringList IniFile::sections() const {
    QStringList out;
    for (const Line& line : m_lines) {
        if (line.kind == kSection)
            out.append(line.section);
    }
    return out;
}

bool IniFile::deleteKey(const QString& section, const QString& key) {
    const qsizetype k = findKey(findSection(section), key);
    if (k < 0)
        return true;
    m_lines.removeAt(k);
    return changed();
}

bool IniFile::eraseSection(const QString& section) {
    const qsizetype s = findSection(section);
    if (s < 0)
        return true;
    m_lines.remove(s, sectionEnd(s) - s);
    return changed();
}

bool IniFile::changed() {
    return m_autoFlush ? flush() : true;
}

QByteArray IniFile::toBytes() const {
    QByteArray out;
    for (const Line& line : m_lines)
        out += line.raw;
    return out;
}

bool IniFile::flush() {
    if (m_path.isEmpty())
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace velta::core
