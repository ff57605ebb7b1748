#include "app/startup/NavigatorModel.h"

#include "foundation/TextHelper.h"
#include "platform/StdioFile.h"

#include <cstdlib>

namespace {

constexpr char kListWord[] = "商品カタログ";

const CNavigatorModel::TabTexts kTabTexts[CNavigatorModel::kTabCount] = {
    {"一発写真整理", "今ある写真をまとめて整理します", "作成する(&G)", false,
     "\r\n  取り込む型式を選択して下さい"},
    {"新しい%sを作る", "新しく作成する商品カタログのテンプレート(雛形)を指定して下さい", "作成する(&G)",
     false, "\r\n  新規作成用のテンプレートを選択して下さい"},
    {"作成した%sを開く", "過去に開いた商品カタログを指定するか、その他の商品カタログを指定して下さい",
     "開く(&G)", true, "\r\n  リストを選択して下さい"},
    {"サンプルを見る", "商品カタログのサンプルを指定して下さい", "開く(&G)", true,
     "\r\n  サンプルリストを選択して下さい"},
};

void FillUp(std::vector<NavigatorEntry>& entries)
{
    while (static_cast<int>(entries.size()) < CNavigatorModel::kListedFrames) {
        entries.emplace_back();
    }
}

NavigatorEntry SixthEntry(const char* caption, int picture, const char* description)
{
    NavigatorEntry entry;
    entry.valid = true;
    entry.caption = caption;
    entry.pictureResource = picture;
    entry.description = description;
    return entry;
}

// A file named in "Info.txt" within its folder; no name names no file.
CString InFolder(const CString& folder, const CString& name)
{
    return name.IsEmpty() ? CString() : folder + "/" + name;
}

} // namespace

const CNavigatorModel::TabTexts& CNavigatorModel::GetTabTexts(int tab)
{
    return kTabTexts[tab >= 0 && tab < kTabCount ? tab : 0];
}

CString CNavigatorModel::GetTabLabel(int tab)
{
    CString label;
    label.Format(GetTabTexts(tab).label, kListWord);
    return label;
}

void CNavigatorModel::Build(const CString& resourceFolder, const CString& sampleFolder,
                            const CStringArray& recentPaths)
{
    std::vector<NavigatorEntry>& organiser = m_entries[kOrganiserTab];
    organiser.clear();
    NavigatorEntry& photos = organiser.emplace_back();
    photos.valid = true;
    photos.caption = "一発写真整理";
    photos.picture.LoadImageFile(resourceFolder + "/Template/photo.jpg");
    photos.description = "指定したフォルダ内にある写真をまとめて一発整理します";

    std::vector<NavigatorEntry>& templates = m_entries[kTemplateTab];
    ReadInfoFile(resourceFolder + "/Template", true, templates);
    templates.push_back(SixthEntry("手動で作成", kManualPicture, "全て手動で作成します"));

    BuildSamples(sampleFolder);
    BuildRecent(recentPaths);
}

void CNavigatorModel::BuildSamples(const CString& folder)
{
    std::vector<NavigatorEntry>& samples = m_entries[kSampleTab];
    ReadInfoFile(folder, false, samples);
    for (NavigatorEntry& entry : samples) {
        if (!entry.valid) {
            continue;
        }
        CListSummary summary;
        if (!summary.Read(entry.listPath)) {
            entry.valid = false;
            continue;
        }
        CString counts;
        counts.Format("\r\n写真枚数 : %d 枚\r\n行数 : %d 行", summary.GetPhotoCount(), summary.GetRowCount());
        entry.description += counts;
    }
}

void CNavigatorModel::BuildRecent(const CStringArray& recentPaths)
{
    std::vector<NavigatorEntry>& recent = m_entries[kRecentTab];
    recent.clear();
    for (int i = 0; i < recentPaths.GetSize() && i < kListedFrames; ++i) {
        NavigatorEntry& entry = recent.emplace_back();
        if (recentPaths[i].IsEmpty() || !entry.summary.Read(recentPaths[i])) {
            continue;
        }
        const CListSummary& summary = entry.summary;
        entry.valid = true;
        entry.caption = summary.GetTitle();
        entry.listPath = recentPaths[i];
        entry.webPath = summary.GetWebPagePath();
        entry.description.Format("ﾀｲﾄﾙ : %s\r\n\r\nﾌｧｲﾙ名 : %s\r\n写真枚数 : %d 枚\r\n行数 : %d 行\r\n",
                                 summary.GetTitle().GetString(), recentPaths[i].GetString(),
                                 summary.GetPhotoCount(), summary.GetRowCount());
        if (summary.GetPhotoCount() > 0) {
            ShowPhoto(entry, std::rand() % summary.GetPhotoCount());
        }
    }
    FillUp(recent);
    recent.push_back(SixthEntry("ファイル選択", kChooseFilePicture, "一覧にないファイルを選択します"));
}

