// Registers a device-tree benchmark for 1,000, 10,000 and 50,000 devices,
// flat and in folders, with the given rounds of each size.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace bench_tree
{

// `extra`: a third argument, named `extraName`, registered with each value.
inline void RegisterSizes(const char* name, void (*fn)(benchmark::State&), const int rounds[3],
    const char* extraName = nullptr, std::initializer_list<int64_t> extra = { 0 })
{
    const int devices[3] = { 1000, 10000, 50000 };
    for (int64_t value : extra)
        for (int folders : { 0, 1 })
            for (int i = 0; i < 3; ++i) {
                auto* b = benchmark::RegisterBenchmark(name, fn);
                if (extraName)
                    b->ArgNames({ "devices", "folders", extraName })->Args({ devices[i], folders, value });
                else
                    b->ArgNames({ "devices", "folders" })->Args({ devices[i], folders });
                b->Iterations(rounds[i])->UseManualTime()->Unit(benchmark::kMillisecond);
            }
}

} // namespace bench_tree
