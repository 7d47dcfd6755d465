#pragma once

#include "framework/RangedFigure.h"

namespace korval {

// The figures of one development phase, each with its low and its high value. Figures a
// phase does not have are 0: the detailed design and code and unit test efforts belong to
// the programming phase only, whose own effort is given only as those two parts.
struct PhaseFigures {
    RangedFigure effort;           // person months
    RangedFigure schedule;         // calendar months
    RangedFigure detailedDesign;   // person months
    RangedFigure codeAndUnitTest;  // person months
    RangedFigure staff;            // full-time staff
};

}  // namespace korval
