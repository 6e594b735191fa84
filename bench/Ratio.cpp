#include "Ratio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

namespace ratio {

namespace {

std::vector<std::string> &caseNames()
{
    static std::vector<std::string> names;
    return names;
}

std::string floorName(const std::string &name) { return name + " floor"; }

// The machine's other work only ever slows a step down, and on a shared
// machine a step is often stopped midway for another program. So each side
// runs in several rounds, the case and its floor taking turns so that a busy
// spell weighs on both alike, and each step is timed on its own: the fastest
// step of a side is its cost with nothing else in the way.
constexpr int kRounds = 9;
constexpr double kSecondsPerRound = 0.25;
constexpr int kWarmUpSteps = 8;
constexpr std::chrono::milliseconds kWarmUpTime(100);
const char *const kFastest = "fastest step";

} // namespace

bool add(const std::string &name, Body measured, Body floor)
{
    caseNames().push_back(name);
    for (int round = 0; round < kRounds; ++round) {
        for (const auto &[benchmarkName, body] : {std::pair{name, measured}, std::pair{floorName(name), floor}}) {
            benchmark::RegisterBenchmark(benchmarkName.c_str(), body)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(kSecondsPerRound)
                ->UseManualTime();
        }
    }
    return true;
}

void measure(benchmark::State &state, const std::function<void()> &step, const std::function<void()> &prepare)
{
    using Clock = std::chrono::steady_clock;
    // A few steps of a fast case, one of a slow one.
    const Clock::time_point warmUpStart = Clock::now();
    for (int i = 0; i < kWarmUpSteps && Clock::now() - warmUpStart < kWarmUpTime; ++i) {
        if (prepare)
            prepare();
        step();
    }
    double fastest = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        if (prepare)
            prepare();
        const Clock::time_point start = Clock::now();
        step();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        fastest = std::min(fastest, seconds);
    }
    state.counters[kFastest] = fastest;
}

void Collector::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        const auto fastest = run.counters.find(kFastest);
        if (run.run_type == Run::RT_Iteration && !run.error_occurred && fastest != run.counters.end())
            times_.emplace_back(run.run_name.function_name, fastest->second.value);
    }
    ConsoleReporter::ReportRuns(runs);
}

double Collector::fastestStep(const std::string &name) const
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
        const double measured = collector.fastestStep(name);
        const double floor = collector.fastestStep(floorName(name));
        if (measured > 0 && floor > 0)
            std::printf("%s ratio: %.2f\n", name.c_str(), measured / floor);
    }
}

} // namespace ratio
