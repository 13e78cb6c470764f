// Prints one figure per line as "name: value unit (budget)", so bench/run can collect them
// and tell whether every budgeted figure was met.
#pragma once

#include <cstdio>
#include <string>

// A figure with an upper bound; an over-budget figure is marked so the summary can count it.
inline void ReportFigure(const std::string& name, double value, const char* unit, double limit,
                         const char* limitText) {
  std::printf("%s: %.4g %s (<= %s)%s\n", name.c_str(), value, unit, limitText,
              value <= limit ? "" : " OVER BUDGET");
  std::fflush(stdout);
}

// A figure printed for information, with nothing to meet.
inline void ReportInfo(const std::string& name, double value, const char* unit,
                       const std::string& note = "") {
  std::printf("%s: %.4g %s (no budget%s%s)\n", name.c_str(), value, unit, note.empty() ? "" : "; ",
              note.c_str());
  std::fflush(stdout);
}
