// Balancing equations by exact rational arithmetic: a classic nine-species redox and a
// twelve-species chain whose every species is tied to the next by one element, so that the
// elimination runs over the whole 11 × 12 matrix and the coefficients grow to 36.
#include "calculs/Equation.h"

#include <benchmark/benchmark.h>

namespace {

void balance(benchmark::State &state, const QString &typed)
{
    for (auto _ : state) {
        const Equation::Balance balanced = Equation::balance(typed);
        if (balanced.failed())
            state.SkipWithError(qPrintable(balanced.error));
        benchmark::DoNotOptimize(balanced.species.data());
    }
}

void BM_BalanceNineSpecies(benchmark::State &state)
{
    balance(state, QStringLiteral("K4Fe(CN)6 + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + "
                                  "HNO3 + CO2 + H2O"));
}
BENCHMARK(BM_BalanceNineSpecies)->Unit(benchmark::kMicrosecond);

void BM_BalanceTwelveSpecies(benchmark::State &state)
{
    // 3 C2 + 2 N3O3 + 6 F2Na3 + 12 MgAl3 + 12 Si3P3 + 36 S2Cl3
    //   → 3 C2N2 + 6 OF2 + 6 Na3Mg2 + 18 Al2Si2 + 36 PS2 + 36 Cl3
    balance(state, QStringLiteral("C2 + N3O3 + F2Na3 + MgAl3 + Si3P3 + S2Cl3 -> C2N2 + OF2 + "
                                  "Na3Mg2 + Al2Si2 + PS2 + Cl3"));
}
BENCHMARK(BM_BalanceTwelveSpecies)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
