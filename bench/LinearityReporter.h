// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <vector>

// Prints the runs as the console does and keeps the lines per second of each
// note size, so that after the run Check() can tell whether the cost per
// line stayed flat: ten times the lines may take at most twelve times as
// long. A run that reported an error fails the check.
class CLinearityReporter final : public benchmark::ConsoleReporter
{
public:
    // A rate below minimumLinesPerSecond at any size fails too.
    explicit CLinearityReporter(double minimumLinesPerSecond = 0.0)
        : m_minimumLinesPerSecond(minimumLinesPerSecond)
    {}

    void ReportRuns(const std::vector<Run>& runs) override;
    bool Check() const;

private:
    double m_minimumLinesPerSecond;
    std::map<long long, double> m_linesPerSecond;
    bool m_failed = false;
};
