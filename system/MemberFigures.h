#pragma once

namespace korval {

// What a system takes from one member project's models. A member whose file was not
// found, or whose model is absent, gives zeros.
struct MemberFigures {
    double adjustedFunctionPoints = 0;
    double sourceLines = 0;
    double productDesignEffort = 0;
    double productDesignTdev = 0;
    double programmingEffort = 0;  // detailed design plus code and unit test
    double programmingTdev = 0;
    double integrationEffort = 0;
    double integrationTdev = 0;
    double mbi = 0;
};

}  // namespace korval
