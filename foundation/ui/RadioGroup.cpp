#include "foundation/ui/RadioGroup.h"

#include <wx/radiobut.h>
#include <wx/window.h>

namespace {

wxRadioButton* Button(wxWindow* parent, int id)
{
    return dynamic_cast<wxRadioButton*>(parent->FindWindow(id));
}

} // namespace

void CRadioGroup::Init(wxWindow* parent, const RadioGroupItem* table)
{
    m_parent = parent;
    m_table = table;
}

void CRadioGroup::SetValue(int value)
{
    m_value = value;
    m_set = true;
    for (const RadioGroupItem* item = m_table; item->id != 0; ++item) {
        if (wxRadioButton* button = Button(m_parent, item->id)) {
            button->SetValue(item->value == value);
        }
    }
}

int CRadioGroup::GetValue() const
{
    const RadioGroupItem* item = m_table;
    for (; item->id != 0; ++item) {
        const wxRadioButton* button = Button(m_parent, item->id);
        if (button != nullptr && button->GetValue()) {
            return item->value;
        }
    }
    return item->value;
}

bool CRadioGroup::IsModified() const
{
    return m_set && GetValue() != m_value;
}
