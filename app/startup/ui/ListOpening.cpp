#include "app/startup/ui/ListOpening.h"

#include "app/frame/ui/MainFrame.h"
#include "app/startup/FileHandOver.h"
#include "app/startup/StartupPlan.h"
#include "app/startup/ui/OpenModalDialogs.h"
#include "app/startup/ui/OutsideLogs.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/ui/DocumentLookup.h"
#include "foundation/ui/MessagePump.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/SingleInstance.h"
#include "platform/ui/WxReadWatch.h"

#include <wx/dialog.h>

#include <cstdio>
#include <filesystem>

namespace {

// A later copy waits this long for the running copy, which may still be starting.
constexpr int kHandOverTimeoutMs = 10000;
// Long work or a closing dialog holds deferred work off this long at a time.
constexpr int kRetryMs = 200;

CString CurrentFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? CString() : FileSystem::FromNative(folder);
}

} // namespace

CListOpening::CListOpening(CZantobyApp& app) : m_app(app)
{
    m_retryTimer.SetOwner(&app);
    app.Bind(wxEVT_TIMER, &CListOpening::OnRetryTimer, this, m_retryTimer.GetId());
}

CListOpening::~CListOpening() = default;

int CListOpening::HandOverToRunningCopy(SingleInstance& instance, const std::vector<std::string>& arguments)
{
    CString path;
    const CString file = CStartupPlan::FindFileArgument(arguments);
    const CString folder = CurrentFolder();
    // A name the program cannot hold would reach the running copy spoilt: it only comes forward.
    const CString unheld = CStartupPlan::DescribeUnheldArgument(arguments);
    if (!unheld.IsEmpty()) {
        std::fprintf(stderr, "%s\n", Cp932::ToUtf8(unheld.view()).c_str());
    } else if (!file.IsEmpty() && (file[0] == '/' || !folder.IsEmpty())) {
        // A refused pseudo path leaves path empty: the running copy only comes forward.
        CFileHandOver::ResolveArgument(file, folder, path);
    }
    return instance.Send(CFileHandOver::FormatRequest(path), kHandOverTimeoutMs) ? 0 : 1;
}

void CListOpening::Listen(SingleInstance& instance)
{
    m_instance = &instance;
    m_handOverWatch =
        std::make_unique<WxReadWatch>(instance.GetListenHandle(), [this] { ReceiveHandOver(); });
}

void CListOpening::StopListening()
{
    m_retryTimer.Stop();
    m_handOverWatch.reset();
}

void CListOpening::EndStart()
{
    m_starting = false;
    DoDeferredWork();
}

bool CListOpening::Open(const CString& path)
{
    if (m_starting) {
        m_pendingOpens.push_back(path);
        return false;
    }
    return OpenNow(path);
}

bool CListOpening::OpenNow(const CString& path)
{
    COutsideLogs::OpenRequested(path);
    CZantobyDocManager* documents = m_app.GetDocManager();
    return documents != nullptr && CDocumentLookup::OpenDocumentOfType(*documents, path, nullptr) != nullptr;
}

bool CListOpening::OpenFileArgument(const CString& file)
{
    CString path;
    if (file.IsEmpty() || !CFileHandOver::ResolveArgument(file, CurrentFolder(), path)) {
        return false;
    }
    // A list that does not open is reported by the framework; the program starts without it.
    OpenNow(path);
    return true;
}

void CListOpening::OpenRecent(int index)
{
    CRecentFileList& recent = m_app.GetRecentFiles();
    if (index < 0 || index >= recent.GetCount()) {
        return;
    }
    if (!Open(recent.GetPath(index)) && !m_starting) {
        m_app.GetDocManager()->RemoveFileFromHistory(static_cast<size_t>(index));
    }
}

void CListOpening::RequestEnd()
{
    m_endRequested = true;
    DoDeferredWork();
}

void CListOpening::ReceiveHandOver()
{
    std::string message;
    while (m_instance->Receive(message)) {
        CString path;
        if (!CFileHandOver::ParseRequest(message, path)) {
            continue;
        }
        BringForward();
        if (!path.IsEmpty()) {
            m_pendingOpens.push_back(path);
        }
    }
    if (!m_pendingOpens.empty()) {
        m_app.CallAfter([this] { DoDeferredWork(); });
    }
}

void CListOpening::DoDeferredWork()
{
    if (m_starting) {
        return;
    }
    // Long work in progress holds commands and closing off; the work waits until it has ended.
    if (CMessagePump::IsPumping()) {
        m_retryTimer.StartOnce(kRetryMs);
        return;
    }
    while (!m_pendingOpens.empty()) {
        const CString path = m_pendingOpens.front();
        m_pendingOpens.pop_front();
        OpenNow(path);
    }
    if (m_endRequested) {
        // A modal dialog (the start navigator, a question, the file chooser) lives on the stack
        // of its own loop: the innermost is cancelled and the end waits until that loop has returned.
        if (wxDialog* dialog = COpenModalDialogs::Get().Innermost()) {
            dialog->EndModal(wxID_CANCEL);
            m_retryTimer.StartOnce(kRetryMs);
            return;
        }
        m_endRequested = false;
        if (CMainFrame* main = m_app.GetMainFrame()) {
            main->Close();
            // Nothing else may wake the loop to delete the closed window and end.
            wxWakeUpIdle();
        } else {
            m_app.ExitMainLoop();
        }
    }
}

void CListOpening::OnRetryTimer(wxTimerEvent&)
{
    DoDeferredWork();
}

void CListOpening::BringForward()
{
    CMainFrame* main = m_app.GetMainFrame();
    if (main == nullptr || !main->IsShown()) {
        return;
    }
    if (main->IsIconized()) {
        main->Restore();
    }
    main->Raise();
}
