#include "platform/ui/WxReadWatch.h"

#include <wx/evtloop.h>

WxReadWatch::WxReadWatch(int fd, std::function<void()> onReadable) : m_onReadable(std::move(onReadable))
{
    if (fd >= 0) {
        m_source = wxEventLoopBase::AddSourceForFD(fd, this, wxEVENT_SOURCE_INPUT);
    }
}

WxReadWatch::~WxReadWatch()
{
    delete m_source;
}
