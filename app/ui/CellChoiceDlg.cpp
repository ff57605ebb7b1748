#include "app/ui/CellChoiceDlg.h"

#include "foundation/DialogItemInfo.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/toplevel.h>

namespace {

constexpr int kOptionHeight = 28;

} // namespace

CCellChoiceDlg::CCellChoiceDlg(wxWindow* parent, int templateId, const char* title, const Option* options,
                               int checked)
    : CAnchorDialog(parent, templateId, title, wxDefaultSize)
{
    // The main window carries the program's icon.
    if (auto* main =
            dynamic_cast<wxTopLevelWindow*>(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr)) {
        SetIcons(main->GetIcons());
    }
    int y = 14;
    for (const Option* option = options; option->id != 0; ++option, y += kOptionHeight) {
        new wxRadioButton(this, option->id, ToWx(option->text), wxPoint(20, y), wxDefaultSize,
                          option == options ? wxRB_GROUP : 0);
        m_items.push_back({option->id, option->value});
    }
    // A group always has a button on; this hidden one stands for no choice.
    m_none = new wxRadioButton(this, wxID_ANY, wxEmptyString, wxPoint(20, y), wxDefaultSize);
    m_none->Hide();
    const Option* end = options;
    while (end->id != 0) {
        ++end;
    }
    m_items.push_back({0, end->value});
    y += 8;
    auto* run = new wxButton(this, wxID_OK, ToWx("実行(Enter)"), wxPoint(20, y), wxSize(110, 30));
    new wxButton(this, wxID_CANCEL, ToWx("取消(Esc)"), wxPoint(140, y), wxSize(110, 30));
    run->SetDefault();
    SetClientSize(270, y + 44);
    m_group.Init(this, m_items.data());
    Choose(checked);
}

void CCellChoiceDlg::Choose(int value)
{
    for (const RadioGroupItem& item : m_items) {
        if (auto* button = dynamic_cast<wxRadioButton*>(FindWindow(item.id));
            button != nullptr && item.id != 0 && item.value == value) {
            button->SetValue(true);
            return;
        }
    }
    m_none->SetValue(true);
}
