// Timing helpers for the benchmark.
#include "timing.h"

#include <algorithm>
#include <chrono>
#include <cmath>

double NowMilliseconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    double rank = std::ceil(fraction * static_cast<double>(values.size()));
    size_t index = static_cast<size_t>(std::clamp(rank, 1.0, double(values.size()))) - 1;
    return values[index];
}

double TimeOnce(const std::function<void()> &work) {
    double start = NowMilliseconds();
    work();
    return NowMilliseconds() - start;
}

int RepetitionsFor(double sampleMilliseconds, double targetMilliseconds, int lowest, int highest) {
    if (!(sampleMilliseconds > 0)) return highest;
    double wanted = std::ceil(targetMilliseconds / sampleMilliseconds);
    return static_cast<int>(std::clamp(wanted, double(lowest), double(highest)));
}
