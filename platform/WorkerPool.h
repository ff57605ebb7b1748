#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Runs tasks on threads of its own, by default as many as the machine has cores. Tasks start in
// the order they were handed in and must not throw. Destroying the pool waits for the tasks that
// have started and drops those that have not.
class WorkerPool
{
  public:
    // threads below 1: one per core.
    explicit WorkerPool(int threads = 0);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int ThreadCount() const { return static_cast<int>(m_threads.size()); }
    void Submit(std::function<void()> task);

    // The threads a pool of one per core has.
    static int CoreCount();

  private:
    void Work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
