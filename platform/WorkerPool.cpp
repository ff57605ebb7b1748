#include "platform/WorkerPool.h"

#include <algorithm>

WorkerPool::WorkerPool(int threads)
{
    const int count = threads >= 1 ? threads : CoreCount();
    m_threads.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        m_threads.emplace_back([this] { Work(); });
    }
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_tasks.clear();
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads) {
        thread.join();
    }
}

int WorkerPool::CoreCount()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void WorkerPool::Submit(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void WorkerPool::Work()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
            if (m_stopping) {
                return;
            }
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
    }
}
