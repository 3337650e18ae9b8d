// Entry point of the benchmarks that need a Qt core application on the
// main thread (loops, notifiers, sockets).
#include <QCoreApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
