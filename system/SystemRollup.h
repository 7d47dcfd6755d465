#pragma once

#include <cstddef>

#include "framework/FiniteFigure.h"
#include "system/MemberFigures.h"

// The system's own rules over its members' figures: the derived product design, the
// cumulative schedule and the totals. The document applies them to its members' figures,
// the simulation to each trial's; figuresAt(i) gives member i's MemberFigures, so neither
// needs to hold all members' figures at once.
namespace korval {

struct SystemPhases {
    double productDesignTdev = 0;
    double productDesignEffort = 0;
    double finalTestTdev = 0;
    double finalTestEffort = 0;
};

struct SystemTotals {
    double totalEffort = 0;
    double totalTdev = 0;
    double totalSloc = 0;
    double totalAdjustedFunctionPoints = 0;
    double systemMbi = 0;
};

// Product design from the members' own product design phases.
template <class FiguresAt>
SystemPhases DeriveProductDesignFrom(SystemPhases phases, std::size_t count, FiguresAt figuresAt) {
    phases.productDesignTdev = 0;
    phases.productDesignEffort = 0;
    for (std::size_t i = 0; i < count; ++i) {
        MemberFigures figures = figuresAt(i);
        phases.productDesignTdev =
            FiniteFigure(phases.productDesignTdev + figures.productDesignTdev);
        phases.productDesignEffort =
            FiniteFigure(phases.productDesignEffort + figures.productDesignEffort);
    }
    return phases;
}

// Calls visit(programmingEnd, integrationEnd) for each member in order: the members'
// programming phases follow one another after the product design.
template <class FiguresAt, class Visitor>
void VisitCumulativeSchedule(double productDesignTdev, std::size_t count, FiguresAt figuresAt,
                             Visitor visit) {
    double cumulative = productDesignTdev;
    for (std::size_t i = 0; i < count; ++i) {
        MemberFigures figures = figuresAt(i);
        cumulative = FiniteFigure(cumulative + figures.programmingTdev);
        visit(cumulative, FiniteFigure(cumulative + figures.integrationTdev));
    }
}

// When the final test and evaluation phase starts: the latest integration and test end.
template <class FiguresAt>
double LatestIntegrationEndOf(double productDesignTdev, std::size_t count, FiguresAt figuresAt) {
    double latest = productDesignTdev;
    VisitCumulativeSchedule(productDesignTdev, count, figuresAt,
                            [&latest](double, double integrationEnd) {
                                if (integrationEnd > latest) latest = integrationEnd;
                            });
    return latest;
}

// Totals, total time to develop and the SLOC-weighted MBI.
template <class FiguresAt>
SystemTotals RollUpSystem(const SystemPhases& phases, std::size_t count, FiguresAt figuresAt) {
    SystemTotals totals;
    totals.totalEffort = phases.productDesignEffort;
    double weighted = 0;
    for (std::size_t i = 0; i < count; ++i) {
        MemberFigures figures = figuresAt(i);
        // Sums of absurd figures stop at the largest double instead of reaching infinity.
        totals.totalAdjustedFunctionPoints =
            FiniteFigure(totals.totalAdjustedFunctionPoints + figures.adjustedFunctionPoints);
        totals.totalSloc = FiniteFigure(totals.totalSloc + figures.sourceLines);
        double memberEffort = FiniteFigure(figures.integrationEffort + figures.programmingEffort);
        totals.totalEffort = FiniteFigure(totals.totalEffort + memberEffort);
        // A member without size (none, or below 0) adds nothing: its MBI is minus
        // infinity, and 0 x minus infinity would leave the system MBI undefined.
        if (figures.sourceLines > 0)
            weighted = FiniteFigure(weighted + figures.mbi * figures.sourceLines);
    }
    totals.totalEffort = FiniteFigure(totals.totalEffort + phases.finalTestEffort);
    totals.totalTdev = FiniteFigure(
        phases.finalTestTdev + LatestIntegrationEndOf(phases.productDesignTdev, count, figuresAt));
    totals.systemMbi = FiniteFigure(totals.totalSloc != 0 ? weighted / totals.totalSloc : weighted);
    return totals;
}

}  // namespace korval
