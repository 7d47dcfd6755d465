#include "framework/cProfileFileScope.h"

#include "framework/cProfileStore.h"

namespace korval {

cProfileFileScope::cProfileFileScope(std::string path) : path_(std::move(path)) {
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
