#pragma once

#include "cocomo/CocomoTables.h"
#include "cocomo/cPhaseDistribution.h"

// The COCOMO equations as pure functions, shared by the document's figures and the
// simulation's trials so both compute a figure the same way, to the last bit.
namespace korval {

// a x KSLOC^b, capped as every figure is; the size in SLOC.
double NominalEffortFor(const ModeConstants& constants, double sourceLines);
// tm x effort^te.
double ScheduleFor(const ModeConstants& constants, double adjustedEffort);
// The row's share for a size in KSLOC, interpolated between size classes as the mode reads
// the table (organic products of 128 KSLOC and more use the L column).
double PhaseFractionAt(const cPhaseDistribution& row, DevelopmentMode mode, double ksloc);

}  // namespace korval
