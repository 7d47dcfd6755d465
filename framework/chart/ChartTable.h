#pragma once

#include <string>
#include <vector>

#include "framework/chart/ChartContent.h"

namespace korval {

// A chart as text, for the command line's character grid: notes (the legend, markers and
// peaks), then a table of its data. Curves are read at round times of their axis; a Gantt
// chart lists each bar with its start and end.
struct ChartTable {
    std::vector<std::string> notes;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    // Rows start with a name (a member) and take the report's wide columns.
    bool named = false;

    static ChartTable Of(const ChartContent& content);
};

// The series' value at x: a curve between its points, a step's level, nothing outside.
double SeriesValueAt(const ChartSeries& series, double x, bool upper = false);

}  // namespace korval
