// The benchmark program's main: a QApplication on the offscreen platform (for the cases
// that measure widgets), then Google Benchmark with its usual flags; or, with the flag below,
// one run of a start-up measured in a process of its own.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>

// A benchmark that must start a program afresh runs this same program with a flag.
int runFacelisterStartupChild();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--facelister-startup-child") == 0)
        return runFacelisterStartupChild();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
