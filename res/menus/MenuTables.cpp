#include "res/menus/MenuTables.h"

#include "platform/Cp932.h"

#include <cstring>

namespace {

constexpr MenuEntry Cmd(int id, const char* text)
{
    return {MenuEntryKind::Command, id, text, nullptr};
}
constexpr MenuEntry Chk(int id, const char* text)
{
    return {MenuEntryKind::Check, id, text, nullptr};
}
constexpr MenuEntry Sep()
{
    return {MenuEntryKind::Separator, 0, nullptr, nullptr};
}
constexpr MenuEntry Popup(const char* text, const MenuEntry* items)
{
    return {MenuEntryKind::Popup, 0, text, items};
}
constexpr MenuEntry Recent()
{
    return {MenuEntryKind::RecentFiles, ID_FILE_MRU_FILE1, kRecentFilesPlaceholder, nullptr};
}
constexpr MenuEntry End()
{
    return {};
}

// Shared popups

constexpr MenuEntry kToolsMenu[] = {Cmd(32871, "ｸﾞﾛｰﾊﾞﾙ抽出(&G)"), Sep(), Cmd(32771, "環境設定(&O)..."),
                                    End()};

constexpr MenuEntry kHelpMenu[] = {
    Cmd(57664, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."), Cmd(32878, "ｴﾗｰ履歴(&E)..."), Sep(), Cmd(32772, "ﾍﾙﾌﾟ(&H)\tF1"),
    Cmd(33071, "ﾁｭｰﾄﾘｱﾙ(&T)"),        Cmd(33072, "ｻﾎﾟｰﾄﾍﾟｰｼﾞ(&S)"), End()};

// Main window (no document open)

constexpr MenuEntry kMainFile[] = {Cmd(57600, "新規作成(&N)...\tCtrl+N"),
                                   Cmd(57601, "開く(&O)...\tCtrl+O"),
                                   Cmd(33070, "ｻﾝﾌﾟﾙを開く(&E)..."),
                                   Sep(),
                                   Recent(),
                                   Sep(),
                                   Cmd(57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),
                                   End()};

constexpr MenuEntry kMainView[] = {Chk(59392, "ﾂｰﾙ ﾊﾞｰ(&T)"), Chk(59393, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), End()};

constexpr MenuEntry kMainMenu[] = {Popup("ﾌｧｲﾙ(&F)", kMainFile), Popup("表示(&V)", kMainView),
                                   Popup("ﾂｰﾙ(&T)", kToolsMenu), Popup("ﾍﾙﾌﾟ(&H)", kHelpMenu), End()};

// List window

constexpr MenuEntry kListCsv[] = {Cmd(32885, "ｲﾝﾎﾟｰﾄ(&I)..."), Cmd(32886, "ｴｸｽﾎﾟｰﾄ(&E)..."), End()};

constexpr MenuEntry kListFile[] = {Cmd(57600, "新規作成(&N)...\tCtrl+N"),
                                   Cmd(57601, "開く(&O)...\tCtrl+O"),
                                   Cmd(33070, "ｻﾝﾌﾟﾙを開く(&E)..."),
                                   Cmd(57602, "閉じる(&C)"),
                                   Cmd(57603, "上書き保存(&S)\tCtrl+S"),
                                   Cmd(57604, "名前を付けて保存(&A)..."),
                                   Sep(),
                                   Cmd(32809, "ﾘｽﾄ情報設定(&I)"),
                                   Cmd(32887, "ﾘｽﾄﾌﾟﾛﾊﾟﾃｨ(&T)..."),
                                   Popup("CSV(&V)", kListCsv),
                                   Cmd(32888, "ﾊﾞｯｸｱｯﾌﾟ(&B)..."),
                                   Sep(),
                                   Chk(33067, "一覧印刷(&1)..."),
                                   Chk(33068, "単票印刷(&2)..."),
                                   Chk(33065, "一覧印刷ﾌﾟﾚﾋﾞｭｰ(&3)..."),
                                   Chk(33066, "単票印刷ﾌﾟﾚﾋﾞｭｰ(&4)..."),
                                   Cmd(57605, "ﾍﾟｰｼﾞ設定(&R)..."),
                                   Sep(),
                                   Recent(),
                                   Sep(),
                                   Cmd(57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),
                                   End()};

constexpr MenuEntry kListEdit[] = {Cmd(57643, "元に戻す(&U)\tCtrl+Z"),
                                   Cmd(57644, "やり直し(&R)\tCtrl+Y"),
                                   Sep(),
                                   Cmd(57635, "切り取り\tCtrl+X"),
                                   Cmd(57634, "ｺﾋﾟｰ\tCtrl+C"),
                                   Cmd(57637, "貼り付け\tCtrl+V"),
                                   Cmd(57638, "参照貼り付け"),
                                   Cmd(57645, "写真ﾌｧｲﾙ名をｺﾋﾟｰ"),
                                   Sep(),
                                   Cmd(32889, "ｶｰｿﾙ位置を編集"),
                                   Cmd(32933, "自動入力"),
                                   Sep(),
                                   Cmd(32774, "行挿入"),
                                   Cmd(32776, "行複写"),
                                   Cmd(32777, "行削除"),
                                   Cmd(32874, "表示中の全行削除"),
                                   Sep(),
                                   Cmd(33078, "ｾﾙ挿入"),
                                   Cmd(33079, "ｾﾙ削除"),
                                   Sep(),
                                   Cmd(32780, "検索(&F)\tCtrl+F"),
                                   Cmd(32870, "次を検索(&N)\tF3"),
                                   Cmd(32872, "前を検索(&B)\tShift+F3"),
                                   End()};

constexpr MenuEntry kListView[] = {Chk(59392, "ﾂｰﾙ ﾊﾞｰ(&T)"),
                                   Chk(59393, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"),
                                   Sep(),
                                   Cmd(32787, "全ﾃﾞｰﾀ表示(&L)"),
                                   Cmd(32786, "全ﾃﾞｰﾀを非表示(&C)"),
                                   Cmd(57636, "抽出(&E)\tCtrl+E"),
                                   Sep(),
                                   Cmd(32803, "昇順並替"),
                                   Cmd(32804, "降順並替"),
                                   Cmd(32837, "並替設定(&O)..."),
                                   Sep(),
                                   Cmd(32879, "先頭行に移動"),
                                   Cmd(32880, "最終行に移動"),
                                   Cmd(32881, "指定行に移動(&J)\tCtrl+G"),
                                   Cmd(32882, "元の位置に戻る"),
                                   Sep(),
                                   Cmd(32930, "行の高さを自動調整"),
                                   Cmd(32931, "全行の高さを自動調整"),
                                   End()};

constexpr MenuEntry kTextColors[] = {Chk(32912, "標準の色"),
                                     Sep(),
                                     Chk(32913, "黒"),
                                     Chk(32914, "赤"),
                                     Chk(32915, "緑"),
                                     Chk(32916, "黄"),
                                     Chk(32917, "青"),
                                     Chk(32918, "ﾏｾﾞﾝﾀ"),
                                     Chk(32919, "ｼｱﾝ"),
                                     Chk(32920, "白"),
                                     Sep(),
                                     Cmd(32895, "選択中の色"),
                                     End()};

constexpr MenuEntry kBackColors[] = {Chk(32921, "標準の色"),
                                     Sep(),
                                     Chk(32922, "黒"),
                                     Chk(32923, "赤"),
                                     Chk(32924, "緑"),
                                     Chk(32925, "黄"),
                                     Chk(32926, "青"),
                                     Chk(32927, "ﾏｾﾞﾝﾀ"),
                                     Chk(32928, "ｼｱﾝ"),
                                     Chk(32929, "白"),
                                     Sep(),
                                     Cmd(32894, "選択中の色"),
                                     End()};

constexpr MenuEntry kListFormat[] = {Popup("文字色(&T)", kTextColors), Popup("背景色(&B)", kBackColors),
                                     End()};

constexpr MenuEntry kListPhoto[] = {Cmd(32891, "1枚ずつ取り込む(&I)..."),
                                    Cmd(32812, "一括取込(&A)..."),
                                    Chk(32866, "連続取込(&V)"),
                                    Sep(),
                                    Cmd(32892, "削除"),
                                    Cmd(32967, "写真ﾌﾟﾛﾊﾟﾃｨ"),
                                    Cmd(32873, "編集･加工"),
                                    Cmd(33073, "右に90度回転"),
                                    Cmd(33074, "左に90度回転"),
                                    Sep(),
                                    Cmd(32877, "ﾌｧｲﾙ出力(&F)..."),
                                    End()};

constexpr MenuEntry kListTools[] = {Cmd(32876, "Webﾌｧｲﾙ作成(&M)"),
                                    Cmd(32860, "入力内容ﾁｪｯｸ(&H)"),
                                    Sep(),
                                    Cmd(32871, "ｸﾞﾛｰﾊﾞﾙ抽出(&G)"),
                                    Sep(),
                                    Cmd(32771, "環境設定(&O)..."),
                                    End()};

constexpr MenuEntry kListMenu[] = {Popup("ﾌｧｲﾙ(&F)", kListFile),  Popup("編集(&E)", kListEdit),
                                   Popup("表示(&V)", kListView),  Popup("書式(&O)", kListFormat),
                                   Popup("写真(&P)", kListPhoto), Popup("ﾂｰﾙ(&T)", kListTools),
                                   Popup("ﾍﾙﾌﾟ(&H)", kHelpMenu),  End()};

// Photo editor

constexpr MenuEntry kEditorFile[] = {Cmd(57601, "開く(&O)...\tCtrl+O"),    Cmd(57602, "閉じる(&C)"),
                                     Cmd(57603, "上書き保存(&S)\tCtrl+S"), Sep(),
                                     Cmd(57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),    End()};

constexpr MenuEntry kEditorEdit[] = {Cmd(57643, "元に戻す(&U)\tCtrl+Z"),
                                     Cmd(57644, "やり直し(&N)\tCtrl+Y"),
                                     Sep(),
                                     Cmd(57635, "切り取り(&T)\tCtrl+X"),
                                     Cmd(57634, "ｺﾋﾟｰ(&C)\tCtrl+C"),
                                     Cmd(57637, "貼り付け(&P)\tCtrl+V"),
                                     End()};

constexpr MenuEntry kEditorShape[] = {Cmd(33004, "複写(&D)\tCtrl+D"),
                                      Cmd(32969, "削除(&C)\tDel"),
                                      Sep(),
                                      Cmd(32972, "左右反転(&V)"),
                                      Cmd(32973, "上下反転(&H)"),
                                      Cmd(32974, "右に回転(&R)"),
                                      Cmd(32975, "左に回転(&L)"),
                                      Sep(),
                                      Cmd(33005, "最前面に移動(&T)\tCtrl+T"),
                                      Cmd(32986, "前面に移動(&F)"),
                                      Cmd(32987, "背面に移動(&K)"),
                                      Cmd(33006, "最背面に移動(&B)\tCtrl+B"),
                                      Sep(),
                                      Cmd(33002, "前の図形(&P)\tShift+Tab"),
                                      Cmd(33003, "次の図形(&N)\tTab"),
                                      Sep(),
                                      Cmd(33007, "ｸﾞﾙｰﾌﾟ化(&G)\tCtrl+G"),
                                      Cmd(33008, "ｸﾞﾙｰﾌﾟ解除(&U)\tCtrl+U"),
                                      End()};

constexpr MenuEntry kEditorFit[] = {Chk(33009, "ｳｨﾝﾄﾞｳｻｲｽﾞ(&S)"), Chk(32980, "ｳｨﾝﾄﾞｳ幅(&W)"),
                                    Chk(32979, "ｳｨﾝﾄﾞｳ高さ(&H)"), End()};

constexpr MenuEntry kEditorView[] = {Chk(59392, "ﾂｰﾙ ﾊﾞｰ(&T)"),
                                     Chk(59393, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"),
                                     Chk(32985, "ｺﾝﾄﾛｰﾙﾎﾞｯｸｽ(&C)"),
                                     Sep(),
                                     Cmd(32976, "拡大(&L)\tCtrl+PgDn"),
                                     Cmd(32977, "縮小(&S)\tCtrl+PgUp"),
                                     Chk(32981, "原寸(&O)"),
                                     Popup("自動ｻｲｽﾞ(&A)", kEditorFit),
                                     Sep(),
                                     Cmd(32982, "ﾌﾟﾛﾊﾟﾃｨ(&P)"),
                                     End()};

constexpr MenuEntry kEditorTools[] = {Cmd(32771, "環境設定(&O)..."), End()};

constexpr MenuEntry kEditorMenu[] = {Popup("ﾌｧｲﾙ(&F)", kEditorFile),
                                     Popup("編集(&E)", kEditorEdit),
                                     Popup("図形(&D)", kEditorShape),
                                     Popup("表示(&V)", kEditorView),
                                     Popup("ﾂｰﾙ(&T)", kEditorTools),
                                     Popup("ﾍﾙﾌﾟ(&H)", kHelpMenu),
                                     End()};

// Tooltips of buttons whose command has no menu text of its own or a different short name.
struct ToolTip
{
    int id;
    const char* text;
};

constexpr ToolTip kToolTips[] = {
    {33064, "印刷(Ctrl+P)"}, {32895, "文字色"},     {32894, "背景色"},   {32948, "選択"},
    {32949, "有効範囲"},     {32950, "四角形"},     {32952, "多角形"},   {32953, "楕円"},
    {32955, "直線"},         {32960, "折れ線"},     {32959, "ぼかし"},   {32956, "文字"},
    {33010, "線の太さ"},     {33011, "境界線の色"}, {33012, "背景の色"}, {33013, "文字の色"},
    {33014, "影の色"},
};

const char* FindIn(const MenuEntry* entries, int id)
{
    for (const MenuEntry* entry = entries; entry->kind != MenuEntryKind::End; ++entry) {
        if ((entry->kind == MenuEntryKind::Command || entry->kind == MenuEntryKind::Check) && entry->id == id) {
            return entry->text;
        }
        if (entry->kind == MenuEntryKind::Popup) {
            if (const char* text = FindIn(entry->items, id)) {
                return text;
            }
        }
    }
    return nullptr;
}

} // namespace

const MenuEntry* CMenuTables::Find(int menuId)
{
    switch (menuId) {
    case IDR_MAINFRAME:
        return kMainMenu;
    case IDR_LISTTYPE:
        return kListMenu;
    case IDR_EDITPHOTOTYPE:
        return kEditorMenu;
    default:
        return nullptr;
    }
}

CString CMenuTables::FindCommandText(int id)
{
    for (const MenuEntry* menu : {kMainMenu, kListMenu, kEditorMenu}) {
        if (const char* text = FindIn(menu, id)) {
            return text;
        }
    }
    return CString();
}

CString CMenuTables::GetToolTip(int id)
{
    for (const ToolTip& tip : kToolTips) {
        if (tip.id == id) {
            return tip.text;
        }
    }
    return StripMenuText(FindCommandText(id));
}

CString CMenuTables::StripMenuText(const char* text)
{
    CString result;
    const std::string_view view = text != nullptr ? text : "";
    for (size_t pos = 0; pos < view.size();) {
        const size_t length = Cp932::CharLength(view, pos);
        if (length == 1 && view[pos] == '\t') {
            break;
        }
        if (length == 1 && view[pos] == '(' && pos + 3 < view.size() && view[pos + 1] == '&' &&
            view[pos + 3] == ')') {
            pos += 4;
            continue;
        }
        if (length == 1 && view[pos] == '&') {
            ++pos;
            continue;
        }
        result += CString(view.data() + pos, static_cast<int>(length));
        pos += length;
    }
    while (result.GetLength() > 0 && result[result.GetLength() - 1] == '.') {
        result = result.Left(result.GetLength() - 1);
    }
    return result;
}
