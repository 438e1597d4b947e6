// How long each flow-model operation takes; the column window runs them while a slider drags.
#include <benchmark/benchmark.h>

#include "column/model/FlowModel.h"

namespace veltrane {
namespace {

ColumnConditions Conditions(double outletPsi) {
    return {30.0, 0.320, 100.0, 9.992748, outletPsi, {4.038e-07, 7.976e-05}};
}

void BM_GasViscosity(benchmark::State& state) {
    const ViscosityLine gas{4.038e-07, 7.976e-05};
    double temperature = 100.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(temperature);
        benchmark::DoNotOptimize(GasViscosity(gas, temperature));
    }
}
BENCHMARK(BM_GasViscosity);

void BM_OutletFlow(benchmark::State& state) {
    ColumnConditions c = Conditions(14.696);
    for (auto _ : state) {
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(OutletFlow(c));
    }
}
BENCHMARK(BM_OutletFlow);

void BM_AverageVelocity(benchmark::State& state) {
    ColumnConditions c = Conditions(14.696);
    for (auto _ : state) {
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(AverageVelocity(c));
    }
}
BENCHMARK(BM_AverageVelocity);

void BM_InletPressureFromFlow(benchmark::State& state) {
    ColumnConditions c = Conditions(14.696);
    double flow = 1.66;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(flow);
        benchmark::DoNotOptimize(InletPressureFromFlow(c, flow).answer());
    }
}
BENCHMARK(BM_InletPressureFromFlow);

void BM_HoldUpTime(benchmark::State& state) {
    double length = 30.0;
    double velocity = 31.4;
    for (auto _ : state) {
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(velocity);
        benchmark::DoNotOptimize(HoldUpTime(length, velocity));
    }
}
BENCHMARK(BM_HoldUpTime);

// Argument: 0 one atmosphere (search), 1 vacuum (closed form), 2 other at 10 psi absolute
// with an unreachable velocity (the search runs all its halvings and fails), 3 other at
// 30 psi absolute (search from a negative velocity).
void BM_InletPressureFromVelocity(benchmark::State& state) {
    const double outlets[] = {14.696, 0.0, 10.0, 30.0};
    const double velocities[] = {31.4, 59.4, 1.0, 20.0};
    ColumnConditions c = Conditions(outlets[state.range(0)]);
    double velocity = velocities[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(velocity);
        benchmark::DoNotOptimize(InletPressureFromVelocity(c, velocity).answer());
    }
}
BENCHMARK(BM_InletPressureFromVelocity)->ArgName("outlet")->Arg(0)->Arg(1)->Arg(2)->Arg(3);

}  // namespace
}  // namespace veltrane
