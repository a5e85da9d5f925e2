#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quarl {

// Nanoseconds on CLOCK_MONOTONIC, which every process on the machine shares.
[[nodiscard]] std::int64_t MonotonicNanoseconds();

// Starts this executable again with the given arguments and returns what it wrote to standard output; its standard
// error passes through. Throws when it cannot be started or does not exit with status 0.
[[nodiscard]] std::string RunSelf(const std::vector<std::string>& arguments);

// Keeps this process, and every child it starts from now on, on the processor it is running on, so that runs to be
// compared do not land on cores of different speed. Returns that processor's number, or -1 when it cannot pin.
int PinToCurrentProcessor();

// The middle value, or the mean of the two middle values; 0 for no values.
[[nodiscard]] double Median(std::vector<double> values);

} // namespace quarl
