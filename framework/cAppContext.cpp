#include "framework/cAppContext.h"

namespace korval {

std::string cAppContext::DefaultsProfileForWriting() {
    if (!userProfile) return defaultsProfilePath;
    if (!userProfile->CopyProblem().empty()) {
        platform.ShowMessage("Your defaults profile " + userProfile->CopyPath() +
                             " cannot be used: " + userProfile->CopyProblem() +
                             ".\nOptions, Reset Defaults Profile removes it; your change is not "
                             "kept.");
        return {};
    }
    if (!userProfile->HasCopy()) {
        if (!userProfile->MakeCopy()) {
            platform.ShowMessage("Your defaults could not be kept in " + userProfile->CopyPath() +
                                 ":\n" + userProfile->LastError());
            return {};
        }
        platform.ShowMessage("Your defaults are now kept in " + userProfile->CopyPath() +
                             ".\nThe installed defaults profile " + userProfile->ShippedPath() +
                             " stays as it is; Options, Reset Defaults Profile returns to it.");
    }
    defaultsProfilePath = userProfile->CopyPath();
    return defaultsProfilePath;
}

}  // namespace korval
