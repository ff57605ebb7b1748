#include "app/ui/MenuBuilder.h"

#include "platform/ui/WxText.h"

#include <wx/menu.h>

wxMenu* CMenuBuilder::CreateMenu(const MenuEntry* items)
{
    auto* menu = new wxMenu();
    for (const MenuEntry* entry = items; entry->kind != MenuEntryKind::End; ++entry) {
        switch (entry->kind) {
        case MenuEntryKind::Command:
            menu->Append(entry->id, ToWx(entry->text));
            break;
        case MenuEntryKind::Check:
            menu->AppendCheckItem(entry->id, ToWx(entry->text));
            break;
        case MenuEntryKind::Separator:
            menu->AppendSeparator();
            break;
        case MenuEntryKind::Popup:
            menu->AppendSubMenu(CreateMenu(entry->items), ToWx(entry->text));
            break;
        case MenuEntryKind::RecentFiles:
            // Stands where the files go while there are none.
            menu->Append(entry->id, ToWx(entry->text))->Enable(false);
            break;
        case MenuEntryKind::End:
            break;
        }
    }
    return menu;
}

wxMenuBar* CMenuBuilder::CreateMenuBar(int menuId)
{
    const MenuEntry* popups = CMenuTables::Find(menuId);
    if (popups == nullptr) {
        return nullptr;
    }
    auto* bar = new wxMenuBar();
    for (const MenuEntry* entry = popups; entry->kind != MenuEntryKind::End; ++entry) {
        bar->Append(CreateMenu(entry->items), ToWx(entry->text));
    }
    return bar;
}

wxMenu* CMenuBuilder::FindRecentFileMenu(wxMenuBar& bar)
{
    wxMenu* menu = nullptr;
    return bar.FindItem(ID_FILE_MRU_FILE1, &menu) != nullptr ? menu : nullptr;
}
