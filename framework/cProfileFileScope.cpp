#include "framework/cProfileFileScope.h"

#include "framework/cProfileStore.h"
#include "framework/cReadOnlyProfileScope.h"

namespace korval {

cProfileFileScope::cProfileFileScope(std::string path) : path_(std::move(path)) {
    // A file read through a read-only view is not held in the store at all.
    if (cReadOnlyProfileScope::ViewOf(path_) != nullptr) {
        open_ = false;
        return;
    }
    cProfileStore::Instance().BeginScope(path_);
}

cProfileFileScope::~cProfileFileScope() {
    if (open_) cProfileStore::Instance().DropScope(path_);
}

bool cProfileFileScope::Commit() {
    if (!open_) return true;
    open_ = false;
    return cProfileStore::Instance().CommitScope(path_);
}

}  // namespace korval
