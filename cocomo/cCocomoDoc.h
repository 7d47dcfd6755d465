#pragma once

#include "framework/cModelDoc.h"

namespace korval {

class cCocomoDoc : public cModelDoc {
public:
    explicit cCocomoDoc(cAppContext& context);

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;
};

}  // namespace korval
