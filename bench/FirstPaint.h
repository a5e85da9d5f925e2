#pragma once

#include <string>

namespace quarl {

// In a fresh process: shows the main window ("form"), a bare QWidget ("bare") or a bare QWidget with one QLabel
// ("label") and prints the monotonic time in
// nanoseconds of the window's first paint event and of the end of that first paint pass, then quits.
int ShowUntilFirstPaint(int argc, char** argv, const std::string& window);

// Starts ShowUntilFirstPaint `runs` times for each window, in turn and all on one processor, and prints the median
// times from before each start to its first paint.
void PrintStartUpTable(int runs);

} // namespace quarl
