// velta2-cli eval EXPRESSION: the value of an expression of the script
// language with the standard library and the report function library, as a
// report template would compute it.

#include "commands.h"

#include "script/script.h"
#include "script/standard_library.h"

#if __has_include("documents/orvik_library.h")
#include "documents/orvik_library.h"
#define VELTA_CLI_HAS_ORVIK 1
#endif

namespace {

int runEval(velta::cli::CommandContext& c) {
    QStringList args = c.args;
    bool ok = true;
    const QString workdir = velta::cli::takeOption(args, QStringLiteral("--workdir"), QString(), &ok);
    if (!ok || args.size() != 1) {
        c.err << "usage: velta2-cli eval EXPRESSION\n";
        return 2;
    }
    if (!workdir.isEmpty()) {
        // The data module's by-name operations are not wired to the command yet.
        c.err << "eval: --workdir is not supported yet\n";
        return 2;
    }
    velta::script::Script script;
    velta::script::registerStandardLibrary(script);
#ifdef VELTA_CLI_HAS_ORVIK
    velta::documents::registerOrvikLibrary(script, nullptr);
    velta::documents::setMainReportScript(&script);
#endif
    try {
        const velta::script::Value v = script.evaluate(args.first());
        c.out << v.toString() << '\n';
    } catch (const velta::script::ScriptError& e) {
        c.err << e.message() << '\n';
        return 1;
    }
    return 0;
}

velta::cli::CommandRegistration reg{{QStringLiteral("eval"), QStringLiteral("EXPRESSION"),
                                     QStringLiteral("Prints the value of a script expression"), runEval}};

} // namespace
