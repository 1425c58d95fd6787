#include "platform/base/WorkQueue.h"

#include <algorithm>

TWorkQueue::TWorkQueue(unsigned Threads) {
    for (unsigned i = 0; i < std::max(Threads, 1u); ++i)
        FThreads.emplace_back([this] { Work(); });
}

TWorkQueue::~TWorkQueue() {
    {
        std::lock_guard<std::mutex> lock(FLock);
        FStopping = true;
    }
    FReady.notify_all();
    for (std::thread& thread : FThreads)
        thread.join();
}

void TWorkQueue::Post(std::function<void()> Job) {
    {
        std::lock_guard<std::mutex> lock(FLock);
        FJobs.push_back(std::move(Job));
    }
    FReady.notify_one();
}

void TWorkQueue::Work() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock<std::mutex> lock(FLock);
            FReady.wait(lock, [this] { return FStopping || !FJobs.empty(); });
            if (FJobs.empty()) return;
            job = std::move(FJobs.front());
            FJobs.pop_front();
        }
        job();
    }
}

TWorkQueue& TWorkQueue::Shared() {
    static TWorkQueue queue(std::max(std::thread::hardware_concurrency(), 2u) - 1);
    return queue;
}
