#pragma once

#include "framework/cModelDoc.h"

namespace korval {

class cFunctionPointDoc : public cModelDoc {
public:
    explicit cFunctionPointDoc(cAppContext& context);

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;
};

}  // namespace korval
