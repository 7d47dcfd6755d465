#pragma once

#include <benchmark/benchmark.h>

#include <functional>

namespace korval::bench {

// A timed run: its duration in seconds, or a negative number when it failed.
using TimedRun = std::function<double()>;

// Runs the subject and its baseline alternately, each iteration starting with the other
// one, so both see the same machine and the same load. The iteration time is the subject's
// (register the benchmark with UseManualTime); the counters give the baseline's time, the
// ratio of the two totals and the goal the ratio should stay within.
void CompareWithBaseline(benchmark::State& state, double goal, const TimedRun& baseline,
                         const TimedRun& subject);

// The duration of an in-process piece of work, for a TimedRun.
double SecondsOf(const std::function<void()>& work);

}  // namespace korval::bench
