#include "SampleListStart.h"

#include "ProgramStart.h"
#include "app/SampleListMaker.h"
#include "app/ui/GridView.h"
#include "app/ui/ListDocument.h"
#include "app/ui/ZantobyApp.h"
#include "app/ui/ZantobyDocManager.h"
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
