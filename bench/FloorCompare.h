// Times an operation against its floor (the plain file read or write of the
// same bytes): floor and operation take turns in every iteration, after one
// untimed round of both, so that the page cache and the heap are as warm
// for one as for the other. "ratio" is the operation's median time over the
// floor's median ("floor_ms"): on a shared machine a round that loses the
// processor stretches a sum but not a median. "sum_ratio" is the same of
// the summed times, "cpu_ratio" of the summed CPU times of the thread.
#pragma once

#include "TreeBenchData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace bench_tree
{

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n == 0 ? 0 : n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

template <class Floor, class Body>
void AgainstFloor(benchmark::State& state, size_t bytes, Floor floor, Body body)
{
    using Clock = std::chrono::steady_clock;
    floor();
    body();
    std::vector<double> floors, bodies;
    floors.reserve(size_t(state.max_iterations));
    bodies.reserve(size_t(state.max_iterations));
    double floorCpu = 0, cpu = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        double at = ThreadCpuSeconds();
        floor();
        floors.push_back(Seconds(start));
        floorCpu += ThreadCpuSeconds() - at;
        start = Clock::now();
        at = ThreadCpuSeconds();
        body();
        const double seconds = Seconds(start);
        cpu += ThreadCpuSeconds() - at;
        bodies.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    const double floorMedian = Median(floors);
    state.counters["floor_ms"] = floorMedian * 1e3;
    state.counters["ratio"] = Median(bodies) / floorMedian;
    state.counters["sum_ratio"] = std::accumulate(bodies.begin(), bodies.end(), 0.0)
        / std::accumulate(floors.begin(), floors.end(), 0.0);
    state.counters["cpu_ratio"] = cpu / floorCpu;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

} // namespace bench_tree
