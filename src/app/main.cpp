// velta2: the program. The working folder is the current directory; there is no command line.

#include "app/startup.h"
#include "core/number_format.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The registry's profile file lives in the configuration folder of this name.
    QApplication::setApplicationName(QStringLiteral("Velta2"));
    velta::core::NumberFormat::setCurrent(velta::core::NumberFormat::fromSystemLocale());

    velta::app::Startup::Options options;
    options.workingFolder = QDir::currentPath();
    velta::app::Startup startup(std::move(options));
    QObject::connect(&startup, &velta::app::Startup::quitRequested, &app, &QApplication::exit,
                     Qt::QueuedConnection);
    startup.run();
    return QApplication::exec();
}
