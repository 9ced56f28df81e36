// velta2-cli: the command-line companion of Velta2. It links every library
// below the windows, so whatever it does is done exactly as the program does it.

#include "commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using velta::cli::CommandTable;

namespace {

void printHelp(QTextStream& out) {
    out << "Usage: velta2-cli COMMAND [ARGUMENTS]\n"
        << "       velta2-cli --version\n"
        << "       velta2-cli --help\n\n"
        << "Commands:\n";
    for (const auto* c : CommandTable::instance().all()) {
        out << "  " << c->name;
        if (!c->usage.isEmpty())
            out << ' ' << c->usage;
        out << "\n      " << c->summary << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velta2"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        out << VELTA_VERSION << '\n';
        return 0;
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printHelp(out);
        return 0;
    }
    const auto* command = CommandTable::instance().find(name);
    if (!command) {
        err << "velta2-cli: unknown command '" << name << "'. See velta2-cli --help.\n";
        return 2;
    }
    velta::cli::CommandContext ctx{args, out, err};
    try {
        return command->run(ctx);
    } catch (const std::exception& e) {
        out.flush();
        err << "velta2-cli " << name << ": " << QString::fromUtf8(e.what()) << '\n';
        return 1;
    }
}
