#include "pdfwriter/cPageCompressor.h"

#include "framework/cThreadOnAnotherCore.h"
#include "pdfwriter/PdfSyntax.h"

namespace korval {

cPageCompressor::cPageCompressor() = default;

cPageCompressor::~cPageCompressor() {
    Finish();
}

void cPageCompressor::Add(std::string page) {
    {
        std::lock_guard lock(mutex_);
        pages_.push_back(std::move(page));
        waiting_.push_back(pages_.size() - 1);
    }
    changed_.notify_all();
    if (!helper_) helper_ = std::make_unique<cThreadOnAnotherCore>([this] { Work(false); });
}

void cPageCompressor::Work(bool stopWhenEmpty) {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return !waiting_.empty() || stopping_ || stopWhenEmpty; });
        if (waiting_.empty()) return;
        std::size_t page = waiting_.front();
        waiting_.pop_front();
        ++running_;
        // The vector of pages grows only under the lock, and only this thread touches this
        // page's text until it is counted done.
        std::string operators = std::move(pages_[page]);
        lock.unlock();
        std::string compressed = pdf::Deflate(operators, pdf::Compression::kFastest);
        lock.lock();
        pages_[page] = std::move(compressed);
        --running_;
        changed_.notify_all();
    }
}

const std::vector<std::string>& cPageCompressor::Finish() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    Work(true);
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return running_ == 0; });
    }
    helper_.reset();
    return pages_;
}

}  // namespace korval
