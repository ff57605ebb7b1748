#include "list/PhotoBatchImport.h"

#include "list/IListHost.h"
#include "list/PhotoRegistration.h"
#include "list/ZantobyDoc.h"
#include "platform/WorkerPool.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace {

// How often the waiting thread looks up while a photo is being made.
constexpr int kWaitingMs = 50;

struct Pending
{
    explicit Pending(const CString& versionString) : registration(versionString) {}
    CPhotoRegistration registration;
    bool prepared = false;
    bool ready = false; // guarded by the batch's mutex
};

} // namespace

void CPhotoBatchImport::Run(const std::vector<Photo>& photos, const Steps& steps, int threads)
{
    if (photos.empty()) {
        return;
    }
    std::mutex mutex;
    std::condition_variable madeOne;
    auto pool = std::make_unique<WorkerPool>(threads);
    // Enough photos ahead to keep every thread busy while the list takes one in.
    const size_t ahead = static_cast<size_t>(pool->ThreadCount()) * 2;
    const CString version = m_doc.Host().GetVersionString();
    std::deque<std::shared_ptr<Pending>> pending;
    size_t next = 0;

    auto startMore = [&] {
        while (pending.size() < ahead && next < photos.size()) {
            auto item = std::make_shared<Pending>(version);
            const Photo& photo = photos[next++];
            item->prepared = m_doc.PrepareRegistration(photo.path, -1, photo.drawing, 0, item->registration);
            if (item->prepared) {
                pool->Submit([item, &mutex, &madeOne] {
                    item->registration.Run();
                    std::lock_guard<std::mutex> lock(mutex);
                    item->ready = true;
                    madeOne.notify_all();
                });
            } else {
                item->ready = true;
            }
            pending.push_back(item);
        }
    };
    // Waits for the photo at the front; false when the caller stopped the batch meanwhile.
    auto waitFor = [&](const Pending& item, int index) {
        std::unique_lock<std::mutex> lock(mutex);
        do {
            if (steps.waiting) {
                lock.unlock();
                const bool goOn = steps.waiting(index);
                lock.lock();
                if (!goOn) {
                    return false;
                }
            }
        } while (!madeOne.wait_for(lock, std::chrono::milliseconds(kWaitingMs), [&] { return item.ready; }));
        return true;
    };

    // What was not handed on is given back once no thread works on it any more.
    auto giveBackTheRest = [&] {
        pool.reset();
        for (const auto& item : pending) {
            if (item->prepared) {
                m_doc.AbandonRegistration(item->registration);
            }
        }
    };
    try {
        for (size_t index = 0; index < photos.size(); ++index) {
            startMore();
            const int at = static_cast<int>(index);
            if (!waitFor(*pending.front(), at) || (steps.accept && !steps.accept(at))) {
                break;
            }
            std::shared_ptr<Pending> item = pending.front();
            pending.pop_front();
            const int slot = item->prepared ? m_doc.FinishRegistration(item->registration) : -1;
            if (!steps.done(at, slot)) {
                break;
            }
        }
    } catch (...) {
        giveBackTheRest();
        throw;
    }
    giveBackTheRest();
}
