#include "platform/WorkerPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

TEST(WorkerPool, RunsEveryTaskOnItsOwnThreads)
{
    EXPECT_GE(WorkerPool::CoreCount(), 1);
    std::mutex mutex;
    std::condition_variable finished;
    int done = 0;
    std::atomic<int> onCaller{0};
    const auto caller = std::this_thread::get_id();
    {
        WorkerPool pool(3);
        EXPECT_EQ(pool.ThreadCount(), 3);
        for (int i = 0; i < 100; ++i) {
            pool.Submit([&] {
                onCaller += std::this_thread::get_id() == caller ? 1 : 0;
                std::lock_guard<std::mutex> lock(mutex);
                ++done;
                finished.notify_all();
            });
        }
        std::unique_lock<std::mutex> lock(mutex);
        finished.wait(lock, [&] { return done == 100; });
    }
    EXPECT_EQ(onCaller, 0);
}

// Destroying the pool, as a batch that stops does, lets a running task end and drops the rest.
TEST(WorkerPool, DestroyingWaitsForRunningTasksAndDropsTheOthers)
{
    std::atomic<bool> release{false};
    std::atomic<int> started{0};
    std::atomic<int> ended{0};
    std::thread releaser;
    {
        WorkerPool pool(1);
        pool.Submit([&] {
            ++started;
            while (!release) {
                std::this_thread::yield();
            }
            ++ended;
        });
        for (int i = 0; i < 10; ++i) {
            pool.Submit([&] { ++started; });
        }
        while (started == 0) {
            std::this_thread::yield();
        }
        releaser = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            release = true;
        });
    }
    releaser.join();
    EXPECT_EQ(started, 1);
    EXPECT_EQ(ended, 1);
}
