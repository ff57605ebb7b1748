#include "app/find/ui/SortDetailDlg.h"

#include "app/find/SortKeyEditor.h"
#include "app/find/ui/SortKeyGrid.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/button.h>

namespace {

constexpr int IDC_GRID = 1033;
constexpr int kUpBitmap = 305;
constexpr int kDownBitmap = 304;

const DialogItemInfo kItems[] = {
    {CSortDetailDlg::kMoveUpId, 0, kDefaultColor, kDefaultColor, 0, "選択位置の列を上に移動します"},
    {CSortDetailDlg::kMoveDownId, 0, kDefaultColor, kDefaultColor, 0, "選択位置の列を下に移動します"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

CSortDetailDlg::CSortDetailDlg(wxWindow* parent, CSortKeyEditor& editor)
    : CAnchorDialog(parent, 209, "並替の詳細設定", wxDefaultSize), m_editor(editor),
      m_grid(new CSortKeyGrid(editor))
{
    SetClientSize(470, 300);
    SetHelpTopic("SortDetailDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    new wxWindow(this, IDC_GRID, wxPoint(10, 10), wxSize(330, 280));
    auto* up = new wxButton(this, kMoveUpId, ToWx("上に移動(&U)"), wxPoint(350, 10), wxSize(110, 32));
    auto* down = new wxButton(this, kMoveDownId, ToWx("下に移動(&D)"), wxPoint(350, 46), wxSize(110, 32));
    up->SetBitmap(CResourceBitmaps::GetBitmap(kUpBitmap));
    down->SetBitmap(CResourceBitmaps::GetBitmap(kDownBitmap));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(350, 186), wxSize(110, 28));
    new wxButton(this, kApplyId, ToWx("設定(&G)"), wxPoint(350, 222), wxSize(110, 28));
    new wxButton(this, kCancelId, ToWx("取消(&C)"), wxPoint(350, 258), wxSize(110, 28));
    Bind(wxEVT_BUTTON, &CSortDetailDlg::OnMove, this, kMoveUpId);
    Bind(wxEVT_BUTTON, &CSortDetailDlg::OnMove, this, kMoveDownId);
    Bind(wxEVT_BUTTON, &CSortDetailDlg::OnApply, this, kApplyId);
    Bind(wxEVT_BUTTON, &CSortDetailDlg::OnCancelButton, this, kCancelId);
    Bind(wxEVT_CHAR_HOOK, &CSortDetailDlg::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &CSortDetailDlg::OnClose, this);
}

bool CSortDetailDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    m_grid->AttachToDialogItem(this, IDC_GRID);
    m_grid->Fill();
    if (m_grid->GetRowCount() > 0) {
        m_grid->MoveToCell(1, 0);
    }
    m_grid->SetFocus();
    return true;
}

void CSortDetailDlg::Move(bool up)
{
    const int row = m_grid->CurrentRow();
    if (!(up ? m_editor.MoveUp(row) : m_editor.MoveDown(row))) {
        return;
    }
    const int other = up ? row - 1 : row + 1;
    m_grid->FillRow(row);
    m_grid->FillRow(other);
    m_grid->MoveToCell(m_grid->CurrentColumn(), other);
    m_grid->RepaintRow(row);
    m_grid->RepaintRow(other);
    m_grid->SetFocus();
}

void CSortDetailDlg::OnMove(wxCommandEvent& event)
{
    Move(event.GetId() == kMoveUpId);
}

void CSortDetailDlg::OnApply(wxCommandEvent&)
{
    m_editor.Apply();
    EndModal(IDOK);
}

void CSortDetailDlg::OnCancelButton(wxCommandEvent&)
{
    EndModal(IDCANCEL);
}

void CSortDetailDlg::OnCharHook(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE && !m_grid->IsEditing()) {
        CloseAsked();
        return;
    }
    // Enter writes nothing: only "設定" does.
    if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) {
        return;
    }
    event.Skip();
}

void CSortDetailDlg::OnClose(wxCloseEvent&)
{
    CloseAsked();
}

void CSortDetailDlg::CloseAsked()
{
    if (const int result = m_editor.CloseByEscape()) {
        EndModal(result);
    }
}
