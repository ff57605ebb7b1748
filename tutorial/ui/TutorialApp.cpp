#include "tutorial/ui/TutorialApp.h"

#include "tutorial/TutorialChannel.h"
#include "tutorial/ui/TutorialDlg.h"

#include "platform/SingleInstance.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxReadWatch.h"
#include "platform/ui/WxText.h"

#include <wx/image.h>

#include <exception>

namespace {

constexpr char kAppName[] = "チュートリアル";

} // namespace

CTutorialApp::CTutorialApp(SingleInstance& channel, int topic)
    : m_channel(channel), m_topic(topic), m_base(kAppName)
{
}

CTutorialApp::~CTutorialApp() = default;

bool CTutorialApp::OnInit()
{
    WindowPlatform::Install();
    wxInitAllImageHandlers();
    SetAppDisplayName(ToWx(kAppName));
    // The main program's profile, whose show-at-start key the window reads and writes. The
    // viewer reports errors in boxes but never writes error files.
    m_base.SetIniFile(CString());
    m_base.SetWriteErrorFiles(false);

    m_dialog = new CTutorialDlg(nullptr, m_base);
    SetTopWindow(m_dialog);
    m_dialog->ShowTopic(m_topic);
    m_watch = std::make_unique<WxReadWatch>(m_channel.GetListenHandle(), [this] { ReceiveRequests(); });
    return true;
}

int CTutorialApp::OnExit()
{
    m_watch.reset();
    return wxApp::OnExit();
}

bool CTutorialApp::OnExceptionInMainLoop()
{
    try {
        throw;
    } catch (const std::exception& error) {
        m_base.ReportError(error.what(), __FILE__, __LINE__);
    } catch (...) {
        m_base.ReportError(nullptr, __FILE__, __LINE__);
    }
    return true;
}

int CTutorialApp::FilterEvent(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (m_dialog && (type == wxEVT_LEFT_DOWN || type == wxEVT_MIDDLE_DOWN || type == wxEVT_RIGHT_DOWN)) {
        m_dialog->TakeKeyboard();
    }
    return Event_Skip;
}

void CTutorialApp::ReceiveRequests()
{
    std::string message;
    while (m_channel.Receive(message)) {
        CTutorialChannel::Request request;
        if (!m_dialog || !CTutorialChannel::Parse(message, request)) {
            continue;
        }
        if (request.kind == CTutorialChannel::Request::Kind::Close) {
            m_dialog->Close();
        } else {
            m_dialog->ShowTopic(request.topic);
        }
    }
}
