#include "calibration/CalibrationReport.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/NumberText.h"
#include "framework/ReportRows.h"
#include "framework/TextUtil.h"
#include "framework/cDrawContext.h"
#include "framework/cTextReportSurface.h"
#include "framework/chart/ChartContent.h"

namespace korval {

namespace {

constexpr double kRowSpacing = 0.5;
constexpr double kTableSpacing = 0.0;
// At most this many problems are listed; the count of the rest closes the list.
constexpr std::size_t kListedProblems = 50;
// At most this many projects are marked on a chart; a longer history shows an even sample.
constexpr std::size_t kChartedProjects = 300;
// Figure columns of the tables, in column units: room for "Fitted Dev." and a gap.
constexpr int kTableStep = 6;

class cReportWriter {
  public:
    explicit cReportWriter(cReportSurface& surface) : dc_(surface), y_(5) {}

    // A text at the indentation level (0: the left margin, 1: column 1, 2: one more unit).
    void Line(int level, std::string_view text, unsigned flags = TextFlags::kBase) {
        const PageMetrics& m = dc_.metrics;
        int x = level == 0 ? m.column[0] : m.column[1] + (level - 1) * 2 * m.columnUnit;
        const ReportCell cell[] = {{x, text}};
        height_ += PlaceReportRow(dc_, y_, cell, flags | TextFlags::kWordBreak, kRowSpacing);
    }
    // A label at column 1 and a value at column 2.
    void Pair(std::string_view label, std::string_view value) {
        const PageMetrics& m = dc_.metrics;
        const ReportCell cells[] = {{m.column[1], label}, {m.column[2], value}};
        height_ += PlaceReportRow(dc_, y_, cells, TextFlags::kBase, kRowSpacing);
    }
    // A table row: the first cell at column 1, the others a column step apart from column 2.
    void TableRow(const std::vector<std::string>& cells, bool last = false) {
        const PageMetrics& m = dc_.metrics;
        std::vector<ReportCell> placed;
        placed.reserve(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            int x = i == 0 ? m.column[1] + 2 * m.columnUnit
                           : m.column[2] + static_cast<int>(i - 1) * kTableStep * m.columnUnit;
            placed.push_back({x, cells[i]});
        }
        height_ +=
            PlaceReportRow(dc_, y_, placed, TextFlags::kBase, last ? kRowSpacing : kTableSpacing);
    }

    // A chart on surfaces that draw; the character grid leaves it out, the table above
    // holds what it shows.
    void Chart(std::string_view heading, const ChartContent& chart) {
        if (!dc_.surface.DrawsGraphics()) return;
        height_ += PlaceReportChart(dc_, y_, heading, chart, TextFlags::kBase);
    }

    cReportLayout Finish() {
        dc_.layout.SetHeight(height_);
        return std::move(dc_.layout);
    }

