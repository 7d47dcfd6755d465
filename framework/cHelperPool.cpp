#include "framework/cHelperPool.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace korval {

namespace {
// More helpers than this only take turns on the same cores.
constexpr unsigned kMaxHelpers = 255;
}  // namespace

struct cHelperPool::Batch {
    std::int64_t count = 0;
    // Read only for a job taken before the last one ran, while the caller waits.
    const std::function<void(std::int64_t)>* job = nullptr;
    unsigned helpersLeft = 0;  // under the pool's mutex
    std::atomic<std::int64_t> next{0};
    std::atomic<std::int64_t> done{0};
    // The first exception a job threw, rethrown on the calling thread: one escaping a
    // helper thread would end the program. The jobs after it are skipped.
    std::atomic<bool> failed{false};
    std::mutex failureMutex;
    std::exception_ptr failure;
};

// Never destroyed: a run still going while the program's statics are destroyed (a
// background simulation cancelled by the window it belongs to) finds its pool in place.
cHelperPool& cHelperPool::Shared() {
    static cHelperPool* pool = new cHelperPool;
    return *pool;
}

cHelperPool::~cHelperPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    threads_.clear();
}

void cHelperPool::Work(Batch& batch) {
    for (std::int64_t index = batch.next++; index < batch.count; index = batch.next++) {
        if (!batch.failed.load()) {
            try {
                (*batch.job)(index);
            } catch (...) {
                std::lock_guard lock(batch.failureMutex);
                if (!batch.failure) batch.failure = std::current_exception();
                batch.failed.store(true);
            }
        }
        batch.done.fetch_add(1);
        batch.done.notify_all();
    }
}

void cHelperPool::Serve() {
    for (;;) {
        std::shared_ptr<Batch> batch;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !batches_.empty(); });
            if (stopping_) return;
            batch = batches_.front();
            if (batch->helpersLeft == 0 || batch->next.load() >= batch->count) {
                batches_.pop_front();
                continue;
            }
            --batch->helpersLeft;
        }
        Work(*batch);
    }
}

void cHelperPool::StartHelpers(unsigned helpers) {
    while (threads_.size() < std::min(helpers, kMaxHelpers))
        threads_.push_back(std::make_unique<cThreadOnAnotherCore>([this] { Serve(); }));
}

void cHelperPool::RunOnEveryCore(std::size_t count, std::size_t perRun, const RunOfItems& job) {
    std::size_t runs = (count + perRun - 1) / perRun;
    unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    Shared().Run(static_cast<std::int64_t>(runs), cores - 1, [&](std::int64_t index) {
        std::size_t run = static_cast<std::size_t>(index);
        job(run, run * perRun, std::min(count, (run + 1) * perRun));
    });
}

void cHelperPool::Run(std::int64_t count, unsigned helpers,
                      const std::function<void(std::int64_t)>& job) {
    if (count <= 0) return;
    auto batch = std::make_shared<Batch>();
    batch->count = count;
    batch->job = &job;
    unsigned wanted = static_cast<unsigned>(std::min<std::int64_t>(helpers, count - 1));
    batch->helpersLeft = wanted;
    if (wanted > 0) {
        {
            std::lock_guard lock(mutex_);
            StartHelpers(wanted);
            batches_.push_back(batch);
        }
        wake_.notify_all();
    }
    Work(*batch);
    for (std::int64_t done = batch->done.load(); done < count; done = batch->done.load())
        batch->done.wait(done);
    if (wanted > 0) {
        std::lock_guard lock(mutex_);
        std::erase(batches_, batch);
    }
    if (batch->failed.load()) std::rethrow_exception(batch->failure);
}

}  // namespace korval
