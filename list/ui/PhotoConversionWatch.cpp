#include "list/ui/PhotoConversionWatch.h"

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/MessagePump.h"

namespace {

// The pause before each photo of a conversion, during which the dialog stays live.
constexpr int kPhotoPauseMs = 300;

} // namespace

void CPhotoConversionWatch::BeforePhoto(int slot)
{
    PumpMessagesFor(kPhotoPauseMs);
    CString text;
    text.Format("写真変換中(%d) ... [Esc]で中止します", slot);
    m_dialog.SetItemText(m_statusId, text);
    m_dialog.GetItem(m_statusId)->Update();
}

bool CPhotoConversionWatch::StopRequested()
{
    PumpMessages();
    return m_stop;
}
