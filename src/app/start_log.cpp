#include "app/start_log.h"

#include "core/cp1251.h"
#include "core/number_format.h"
#include "core/system_info.h"

#include <QDir>

namespace velta::app {

StartLogHeader StartLogHeader::current(const QString& workingFolder, const QSize& screen) {
    StartLogHeader h;
    h.version = QStringLiteral(VELTA_VERSION);
    h.now = QDateTime::currentDateTime();
    h.operatingSystem = core::OperatingSystemLine();
    h.screen = screen;
    h.computerName = core::ComputerName();
    h.workingFolder = workingFolder;
    return h;
}

QStringList StartLogHeader::lines() const {
    const core::NumberFormat& format = core::NumberFormat::current();
    return {
        QStringLiteral("!Кошториси на виконання земельно-кадастрових та проектно-вишукувальних робіт ") +
            version,
        now.date().toString(format.shortDateFormat) + QLatin1Char(' ') +
            now.time().toString(format.longTimeFormat),
        operatingSystem,
        QStringLiteral("Экран ") + core::ScreenSizeText(screen),
        QStringLiteral("Компьютер ") + computerName,
        // The previous version read its old tables through a table engine whose version stood here;
        // this program has none, and the line keeps its place for whoever reads the logs.
        QStringLiteral("BDE 0"),
        QStringLiteral("Путь ") + workingFolder,
        QStringLiteral(" "),
    };
}

StartLog::~StartLog() {
    m_file.close();
}

bool StartLog::open(const QString& workingFolder) {
    m_file.close();
    m_file.setFileName(QDir(workingFolder).filePath(kStartLogFile));
    m_open = m_file.open(QIODevice::WriteOnly | QIODevice::Append);
    return m_open;
}

void StartLog::write(const QString& line) {
    if (!m_open)
        return;
    const QString text = line.startsWith(QLatin1String("dbo.")) ? line.mid(4) : line;
    // The working folder's files are Windows text files: CR LF ends a line.
    m_file.write(core::toCp1251(text) + "\r\n");
    m_file.flush();
}

void StartLog::write(const QStringList& lines) {
    for (const QString& line : lines)
        write(line);
}

void StartLog::close() {
    if (!m_open)
        return;
    write(QStringLiteral(" "));
    m_open = false;
    m_file.close();
}

} // namespace velta::app
