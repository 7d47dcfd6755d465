#include "framework/cReadOnlyProfileScope.h"

#include <vector>

namespace korval {

namespace {
// The innermost scope of each thread (members load on helper threads); scopes nest and end
// in reverse order.
thread_local cReadOnlyProfileScope* gInnermost = nullptr;
// Views done with, kept for the thread's next files: a system reads hundreds of members in
// a row, and a view read again keeps its buffers.
thread_local std::vector<std::unique_ptr<cIniView>> gSpareViews;
// A view that grew past this (a rare large file) is not kept.
constexpr std::size_t kSpareFootprintLimit = 1u << 20;
constexpr std::size_t kSpareViewLimit = 2;

std::unique_ptr<cIniView> TakeView() {
    if (gSpareViews.empty()) return std::make_unique<cIniView>();
    std::unique_ptr<cIniView> view = std::move(gSpareViews.back());
    gSpareViews.pop_back();
    return view;
}
}  // namespace

cReadOnlyProfileScope::cReadOnlyProfileScope(std::string path)
    : path_(std::move(path)), view_(TakeView()), outer_(gInnermost) {
    view_->Reread(path_);
    gInnermost = this;
}

cReadOnlyProfileScope::cReadOnlyProfileScope(std::string path, cReadOnlyFile& file)
    : path_(std::move(path)), view_(TakeView()), outer_(gInnermost) {
    view_->Reread(file);
    gInnermost = this;
}

cReadOnlyProfileScope::~cReadOnlyProfileScope() {
    gInnermost = outer_;
    if (gSpareViews.size() < kSpareViewLimit && view_->Footprint() <= kSpareFootprintLimit)
        gSpareViews.push_back(std::move(view_));
}

const cIniView* cReadOnlyProfileScope::ViewOf(const std::string& path) {
    for (const cReadOnlyProfileScope* scope = gInnermost; scope != nullptr; scope = scope->outer_) {
        if (scope->path_ == path) return scope->view_.get();
    }
    return nullptr;
}

}  // namespace korval
