#include "foundation/ui/SpinEdit.h"

#include "foundation/ui/DropButton.h"

void CSpinEdit::SetIntegerFormat(const IntegerFormat* format, int step)
{
    GetEdit().SetIntegerFormat(format);
    m_steps.integerStep = step;
}

void CSpinEdit::SetRealFormat(const RealFormat* format, double step)
{
    GetEdit().SetRealFormat(format);
    m_steps.realStep = step;
}

void CSpinEdit::SetDecimalFormat(const DecimalFormat* format, int64_t step)
{
    GetEdit().SetDecimalFormat(format);
    m_steps.decimalStep = CNumber(COleCurrency(step));
}

wxWindow* CSpinEdit::CreateSide(const wxRect& rect)
{
    return new CDropButton(this, rect, true);
}

void CSpinEdit::OnAttached()
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { Step(event.GetInt() > 0); });
    GetEdit().Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        if (event.ControlDown() && (event.GetKeyCode() == WXK_UP || event.GetKeyCode() == WXK_DOWN)) {
            Step(event.GetKeyCode() == WXK_UP);
            return;
        }
        event.Skip();
    });
}

bool CSpinEdit::Step(bool up)
{
    CTypedEdit& edit = GetEdit();
    const CString before = edit.GetText();
    edit.SetText(m_steps.Step(edit.GetValueLogic(), before, up, GetToday()));
    SetChanged(true);
    edit.DiscardEdits();
    edit.SetChanged(false);
    wxNotifyEvent delta(EVT_FIELD_DELTA_POS, GetItemId());
    delta.SetEventObject(this);
    delta.SetInt(up ? 1 : -1);
    ProcessWindowEvent(delta);
    if (!delta.IsAllowed()) {
        edit.GetValueLogic().Parse(before);
        edit.SetText(before);
        return false;
    }
    SendToParent(EVT_FIELD_UPDATE);
    return true;
}

void CSpinEdit::OnEditChange()
{
    if (!GetEdit().IsSettingText()) {
        PostToParent(EVT_FIELD_CHANGE);
    }
}

void CSpinEdit::OnEditKillFocus()
{
    if (TakeEditChange()) {
        SetChanged(true);
        wxNotifyEvent delta(EVT_FIELD_DELTA_POS, GetItemId());
        delta.SetEventObject(this);
        delta.SetInt(0);
        ProcessWindowEvent(delta);
    }
    PostToParent(EVT_FIELD_KILL_FOCUS);
}
