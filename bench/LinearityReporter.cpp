// SPDX-License-Identifier: MIT
#include "LinearityReporter.h"

#include <cstdio>
#include <string>

void CLinearityReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            m_failed = true;
            continue;
        }
        const auto rate = run.counters.find("items_per_second");
        if (rate != run.counters.end())
            m_linesPerSecond[std::stoll(run.run_name.args)] = rate->second.value;
    }
}

bool CLinearityReporter::Check() const
{
    bool ok = !m_failed && !m_linesPerSecond.empty();
    double previous = 0.0;
    for (const auto& [size, rate] : m_linesPerSecond) {
        std::printf("%lld lines: %.0f lines/s, %.1f ms a note\n", size, rate,
                    1000.0 * static_cast<double>(size) / rate);
        if (rate < m_minimumLinesPerSecond) {
            std::printf("  too slow: at least %.0f lines/s are expected\n",
                        m_minimumLinesPerSecond);
            ok = false;
        }
        // Time grows by size / rate, so the rate may drop by at most 10/12
        // from one size to the next, ten times larger.
        if (previous > 0.0 && rate < previous * 10.0 / 12.0) {
            std::printf("  not linear: the rate fell from %.0f\n", previous);
            ok = false;
        }
        previous = rate;
    }
    return ok;
}