  private:
    cDrawContext dc_;
    int y_;
    int height_ = 0;
};

std::string Number(const char* format, double value) {
    return FormatNumber(format, value);
}

std::string Optional(const std::optional<double>& value, const char* format) {
    return value ? FormatNumber(format, *value) : std::string("-");
}

std::string Optional(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string("-");
}

void Notes(cReportWriter& report, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) report.Line(3, note);
}

void HistorySection(cReportWriter& report, const Calibration& calibration) {
    const History& history = calibration.history;
    report.Pair("History:", PrintableText(history.path));
    report.Pair("Defaults profile:", PrintableText(calibration.profilePath));
    std::string used = std::to_string(history.projects.size());
    if (history.problemCount > 0)
        used += " (" + CountOf(history.problemCount, "row") + " could not be used)";
    report.Pair("Projects used:", used);
    if (history.problemCount == 0) return;
    report.Line(1, "Rows That Could Not Be Used");
    std::size_t shown = std::min(history.problems.size(), kListedProblems);
    for (std::size_t i = 0; i < shown; ++i) {
        report.Line(
            2, PrintableText(HistoryProblemText(FileNameOf(history.path), history.problems[i])));
    }
    if (history.problemCount > shown) {
        report.Line(2, FormatNumber("... and %zu more", history.problemCount - shown));
    }
}

void CocomoSection(cReportWriter& report, const CocomoCalibration& cocomo) {
    report.Line(0, "COCOMO Nominal Effort: effort = a x KSLOC^b x EAF");
    report.TableRow(
        {"Mode", "Projects", "Profile a", "Profile b", "a (b fixed)", "a (with b)", "b (with a)"});
    for (const CocomoModeFit& fit : cocomo.modes) {
        report.TableRow(
            {ModeFitLabel(fit), std::to_string(fit.projects), Number("%.3f", fit.current.a),
             Number("%.3f", fit.current.b), Optional(fit.aWithFixedB, "%.3f"),
             Optional(fit.aTogether, "%.3f"), Optional(fit.bTogether, "%.3f")},
            fit.notes.empty());
        Notes(report, fit.notes);
    }
    if (cocomo.withoutMode > 0) {
        report.Line(2, CountOf(cocomo.withoutMode, "project") + " without a mode left out");
    }
}

void PutnamSection(cReportWriter& report, const PutnamCalibration& putnam) {
    report.Line(0, FormatNumber("Putnam Productivity Index: achieved over a main build of %d %% "
                                "of the duration",
                                putnam.buildPercentage));
    if (putnam.types.empty()) {
        report.Line(2, "No project gives an application type with its duration.");
        return;
    }
    report.TableRow({"Application Type", "Projects", "Profile PI", "Mean PI", "Std. Dev.",
                     "Fitted PM", "Fitted Dev."});
    for (const ApplicationTypeFit& fit : putnam.types) {
        report.TableRow({CutToChars(fit.name, 34), std::to_string(fit.projects),
                         Optional(fit.currentIndex, "%.0f"), Number("%.1f", fit.meanIndex),
                         Number("%.1f", fit.deviation), Optional(fit.fittedMeasure),
                         Optional(fit.fittedDeviation)},
                        fit.notes.empty());
        Notes(report, fit.notes);
    }
}

void FunctionPointSection(cReportWriter& report, const FunctionPointCalibration& fp) {
    report.Line(0, "Function Points: SLOC per function point, the median of each language");
    if (fp.languages.empty()) {
        report.Line(2, "No project gives a language with its function points.");
        return;
    }
    report.TableRow({"Language", "Projects", "Profile", "Median", "Fitted"});
    for (const LanguageFit& fit : fp.languages) {
        report.TableRow({CutToChars(fit.name, 34), std::to_string(fit.projects),
                         Optional(fit.current), Number("%.1f", fit.median), Optional(fit.fitted)},
                        fit.notes.empty());
        Notes(report, fit.notes);
    }
}

void AccuracyRow(cReportWriter& report, std::string_view label, const Accuracy& accuracy,
                 bool last = false) {
    if (accuracy.projects == 0) {
        report.TableRow({std::string(label), "0", "-", "-", "-", "-"}, last);
        return;
    }
    report.TableRow(
        {std::string(label), std::to_string(accuracy.projects), Number("%.2f", accuracy.mmre),
         Number("%.2f", accuracy.medianMre), Number("%.0f %%", accuracy.pred25 * 100),
         Number("%+.0f %%", accuracy.meanBias * 100)},
        last);
}

void AccuracySection(cReportWriter& report, const Calibration& calibration) {
    report.Line(0, "Accuracy on the History (effort)");
    report.TableRow({"Estimate", "Projects", "MMRE", "MdMRE", "PRED(25)", "Mean Bias"});
    const ModelAccuracy& cocomo = calibration.cocomo.accuracy;
    AccuracyRow(report, "COCOMO, profile in use", cocomo.current);
    AccuracyRow(report, "COCOMO, calibrated", cocomo.calibrated);
    AccuracyRow(report, "COCOMO, leave-one-out", cocomo.leaveOneOut);
    const ModelAccuracy& putnam = calibration.putnam.accuracy;
    AccuracyRow(report, "Putnam, profile in use", putnam.current);
    AccuracyRow(report, "Putnam, calibrated", putnam.calibrated);
    AccuracyRow(report, "Putnam, leave-one-out", putnam.leaveOneOut, true);
    report.Line(1,
                "MMRE and MdMRE: mean and median of |estimate - actual| / actual. PRED(25): the "
                "share of projects estimated within 25 %. Bias above 0: estimates run high. "
                "Leave-one-out estimates each project from a calibration without it.");
}

// A project's mark: a small cross of two unnamed strokes, left out of the legend.
void AddCross(ChartContent& chart, ChartPoint at, double size) {
    ChartSeries stroke;
    stroke.points = {{at.x - size, at.y - size}, {at.x + size, at.y + size}};
    chart.series.push_back(stroke);
    stroke.points = {{at.x - size, at.y + size}, {at.x + size, at.y - size}};
    chart.series.push_back(std::move(stroke));
}

// Estimated against actual effort with both axes in log10 of person-months, the line where
// the estimate is right and the band within 25 % of it. Efforts below one person-month lie
// off the axes, which start at 1.
ChartContent ScatterChart(const std::vector<EstimatePoint>& points, bool calibrated) {
    ChartContent chart;
    chart.xUnit = "Actual effort, log10 PM (1 = 10 PM, 2 = 100 PM)";
    chart.yUnit = "Estimate, log10 PM";
    std::vector<ChartPoint> marks;
    double top = 1;
    std::size_t every = points.size() / kChartedProjects + 1;
    for (std::size_t i = 0; i < points.size(); i += every) {
        double estimate = calibrated ? points[i].calibrated : points[i].current;
        if (!(points[i].actual >= 1) || !(estimate >= 1)) continue;
        marks.push_back({std::log10(points[i].actual), std::log10(estimate)});
        top = std::max({top, marks.back().x, marks.back().y});
    }
    double low = -std::log10(0.75);  // where the band's lower edge leaves the axis
    ChartSeries band;
    band.name = "Within 25 %";
    band.column = "Within 25 %";
    band.shape = SeriesShape::kBand;
    band.line.tone = Tone::kFaint;
    band.points = {{low, 0}, {top, top + std::log10(0.75)}};
    band.upper = {low + std::log10(1.25), top + std::log10(1.25)};
    chart.series.push_back(std::move(band));
    ChartSeries exact;
    exact.name = "Estimate = actual";
    exact.column = exact.name;
    exact.line.dash = DashStyle::kDashed;
    exact.points = {{0, 0}, {top, top}};
    chart.series.push_back(std::move(exact));
    ChartSeries legend;
    legend.name = "Project";
    legend.column = legend.name;
    chart.series.push_back(std::move(legend));
    for (const ChartPoint& mark : marks) AddCross(chart, mark, top / 60);
    return chart;
}

void ChartSection(cReportWriter& report, const CocomoCalibration& cocomo) {
    if (cocomo.points.empty()) return;
    report.Chart("COCOMO effort, profile in use: estimated against actual",
                 ScatterChart(cocomo.points, false));
    report.Chart("COCOMO effort, calibrated: estimated against actual",
                 ScatterChart(cocomo.points, true));
}

}  // namespace

cReportLayout LayOutCalibrationReport(const Calibration& calibration, cReportSurface& surface) {
    cReportWriter report(surface);
    HistorySection(report, calibration);
    if (calibration.history.projects.empty()) return report.Finish();
    CocomoSection(report, calibration.cocomo);
    PutnamSection(report, calibration.putnam);
    FunctionPointSection(report, calibration.functionPoints);
    AccuracySection(report, calibration);
    ChartSection(report, calibration.cocomo);
    return report.Finish();
}

std::string CalibrationReportText(const Calibration& calibration) {
    cTextReportSurface surface;
    LayOutCalibrationReport(calibration, surface).DrawAll(surface);
    return surface.Render();
}

}  // namespace korval
