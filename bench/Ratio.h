#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

/// Cases measured against a floor in the same run.
///
/// A bench file registers each case once, at start-up:
///
///     static const bool registered = ratio::add("filter", measureFilter, measureFloor);
///
/// which runs the benchmarks "filter" and "filter floor"; at the end the
/// main program prints "filter ratio: R", the case's real time per
/// iteration divided by its floor's, with two decimals.
namespace ratio {

using Body = std::function<void(benchmark::State &)>;

/// Registers a case and its floor under `name` and `name + " floor"`.
/// Returns true, so that it can initialise a static.
bool add(const std::string &name, Body measured, Body floor);

/// A console reporter that also keeps every run's real time per iteration.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    /// Seconds per iteration of a benchmark's fastest repetition, or a
    /// negative value when it did not run.
    double secondsPerIteration(const std::string &name) const;

private:
    std::vector<std::pair<std::string, double>> times_;
};

/// Prints "NAME ratio: R" for every registered case whose case and floor
/// both ran.
void printRatios(const Collector &collector);

} // namespace ratio
