#pragma once

#include "framework/cModelDoc.h"

namespace korval {

class cRayleighDoc : public cModelDoc {
public:
    explicit cRayleighDoc(cAppContext& context);

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;
};

}  // namespace korval
