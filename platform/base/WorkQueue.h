#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Background threads, one per processor beyond the first (at least one), that
// run posted jobs in order of posting. Decoding pictures uses them so that a
// page's pictures are decoded on every core while the page is laid out.
class TWorkQueue {
public:
    explicit TWorkQueue(unsigned Threads);
    // Runs the jobs still queued, then ends the threads.
    ~TWorkQueue();
    TWorkQueue(const TWorkQueue&) = delete;
    TWorkQueue& operator=(const TWorkQueue&) = delete;

    void Post(std::function<void()> Job);

    // The program's queue.
    static TWorkQueue& Shared();

private:
    void Work();

    std::mutex FLock;
    std::condition_variable FReady;
    std::deque<std::function<void()>> FJobs;
    bool FStopping = false;
    std::vector<std::thread> FThreads;
};
