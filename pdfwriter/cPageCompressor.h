#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace korval {

class cThreadOnAnotherCore;

// Compresses pages on another core while the next pages are drawn: compressing a page
// takes about as long as drawing it. The pages still waiting when the document is finished
// are compressed by both threads.
class cPageCompressor {
  public:
    cPageCompressor();
    ~cPageCompressor();
    cPageCompressor(const cPageCompressor&) = delete;
    cPageCompressor& operator=(const cPageCompressor&) = delete;

    void Add(std::string page);
    // Every page added, compressed, in the order added.
    const std::vector<std::string>& Finish();
    std::size_t Count() const { return pages_.size(); }

  private:
    // Compresses pages until none waits; with stopWhenEmpty false, waits for more until
    // stopped.
    void Work(bool stopWhenEmpty);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::size_t> waiting_;
    std::vector<std::string> pages_;  // operators, then compressed in place
    std::size_t running_ = 0;
    bool stopping_ = false;
    std::unique_ptr<cThreadOnAnotherCore> helper_;
};

}  // namespace korval
