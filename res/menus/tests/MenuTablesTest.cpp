#include "res/menus/MenuTables.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Every entry of a menu in order, popups walked depth first.
void Collect(const MenuEntry* entries, std::vector<const MenuEntry*>& out)
{
    for (const MenuEntry* entry = entries; entry->kind != MenuEntryKind::End; ++entry) {
        out.push_back(entry);
        if (entry->kind == MenuEntryKind::Popup) {
            Collect(entry->items, out);
        }
    }
}

std::vector<int> CommandsOf(const MenuEntry* popup)
{
    std::vector<int> ids;
    for (const MenuEntry* entry = popup->items; entry->kind != MenuEntryKind::End; ++entry) {
        if (entry->kind == MenuEntryKind::Command || entry->kind == MenuEntryKind::Check) {
            ids.push_back(entry->id);
        }
    }
    return ids;
}

const MenuEntry* FindPopup(int menuId, const char* text)
{
    for (const MenuEntry* entry = CMenuTables::Find(menuId); entry->kind != MenuEntryKind::End; ++entry) {
        if (entry->kind == MenuEntryKind::Popup && CString(entry->text) == text) {
            return entry;
        }
    }
    return nullptr;
}

TEST(MenuTables, EachMenuNamesACommandOnceAndEveryPopupHasItems)
{
    for (int menuId : {IDR_MAINFRAME, IDR_LISTTYPE, IDR_EDITPHOTOTYPE}) {
        std::vector<const MenuEntry*> entries;
        Collect(CMenuTables::Find(menuId), entries);
        std::map<int, int> uses;
        int recent = 0;
        for (const MenuEntry* entry : entries) {
            if (entry->kind == MenuEntryKind::Command || entry->kind == MenuEntryKind::Check) {
                EXPECT_EQ(++uses[entry->id], 1) << menuId << " repeats " << entry->id;
                EXPECT_FALSE(CString(entry->text).IsEmpty()) << entry->id;
            }
            if (entry->kind == MenuEntryKind::Popup) {
                EXPECT_NE(entry->items->kind, MenuEntryKind::End) << entry->text;
            }
            recent += entry->kind == MenuEntryKind::RecentFiles ? 1 : 0;
        }
        // The photo editor's file menu has no recent files.
        EXPECT_EQ(recent, menuId == IDR_EDITPHOTOTYPE ? 0 : 1) << menuId;
    }
    EXPECT_EQ(CMenuTables::Find(130), nullptr);
}

TEST(MenuTables, ListMenuCarriesTheDocumentsCommandTexts)
{
    EXPECT_EQ(CMenuTables::FindCommandText(33068), "単票印刷(&2)...");
    EXPECT_EQ(CMenuTables::FindCommandText(33065), "一覧印刷ﾌﾟﾚﾋﾞｭｰ(&3)...");
    EXPECT_EQ(CMenuTables::FindCommandText(32780), "検索(&F)\tCtrl+F");
    EXPECT_EQ(CMenuTables::FindCommandText(57636), "抽出(&E)\tCtrl+E");
    EXPECT_EQ(CMenuTables::FindCommandText(32866), "連続取込(&V)");
    EXPECT_EQ(CMenuTables::FindCommandText(32876), "Webﾌｧｲﾙ作成(&M)");
    EXPECT_EQ(CMenuTables::FindCommandText(32873), "編集･加工");
    EXPECT_EQ(CMenuTables::FindCommandText(4711), "");

    const MenuEntry* format = FindPopup(IDR_LISTTYPE, "書式(&O)");
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(CommandsOf(&format->items[0]),
              (std::vector<int>{32912, 32913, 32914, 32915, 32916, 32917, 32918, 32919, 32920, 32895}));
    EXPECT_EQ(CommandsOf(&format->items[1]),
              (std::vector<int>{32921, 32922, 32923, 32924, 32925, 32926, 32927, 32928, 32929, 32894}));
}

TEST(MenuTables, PhotoEditorMenusHoldTheirCommandsInOrder)
{
    const MenuEntry* shape = FindPopup(IDR_EDITPHOTOTYPE, "図形(&D)");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(CommandsOf(shape), (std::vector<int>{33004, 32969, 32972, 32973, 32974, 32975, 33005, 32986,
                                                   32987, 33006, 33002, 33003, 33007, 33008}));
    const MenuEntry* file = FindPopup(IDR_EDITPHOTOTYPE, "ﾌｧｲﾙ(&F)");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(CommandsOf(file), (std::vector<int>{57601, 57602, 57603, 57665}));
    const MenuEntry* help = FindPopup(IDR_EDITPHOTOTYPE, "ﾍﾙﾌﾟ(&H)");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(CommandsOf(help), (std::vector<int>{57664, 32878, 32772, 33071, 33072}));
}

TEST(MenuTables, MenuTextIsStrippedToItsName)
{
    EXPECT_EQ(CMenuTables::StripMenuText("一覧印刷ﾌﾟﾚﾋﾞｭｰ(&3)..."), "一覧印刷ﾌﾟﾚﾋﾞｭｰ");
    EXPECT_EQ(CMenuTables::StripMenuText("単票印刷(&2).."), "単票印刷");
    EXPECT_EQ(CMenuTables::StripMenuText("検索(&F)\tCtrl+F"), "検索");
    EXPECT_EQ(CMenuTables::StripMenuText("ﾂｰﾙ ﾊﾞｰ(&T)"), "ﾂｰﾙ ﾊﾞｰ");
    EXPECT_EQ(CMenuTables::StripMenuText("&Open"), "Open");
    EXPECT_EQ(CMenuTables::StripMenuText("行挿入"), "行挿入");
    EXPECT_EQ(CMenuTables::StripMenuText(nullptr), "");
}

TEST(MenuTables, ToolTipsPreferTheirOwnTextOverTheMenuText)
{
    EXPECT_EQ(CMenuTables::GetToolTip(33064), "印刷(Ctrl+P)");
    EXPECT_EQ(CMenuTables::GetToolTip(32948), "選択");
    EXPECT_EQ(CMenuTables::GetToolTip(33014), "影の色");
    EXPECT_EQ(CMenuTables::GetToolTip(57603), "上書き保存");
    EXPECT_EQ(CMenuTables::GetToolTip(32891), "1枚ずつ取り込む");
    EXPECT_EQ(CMenuTables::GetToolTip(4711), "");
}

} // namespace
