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
/// which runs the benchmarks "filter" and "filter floor" in turn, several
/// rounds each, each timing its steps with ratio::measure; at the end the
/// main program prints "filter ratio: R", the case's fastest step divided
/// by its floor's, with two decimals.
namespace ratio {

using Body = std::function<void(benchmark::State &)>;

/// Registers a case and its floor under `name` and `name + " floor"`.
/// Returns true, so that it can initialise a static.
bool add(const std::string &name, Body measured, Body floor);

/// The timed loop of a case or a floor: runs `step` a few times untimed
/// (the first steps lay out, paint and fill caches that later ones find
/// ready), then once per iteration, timing each step on its own. `prepare`,
/// when given, runs untimed before every step.
void measure(benchmark::State &state, const std::function<void()> &step,
             const std::function<void()> &prepare = {});

/// A console reporter that also keeps every run's fastest step.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    /// Seconds of a benchmark's fastest step over all its rounds, or a
    /// negative value when it did not run.
    double fastestStep(const std::string &name) const;

private:
    std::vector<std::pair<std::string, double>> times_;
};

/// Prints "NAME ratio: R" for every registered case whose case and floor
/// both ran.
void printRatios(const Collector &collector);

} // namespace ratio
