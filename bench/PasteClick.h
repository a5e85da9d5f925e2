#pragma once

#include <cstddef>
#include <string>

namespace quarl {

// In a fresh process: shows the main window, pastes the first `bytes` of the report file (cut at a line end) into
// the report box, clicks "Sabo" twice and lays out the box the naive way. Prints the figures as one line.
int MeasurePasteClick(int argc, char** argv, const std::string& reportPath, std::size_t bytes);

// Runs MeasurePasteClick for 100 KB, 1 MB and 10 MB, each `runs` times in its own process, and prints the medians
// side by side.
void PrintPasteClickTable(const std::string& reportPath, int runs);

// In a fresh process: shows the main window, pastes one text line of `characters` characters (report words with or
// without blanks between them) and clicks "Sabo". Prints the paste's and the click's milliseconds.
int MeasureLongLine(int argc, char** argv, std::size_t characters, bool blanks);

// Runs MeasureLongLine for a line of 1,000,000 characters without and with blanks, each `runs` times.
void PrintLongLineTable(int runs);

} // namespace quarl
