#include "calc/calc_context.h"

#include "core/settings.h"
#include "core/text_functions.h"

#if __has_include("script/evaluate.h")
#define VELTA_CALC_HAS_SCRIPT 1
#include "script/evaluate.h"
#endif

namespace velta::calc {

CalcError::CalcError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message) {}

CalcSettings CalcSettingsFrom(const core::Settings& s) {
    CalcSettings out;
    out.vat = s.nds;
    out.vatPercent = core::TxtToFloat(s.percentNDS, 0);
    out.singleTax = s.edp;
    out.singleTaxPercent = core::TxtToFloat(s.percentEDP, 0);
    out.expertise = s.expertise;
    out.expertisePercent = core::TxtToFloat(s.percentExpertise, 0);
    out.expertiseMinSum = core::TxtToFloat(s.minSumExpertise, 0);
    out.index = s.index;
    out.autoAppend = s.autoGeneralProvisions;
    return out;
}

Evaluator defaultEvaluator() {
#ifdef VELTA_CALC_HAS_SCRIPT
    return [](const QString& formula) { return velta::script::Evaluate(formula); };
#else
    return [](const QString& formula) -> double {
        throw CalcError(QStringLiteral("Обчислювач формул не зібрано: \"%1\"").arg(formula));
    };
#endif
}

} // namespace velta::calc
