#pragma once

#include "framework/cModelDoc.h"

namespace korval {

class cSystemDoc : public cModelDoc {
public:
    explicit cSystemDoc(cAppContext& context);

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;

protected:
    bool WriteIdentity(const std::string& path) override;
    bool WritesTypeOnFileSave() const override { return false; }
    // A system file holds only what the system writes: the save starts from an empty
    // file and replaces the old one atomically, so a failed save loses nothing.
    bool ReplacesWholeFile() const override { return true; }
};

}  // namespace korval
