// velta2-cli eval EXPRESSION [--workdir DIR]: the value of an expression of
// the script language with the standard library and the report function
// library, as a report template would compute it. With a working folder the
// data module opens its two databases, so that the data functions
// (RecordCount('DM4.TbCost'), GetValue, QuerySQL...) reach real datasets;
// without one they answer as for an unknown dataset.

#include "commands.h"

#include "data/schema/schema.h"
#include "data/tdm4.h"
#include "documents/orvik_library.h"
#include "documents/tdm4_script_access.h"
#include "script/script.h"
#include "script/standard_library.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

int runEval(velta::cli::CommandContext& c) {
    QStringList args = c.args;
    bool ok = true;
    const QString workdir = velta::cli::takeOption(args, QStringLiteral("--workdir"), QString(), &ok);
    if (!ok || args.size() != 1) {
        c.err << "usage: velta2-cli eval EXPRESSION [--workdir DIR]\n";
        return 2;
    }

    std::unique_ptr<velta::data::TDM4> dm;
    std::unique_ptr<velta::documents::Tdm4ScriptAccess> access;
    if (!workdir.isEmpty()) {
        if (!QFileInfo(workdir).isDir()) {
            c.err << "eval: no such folder: " << workdir << '\n';
            return 1;
        }
        velta::data::TDM4::Options options;
        options.workingFolder = QFileInfo(workdir).absoluteFilePath();
        options.database = velta::data::DatabaseSettings::load(options.workingFolder);
        if (options.database.server.isEmpty()) {
            // The embedded engine would answer a missing file with its own I/O text.
            const QDir dir(options.workingFolder);
            for (const char* file :
                 {velta::data::schema::catalogueFileName, velta::data::schema::estimatesFileName}) {
                if (!QFileInfo::exists(dir.filePath(QString::fromLatin1(file)))) {
                    c.err << "eval: " << workdir << " holds no " << file
                          << " (velta2-cli create-databases DIR makes both databases)\n";
                    return 1;
                }
            }
        }
        dm = std::make_unique<velta::data::TDM4>(options);
        if (!dm->start()) {
            c.err << dm->connectionError() << '\n';
            return 1;
        }
        access = std::make_unique<velta::documents::Tdm4ScriptAccess>(*dm);
    }

    velta::script::Script script;
    velta::script::registerStandardLibrary(script);
    velta::documents::registerOrvikLibrary(script, access.get());
    // Evaluate('...') works in the context of this same script.
    velta::documents::setMainReportScript(&script);
    struct Unset {
        ~Unset() { velta::documents::setMainReportScript(nullptr); }
    } unset;
    try {
        const velta::script::Value v = script.evaluate(args.first());
        // Rows an expression wrote (SetValue) are kept, as after any completed
        // command; after a fault nothing is committed.
        if (dm)
            dm->commit();
        c.out << v.toString() << '\n';
    } catch (const velta::script::ScriptError& e) {
        c.err << e.message() << '\n';
        return 1;
    }
    return 0;
}

velta::cli::CommandRegistration reg{{QStringLiteral("eval"), QStringLiteral("EXPRESSION [--workdir DIR]"),
                                     QStringLiteral("Prints the value of a script expression; with --workdir "
                                                    "the data functions reach that folder's databases"),
                                     runEval}};

} // namespace
