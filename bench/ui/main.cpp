// The window benchmarks need one application object for the whole run.
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // Windows are measured, not looked at: headless unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
