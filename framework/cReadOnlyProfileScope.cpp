#include "framework/cReadOnlyProfileScope.h"

namespace korval {

namespace {
// The innermost scope of each thread (members load on helper threads); scopes nest and end
// in reverse order.
thread_local cReadOnlyProfileScope* gInnermost = nullptr;
}  // namespace

cReadOnlyProfileScope::cReadOnlyProfileScope(std::string path)
    : path_(std::move(path)), view_(cIniView::Read(path_)), outer_(gInnermost) {
    gInnermost = this;
}

cReadOnlyProfileScope::~cReadOnlyProfileScope() {
    gInnermost = outer_;
}

const cIniView* cReadOnlyProfileScope::ViewOf(const std::string& path) {
    for (const cReadOnlyProfileScope* scope = gInnermost; scope != nullptr; scope = scope->outer_) {
        if (scope->path_ == path) return &scope->view_;
    }
    return nullptr;
}

}  // namespace korval
