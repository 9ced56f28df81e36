#pragma once
// System values of the start-up log: the operating-system line, the
// computer's network name and the screen size. The screen itself belongs to
// QtGui, which core does not link: the application takes the size from its
// primary screen and formats it here.

#include <QSize>
#include <QString>

namespace velta::core {

// The operating-system line from its parts: the Windows families take
// "%s %d.%d (Build %d: %s)" or, without a service pack, "%s %d.%d (Build %d)";
// every other family "%s %d.%d".
enum class OsFamily { Windows9x, WindowsNT, Other };
QString FormatOperatingSystemLine(OsFamily family, const QString& name, int major, int minor, int build = 0,
                                  const QString& servicePack = {});

// This machine's line: "Linux 6.1" from the kernel release (uname).
QString OperatingSystemLine();
// Major and minor version at the start of a kernel release such as
// "6.1.0-18-amd64"; missing numbers read as 0.
void ParseKernelRelease(const QString& release, int& major, int& minor);

// The network name of the computer, empty when unknown.
QString ComputerName();

// "1920х1080" (the Cyrillic letter х between the numbers).
QString ScreenSizeText(const QSize& size);

} // namespace velta::core
