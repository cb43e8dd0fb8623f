// Timing helpers: a monotonic clock in milliseconds, medians and percentiles, and how many frames
// make a run.
#pragma once

#include <functional>
#include <vector>

// Milliseconds on a monotonic clock, with a fraction.
double NowMilliseconds();

// The median of the values (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);

// The smallest value that at least fraction (0..1) of the values do not exceed; 0 for none.
double Percentile(std::vector<double> values, double fraction);

// Milliseconds one call of work takes.
double TimeOnce(const std::function<void()> &work);

// How many repetitions of work lasting sampleMilliseconds fill a run of targetMilliseconds,
// within lowest..highest.
int RepetitionsFor(double sampleMilliseconds, double targetMilliseconds, int lowest, int highest);
