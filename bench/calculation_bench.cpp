// CPU time of one press of "Изчисли" on a 30-digit entry, through the handlers and the model.
#include "morvatek.h"
#include "program.h"
#include "program_host.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost : public morvatek::ProgramHost {
public:
    void reportError(const morvatek::RuntimeError& /*error*/) override {}
    void endProgram(int /*exitStatus*/) override {}
    void announce(std::u16string_view /*sentence*/) override {}
};

void thirtyDigitCalculation(benchmark::State& state) {
    SilentHost host;
    morvatek::Program program(host);
    morvatek::Morvatek& window = program.window();
    window.Option1(state.range(0)).pupilSelects();
    for (int digit = 0; digit < 30; ++digit) {
        window.List1.pupilSelects(digit % 3 == 0 ? 0 : 1);
    }
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        window.Command1(0).pupilPresses();
        benchmark::DoNotOptimize(window.Text1(0).text().data());
    }
    state.SetLabel("base " + std::to_string(4 << state.range(0)));
}

BENCHMARK(thirtyDigitCalculation)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
