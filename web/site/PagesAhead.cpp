#include "web/site/PagesAhead.h"

#include "platform/WorkerPool.h"

#include <algorithm>
#include <utility>

int CPagesAhead::MakerThreads()
{
    return std::clamp(WorkerPool::CoreCount() - 1, 1, 4);
}

CPagesAhead::CPagesAhead(const CZantobyDoc& doc, const WebPageContext& page, int count, Make make)
    : m_make(std::move(make)), m_count(count), m_ahead(MakerThreads() * 8),
      m_made(static_cast<size_t>(count)), m_pool(std::make_unique<WorkerPool>(MakerThreads()))
{
    for (int i = 0; i < m_pool->ThreadCount(); ++i) {
        m_makers.push_back(std::make_unique<Maker>(doc, page));
        m_pool->Submit([this, maker = m_makers.back().get()] { MakePages(*maker); });
    }
}

CPagesAhead::~CPagesAhead()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_roomAhead.notify_all();
    m_pool.reset();
}

void CPagesAhead::MakePages(Maker& maker)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        ++m_waitingMakers;
        m_roomAhead.wait(
            lock, [this] { return m_stopping || m_started >= m_count || m_started - m_taken < m_ahead; });
        --m_waitingMakers;
        if (m_stopping || m_started >= m_count) {
            return;
        }
        const int index = m_started++;
        lock.unlock();
        Made made;
        try {
            made.made = m_make(index, maker, made.page, made.failure);
        } catch (...) {
            made.error = std::current_exception();
        }
        made.ready = true;
        lock.lock();
        m_made[static_cast<size_t>(index)] = std::move(made);
        if (m_takerWaits && index == m_taken) {
            m_madeOne.notify_one();
        }
    }
}

bool CPagesAhead::TakeNext(CString& page, CString& failure)
{
    Made made;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        Made& next = m_made[static_cast<size_t>(m_taken)];
        m_takerWaits = true;
        m_madeOne.wait(lock, [&next] { return next.ready; });
        m_takerWaits = false;
        made = std::move(next);
        ++m_taken;
        // The makers are woken when half the pages ahead are taken, not for every page.
        if (m_waitingMakers > 0 && m_started - m_taken <= m_ahead / 2) {
            m_roomAhead.notify_all();
        }
    }
    if (made.error) {
        std::rethrow_exception(made.error);
    }
    page = std::move(made.page);
    failure = std::move(made.failure);
    return made.made;
}
