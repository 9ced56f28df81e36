#include "core/system_info.h"

#include <QSysInfo>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/utsname.h>
#endif

namespace velta::core {

QString FormatOperatingSystemLine(OsFamily family, const QString& name, int major, int minor, int build,
                                  const QString& servicePack) {
    QString line = QStringLiteral("%1 %2.%3").arg(name).arg(major).arg(minor);
    if (family == OsFamily::Other)
        return line;
    if (family == OsFamily::Windows9x)
        build &= 0xFFFF; // the 9x family keeps its build in the low word
    if (!servicePack.trimmed().isEmpty())
        return line + QStringLiteral(" (Build %1: %2)").arg(build).arg(servicePack);
    return line + QStringLiteral(" (Build %1)").arg(build);
}

void ParseKernelRelease(const QString& release, int& major, int& minor) {
    major = 0;
    minor = 0;
    int* target = &major;
    for (QChar c : release) {
        if (c.isDigit() && c.unicode() < 0x80) {
            if (*target < 100000)
                *target = *target * 10 + c.digitValue();
        } else if (c == u'.' && target == &major) {
            target = &minor;
        } else {
            break;
        }
    }
}

QString OperatingSystemLine() {
    QString name = QStringLiteral("Linux");
    QString release;
#ifdef Q_OS_UNIX
    struct utsname info {};
    if (uname(&info) == 0) {
        name = QString::fromLocal8Bit(info.sysname);
        release = QString::fromLocal8Bit(info.release);
    }
#else
    name = QSysInfo::kernelType();
    release = QSysInfo::kernelVersion();
#endif
    int major = 0;
    int minor = 0;
    ParseKernelRelease(release, major, minor);
    return FormatOperatingSystemLine(OsFamily::Other, name, major, minor);
}

QString ComputerName() {
    return QSysInfo::machineHostName();
}

QString ScreenSizeText(const QSize& size) {
    return QString::number(size.width()) + QChar(0x0445) + QString::number(size.height());
}

} // namespace velta::core