void CNavigatorModel::ShowPhoto(NavigatorEntry& entry, int position)
{
    entry.photoPosition = position;
    entry.picture.Clear();
    entry.picture.LoadJpeg(entry.summary.GetThumbnailPath(entry.summary.GetPhotoAt(position)));
}

void CNavigatorModel::ReadInfoFile(const CString& folder, bool fillUp, std::vector<NavigatorEntry>& entries)
{
    entries.clear();
    CStdioFile file;
    CString line;
    if (file.Open(folder + "/Info.txt", CFile::modeRead | CFile::typeText) && file.ReadString(line)) {
        while (static_cast<int>(entries.size()) < kListedFrames) {
            NavigatorEntry& entry = entries.emplace_back();
            CString picture;
            CString list;
            CString web;
            if (!file.ReadString(entry.caption) || !file.ReadString(picture) ||
                !entry.picture.LoadImageFile(folder + "/" + picture) || !file.ReadString(list) ||
                !file.ReadString(web)) {
                break;
            }
            entry.listPath = InFolder(folder, list);
            entry.webPath = InFolder(folder, web);
            while (file.ReadString(line) && !CTextHelper(line).MatchPattern("::*")) {
                entry.description += line + "\r\n";
            }
            entry.valid = true;
        }
    }
    if (fillUp) {
        FillUp(entries);
    }
}

void CNavigatorModel::ShowTab(int tab)
{
    m_tab = tab >= 0 && tab < kTabCount ? tab : kOrganiserTab;
    m_selected = -1;
    if (GetEntries().size() == 1) {
        SelectEntry(0);
    }
}

void CNavigatorModel::SelectEntry(int position)
{
    const std::vector<NavigatorEntry>& entries = GetEntries();
    m_selected = position >= 0 && position < static_cast<int>(entries.size()) &&
                         entries[static_cast<size_t>(position)].valid
                     ? position
                     : -1;
}

CString CNavigatorModel::GetDescription() const
{
    if (m_selected < 0) {
        return GetTabTexts(m_tab).noSelection;
    }
    return GetEntries()[static_cast<size_t>(m_selected)].description;
}

bool CNavigatorModel::Run()
{
    if (m_selected < 0) {
        return false;
    }
    const NavigatorEntry& entry = GetEntries()[static_cast<size_t>(m_selected)];
    m_resultPath = entry.listPath;
    m_resultWebPath = entry.webPath;
    return true;
}

CNavigatorModel::OpenRequest CNavigatorModel::GetOpenRequest() const
{
    OpenRequest request;
    switch (m_tab) {
    case kOrganiserTab:
        request.kind = OpenRequest::kOpenPath;
        request.path = "autophoto:";
        request.pseudoPath = true;
        break;
    case kTemplateTab:
        if (m_resultPath.IsEmpty()) {
            request.kind = OpenRequest::kNewList;
        } else {
            request.kind = OpenRequest::kOpenPath;
            request.path.Format("%s%s,%s", "template:", m_resultPath.GetString(),
                                m_resultWebPath.GetString());
            request.pseudoPath = true;
        }
        break;
    case kRecentTab:
        request.kind = m_resultPath.IsEmpty() ? OpenRequest::kChooseFile : OpenRequest::kOpenPath;
        request.path = m_resultPath;
        break;
    default:
        if (!m_resultPath.IsEmpty()) {
            request.kind = OpenRequest::kOpenPath;
            request.path = m_resultPath;
        }
        break;
    }
    return request;
}

CString CNavigatorModel::GetWebPageToOpen() const
{
    if (m_selected < 0 || !GetTabTexts(m_tab).webButton) {
        return CString();
    }
    return GetEntries()[static_cast<size_t>(m_selected)].webPath;
}

bool CNavigatorModel::Animate()
{
    std::vector<NavigatorEntry>& recent = m_entries[kRecentTab];
    if (m_tab != kRecentTab || recent.empty()) {
        return false;
    }
    if (m_animationCounter >= static_cast<int>(recent.size())) {
        m_animationCounter = 0;
    }
    NavigatorEntry& entry = recent[static_cast<size_t>(m_animationCounter++)];
    const int count = entry.summary.GetPhotoCount();
    if (!entry.valid || count <= 1) {
        return false;
    }
    int position = entry.photoPosition;
    while (position == entry.photoPosition) {
        position = std::rand() % count;
    }
    ShowPhoto(entry, position);
    return true;
}
