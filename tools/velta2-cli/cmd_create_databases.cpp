// velta2-cli create-databases DIR [--empty-catalogue]: the only way the two
// database files come into being; the program itself never creates them.

#include "commands.h"

#include "data/fb/error.h"
#include "data/schema/database_files.h"

#include <QCoreApplication>
#include <QDir>

namespace {

int run(velta::cli::CommandContext& c) {
    const bool empty = velta::cli::takeFlag(c.args, QStringLiteral("--empty-catalogue"));
    if (c.args.size() != 1 || c.args.first().startsWith(QStringLiteral("--"))) {
        c.err << "usage: velta2-cli create-databases DIR [--empty-catalogue]\n";
        return 2;
    }
    const QString folder = c.args.first();
    velta::data::schema::CreateOptions options;
    options.emptyCatalogue = empty;
    if (!empty)
        options.shareDir = velta::data::schema::findShareDir(QCoreApplication::applicationDirPath());
    try {
        velta::data::schema::createDatabases(folder, options);
    } catch (const velta::data::fb::Error& e) {
        c.err << e.message() << '\n';
        return 1;
    }
    const QDir dir(folder);
    c.out << "Created " << QDir::toNativeSeparators(dir.filePath("service.fdb")) << " and "
          << QDir::toNativeSeparators(dir.filePath("velta.fdb"));
    if (empty)
        c.out << " with an empty catalogue";
    else if (options.shareDir.isEmpty())
        c.out << "; no shipped seed data found, the catalogue is empty";
    else
        c.out << " with the seed data of " << QDir::toNativeSeparators(options.shareDir);
    c.out << ".\n";
    return 0;
}

velta::cli::CommandRegistration reg{
    {QStringLiteral("create-databases"), QStringLiteral("DIR [--empty-catalogue]"),
     QStringLiteral("create service.fdb and velta.fdb in DIR from the schema"), run}};

} // namespace
