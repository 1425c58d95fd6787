#include "platform/base/WorkQueue.h"

#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

TEST(WorkQueue, RunsEveryJobInOrderOfPostingOnItsThreads) {
    std::vector<int> order;
    std::mutex lock;
    std::atomic<bool> onCaller{false};
    const auto caller = std::this_thread::get_id();
    {
        TWorkQueue queue(1);
        for (int i = 0; i < 100; ++i)
            queue.Post([&, i] {
                if (std::this_thread::get_id() == caller) onCaller = true;
                std::lock_guard<std::mutex> guard(lock);
                order.push_back(i);
            });
    } // the queued jobs still run before the threads end
    ASSERT_EQ(order.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[i], i);
    EXPECT_FALSE(onCaller);
}

TEST(WorkQueue, SeveralThreadsShareTheJobs) {
    std::atomic<int> done{0};
    {
        TWorkQueue queue(3);
        for (int i = 0; i < 1000; ++i)
            queue.Post([&] { ++done; });
    }
    EXPECT_EQ(done, 1000);
}
