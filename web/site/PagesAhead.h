#pragma once

#include "platform/CString.h"
#include "web/site/WebPageContext.h"
#include "web/site/WebTemplateExpander.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class CZantobyDoc;
class WorkerPool;

// Makes the pages of a set on worker threads, a few ahead of the page the calling thread takes
// to write, and hands them over in their order. Making a page only reads the list; writing it,
// and showing why one could not be made, stay on the calling thread, page by page, as they
// would with no other thread.
class CPagesAhead
{
  public:
    // A page context of its own, a copy of the writer's, and an expander on it.
    struct Maker
    {
        Maker(const CZantobyDoc& doc, const WebPageContext& from) : page(from), expander(doc, page) {}
        WebPageContext page;
        CWebTemplateExpander expander;
    };
    // Makes page number index of the set as it goes to its file; false when it cannot, with
    // the message that says why.
    using Make = std::function<bool(int index, Maker& maker, CString& page, CString& failure)>;

    CPagesAhead(const CZantobyDoc& doc, const WebPageContext& page, int count, Make make);
    // Waits for the pages being made and drops the others.
    ~CPagesAhead();
    CPagesAhead(const CPagesAhead&) = delete;
    CPagesAhead& operator=(const CPagesAhead&) = delete;

    // The next of the count pages, once it is made: false when it could not be, with the
    // message. What was thrown while it was made is thrown here.
    bool TakeNext(CString& page, CString& failure);

    // The threads Web output makes its pages and data on beside the calling one: a few, so that
    // the machine stays usable while they work.
    static int MakerThreads();

  private:
    struct Made
    {
        bool ready = false;
        bool made = false;
        CString page;
        CString failure;
        std::exception_ptr error;
    };
    // What one thread does: makes the next page not yet started while it is few enough ahead.
    void MakePages(Maker& maker);

    const Make m_make;
    const int m_count;
    const int m_ahead;
    std::vector<std::unique_ptr<Maker>> m_makers;
    // Guarded by the mutex:
    std::mutex m_mutex;
    std::condition_variable m_roomAhead; // the makers wait for it
    std::condition_variable m_madeOne;   // the calling thread waits for it
    std::vector<Made> m_made;
    int m_started = 0;
    int m_taken = 0;
    int m_waitingMakers = 0;
    bool m_takerWaits = false;
    bool m_stopping = false;
    std::unique_ptr<WorkerPool> m_pool;
};
