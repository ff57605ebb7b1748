#include "app/testing/ui/SampleListStart.h"

#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"

#include <cstdlib>

CGridView* StartWithSampleList(int rows, int photoRows)
{
    static ScratchFolder scratch;
    static const CString path = scratch / "goods.zbk";
    static const bool made = [&] {
        FakeListHost host;
        return CSampleListMaker(host).Make(path, rows, photoRows);
    }();
    if (!made) {
        std::abort();
    }
    return StartWithList(path);
}

CGridView* StartWithList(const CString& path)
{
    CZantobyApp& app = StartProgram({FileSystem::ToNative(path).string()});
    for (wxDocument* doc : app.GetDocManager()->GetDocumentsVector()) {
        if (dynamic_cast<CListDocument*>(doc) != nullptr) {
            return dynamic_cast<CGridView*>(doc->GetFirstView());
        }
    }
    return nullptr;
}

void SendCommand(wxWindow& window, int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(command);
}
