#pragma once

// What the benchmarks that print their own figures share: the nearest-rank
// percentile, the word each figure's target gets, and the process's context
// switches, which count every time one of its threads slept or was woken.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace vexel::bench {

inline double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

inline const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

// Context switches of every thread of the process so far, and how many
// threads there are.
inline std::pair<long, int> contextSwitches()
{
    long total = 0;
    int threads = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream status(task.path() / "status");
        std::string line;
        ++threads;
        while (std::getline(status, line)) {
            if (line.starts_with("voluntary_ctxt_switches:") ||
                line.starts_with("nonvoluntary_ctxt_switches:"))
                total += std::stol(line.substr(line.find(':') + 1));
        }
    }
    return {total, threads};
}

} // namespace vexel::bench
