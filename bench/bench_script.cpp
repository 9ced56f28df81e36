// Formula evaluation speed: a typical catalogue formula, once compiled and
// cached, and with parsing every time (as the calculation does after
// substituting parameter values into the formula text).

#include "script/evaluate.h"
#include "script/script.h"
#include "script/standard_library.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CachedFormula(benchmark::State& state) {
    velta::script::Script script;
    velta::script::registerStandardLibrary(script);
    script.setVariable(QStringLiteral("n"), velta::script::Value(37));
    const auto formula = script.compile(QStringLiteral("Int(n/10)*0.05+1"));
    for (auto _ : state)
        benchmark::DoNotOptimize(script.evaluate(formula));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CachedFormula);

void BM_EvaluateWithParsing(benchmark::State& state) {
    const QString formula = QStringLiteral("Int(37/10)*0.05+1");
    for (auto _ : state)
        benchmark::DoNotOptimize(velta::script::Evaluate(formula));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateWithParsing);

void BM_EvaluateIndexCoefficient(benchmark::State& state) {
    const QString formula = QStringLiteral("1+0.2*0.5");
    for (auto _ : state)
        benchmark::DoNotOptimize(velta::script::Evaluate(formula));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateIndexCoefficient);

} // namespace

BENCHMARK_MAIN();
