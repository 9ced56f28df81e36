// Feeds arbitrary text to the script language as a program and as an
// expression, with the standard and the report function libraries: nothing
// may crash, hang or leak, whatever the text. Faults must come out as
// ScriptError.

#include "core/number_format.h"
#include "documents/orvik_library.h"
#include "script/script.h"
#include "script/standard_library.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<velta::script::Script> script = [] {
        auto s = std::make_unique<velta::script::Script>();
        velta::script::registerStandardLibrary(*s);
        // The report library without a data module; Evaluate works in this
        // same script, so a text may reach itself through it.
        velta::documents::registerOrvikLibrary(*s, nullptr);
        velta::documents::setMainReportScript(s.get());
        // Small bounds keep each input quick; the bounds themselves are what is tested.
        s->limits().maxSteps = 20000;
        s->limits().maxStringLength = 1 << 20;
        s->limits().maxArrayLength = 100000;
        return s;
    }();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        script->evaluate(script->compile(text));
    } catch (const velta::script::ScriptError&) {
    }
    try {
        script->load(text);
        script->run();
    } catch (const velta::script::ScriptError&) {
    }
    return 0;
}
