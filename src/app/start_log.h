#pragma once
// The start-up log velta.log of the working folder: a few lines per start that tell which program
// started where and on what machine, and how far the opening of the databases got. The file is in
// Windows-1251, created when missing and always appended to, so that the runs of a folder stand one
// after the other; nothing ever truncates it.

#include <QDateTime>
#include <QFile>
#include <QSize>
#include <QString>
#include <QStringList>

namespace velta::app {

inline const QString kStartLogFile = QStringLiteral("velta.log");

// What the header lines say about this start.
struct StartLogHeader {
    QString version;
    QDateTime now;
    QString operatingSystem; // the operating-system line, see core::OperatingSystemLine
    QSize screen;
    QString computerName;
    QString workingFolder;

    // This machine, this moment (the screen size is the caller's: core links no QtGui).
    static StartLogHeader current(const QString& workingFolder, const QSize& screen);
    // The eight header lines, the last one a single space.
    QStringList lines() const;
};

class StartLog {
public:
    StartLog() = default;
    ~StartLog();
    StartLog(const StartLog&) = delete;
    StartLog& operator=(const StartLog&) = delete;

    // Opens velta.log of the working folder for appending (creating it when missing). A folder
    // where the log cannot be written leaves the log closed: the start goes on without it.
    bool open(const QString& workingFolder);
    bool isOpen() const { return m_open; }

    // Writes one line while the log is open; a line that starts with "dbo." loses those four
    // characters (dataset names of the previous version's tables carried that owner prefix).
    // Every line goes to the disk at once, so a start that crashes still leaves its lines behind.
    void write(const QString& line);
    void write(const QStringList& lines);
    // Writes the closing line holding one space and closes the log; later writes are ignored.
    void close();

private:
    QFile m_file;
    bool m_open = false;
};

} // namespace velta::app
