#pragma once

#include "framework/cModelDoc.h"

namespace korval {

class cProjectDoc : public cModelDoc {
public:
    explicit cProjectDoc(cAppContext& context);

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;

protected:
    bool WriteIdentity(const std::string& path) override;
    bool WritesTypeOnFileSave() const override { return false; }
};

}  // namespace korval
