#include "Ratio.h"

#include <cstdio>

namespace ratio {

namespace {

std::vector<std::string> &caseNames()
{
    static std::vector<std::string> names;
    return names;
}

std::string floorName(const std::string &name) { return name + " floor"; }

} // namespace

bool add(const std::string &name, Body measured, Body floor)
{
    caseNames().push_back(name);
    // Each side runs several times and keeps its fastest run: the machine's
    // other work only ever slows a run down.
    benchmark::RegisterBenchmark(name.c_str(), std::move(measured))->Unit(benchmark::kMillisecond)->Repetitions(5);
    benchmark::RegisterBenchmark(floorName(name).c_str(), std::move(floor))->Unit(benchmark::kMillisecond)->Repetitions(5);
    return true;
}

void Collector::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
            times_.emplace_back(run.run_name.function_name, run.real_accumulated_time / static_cast<double>(run.iterations));
    }
    ConsoleReporter::ReportRuns(runs);
}

double Collector::secondsPerIteration(const std::string &name) const
{
    double fastest = -1;
    for (const auto &[runName, seconds] : times_) {
        if (runName == name && (fastest < 0 || seconds < fastest))
            fastest = seconds;
    }
    return fastest;
}

void printRatios(const Collector &collector)
{
    for (const std::string &name : caseNames()) {
        const double measured = collector.secondsPerIteration(name);
        const double floor = collector.secondsPerIteration(floorName(name));
        if (measured > 0 && floor > 0)
            std::printf("%s ratio: %.2f\n", name.c_str(), measured / floor);
    }
}

} // namespace ratio
