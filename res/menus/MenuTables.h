#pragma once

#include "platform/CString.h"

// The program's menus as data: the main window's menu (128), the list window's (129) and the
// photo editor's (132), with the command ids the commands are handled by. Texts are CP932;
// "&" marks the mnemonic and "\t" starts the accelerator.

enum class MenuEntryKind
{
    End,
    Command,
    // A command whose item shows a state with a check mark.
    Check,
    Separator,
    Popup,
    // Where the recent-file list goes, one command per file from ID_FILE_MRU_FILE1.
    RecentFiles,
};

struct MenuEntry
{
    MenuEntryKind kind = MenuEntryKind::End;
    int id = 0;
    const char* text = nullptr;
    const MenuEntry* items = nullptr; // of a popup, ended by an End entry
};

// Menu resource ids.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_LISTTYPE = 129;
constexpr int IDR_EDITPHOTOTYPE = 132;

// Commands of the recent-file list: the first file, then one id per file.
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int kRecentFileCount = 5;
// What stands at the recent-file place while the list is empty.
constexpr char kRecentFilesPlaceholder[] = "最近使ったﾌｧｲﾙ";

class CMenuTables
{
  public:
    // The top-level popups of a menu, ended by an End entry; null for an unknown id.
    static const MenuEntry* Find(int menuId);

    // The menu text of a command in any of the menus, empty when no menu has it.
    static CString FindCommandText(int id);

    // The tooltip of a toolbar button: its own where the command has one, else its menu text
    // without mnemonic, ellipsis and accelerator.
    static CString GetToolTip(int id);

    // A menu text without "(&X)" or "&", a trailing "..." or "..", and the accelerator.
    static CString StripMenuText(const char* text);
};
