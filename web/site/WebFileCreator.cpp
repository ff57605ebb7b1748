#include "web/site/WebFileCreator.h"

#include "foundation/AppBase.h"
#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "foundation/StringArrayEx.h"
#include "foundation/TextFile.h"
#include "foundation/TextHelper.h"
#include "list/IListHost.h"
#include "list/ListFileNames.h"
#include "list/RowExtractor.h"
#include "list/RowSorter.h"
#include "list/ZantobyDoc.h"
#include "platform/DeferredSync.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "web/site/CgiDataWriter.h"
#include "web/site/WebColumnTable.h"
#include "web/site/WebPageWriter.h"
#include "web/site/WebTemplateExpander.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <functional>
#include <set>

namespace {

// index.htm is a base file too, which a list page of that name would replace.
constexpr const char* kBaseFileNames[] = {"list", "free", "construct", "page", "index"};

// True when name is stem followed by digits, ignoring case: the name of one of stem's pages.
bool IsNumberedPageOf(const CString& name, const CString& stem)
{
    if (name.GetLength() <= stem.GetLength() || name.Left(stem.GetLength()).CompareNoCase(stem) != 0) {
        return false;
    }
    for (char ch : name.view().substr(static_cast<size_t>(stem.GetLength()))) {
        if (ch < '0' || ch > '9') {
            return false;
        }
    }
    return true;
}

bool IsBaseFileName(const CString& name)
{
    return CTextHelper(name).FindInListNoCase(kBaseFileNames, static_cast<int>(std::size(kBaseFileNames))) >=
           0;
}

// Removes the one file of that path, never read as a pattern.
void RemoveFile(const CString& path)
{
    FileSystem::Info info;
    if (FileSystem::GetInfo(path, info) && !info.isDirectory) {
        std::remove(FileSystem::ToNative(path).c_str());
    }
}

// Removes the files of a subfolder listed by pattern whose names match the numbered pattern,
// but those that keep says stay (the run replaces them or keeps them as they are).
void RemoveNumberedFiles(const CString& pattern, const char* match,
                         const std::function<bool(const CString& name)>& keep = {})
{
    const CString folder = GetFolderOfPath(pattern);
    CStringArray names;
    ListFiles(pattern, &names, false);
    for (int i = 0; i < names.GetSize(); ++i) {
        if (CTextHelper(names[i]).MatchPattern(match) && !(keep && keep(names[i]))) {
            RemoveFile(folder + "/" + names[i]);
        }
    }
}

std::time_t WriteTime(const CString& path)
{
    FileSystem::Info info;
    return FileSystem::GetInfo(path, info) ? info.writeTime : 0;
}

template <class T> bool Update(T& stored, const T& value)
{
    if (stored == value) {
        return false;
    }
    stored = value;
    return true;
}

} // namespace

CWebFileCreator::CWebFileCreator(CZantobyDoc& doc) : m_doc(doc)
{
    m_baseFolder = GetProgramFilesFolder() + "/Web";
}

void CWebFileCreator::SetStatusText(const CString& text)
{
    if (m_status) {
        m_status(text);
    }
}

WebCreateForm CWebFileCreator::LoadSettings()
{
    WebOutputSettings& web = m_doc.web;
    web.webFolder = CListFileNames::ResolveWebFolder(web.webFolder, m_doc.listFolder);
    WebCreateForm form;
    form.outputMode = web.outputMode;
    form.folder = web.webFolder;
    form.listName = web.listName;
    form.fullName = web.fullName;
    form.title = web.webTitle;
    form.rowsPerPage.Format("%d", web.rowCount);
    form.message = web.message;
    form.extList = web.extList;
    form.extPage = web.extPage;
    form.extCgi = web.extCgi;
    form.pageView = web.pageView;
    form.findWord = web.findWord;
    form.findCase = web.findCase;
    form.findMulti = web.findMulti;
    form.style = web.style;
    form.columns = CWebColumnTable::Load(m_doc);
    SetStatusText(CString());
    return form;
}

bool CWebFileCreator::CreateWebFiles(WebCreateForm& form, bool recreate)
{
    bool complete = false;
    try {
        // Every page goes in place whole; the disk is waited for once, after the last.
        CDeferredSync sync;
        complete = RunSteps(form, recreate);
        SetStatusText(CString());
        if (complete && !sync.Finish()) {
            const CString folder = FileSystem::FromNative(sync.FailedFolder());
            complete = m_doc.Host().AskMessage(21202, MB_YESNO, folder.GetString(),
                                               CAppBase::GetLastErrorText().GetString()) == IDYES;
        }
    } catch (const std::exception& error) {
        m_doc.Host().ReportError(error.what(), "CreateWebDlg", __LINE__);
    }
    // However the run ended, the status line names no step of it any more.
    SetStatusText(CString());
    if (complete) {
        m_doc.Host().ShowInfoMessage(11201, MB_OK);
    }
    return complete;
}

bool CWebFileCreator::RunSteps(WebCreateForm& form, bool recreate)
{
    SetStatusText("入力値を検査しています");
    if (!CheckForm(form)) {
        return false;
    }
    CString previousFolder = m_doc.web.webFolder;
    SetStatusText("入力値を保存しています");
    StoreForm(form);
    SetStatusText("ﾒｯｾｰｼﾞの空白行を削除しています");
    TidyMessage(form);
    SetStatusText("ﾌｫﾙﾀﾞを作成しています");
    if (!PrepareFolders()) {
        return false;
    }
    SetStatusText("ﾍﾞｰｽﾌｧｲﾙをｺﾋﾟｰしています");
    CopyBaseFiles(previousFolder);
    SetStatusText("一覧を検索しています");
    PickRows();
    SetStatusText("既存のﾌｧｲﾙを削除しています");
    const RenewedFiles renewed = RenewedFilesOf(recreate);
    bool rowsChanged = RemoveUnpublishedPages();
    SetStatusText("写真を作成しています");
    const std::vector<int> photos = PublishedPhotos();
    RemoveUnpublishedPhotos(photos, renewed);
    bool complete = CopyPhotos(photos, renewed);
    SetStatusText("HTMLﾌｧｲﾙを作成しています");
    return WriteFiles(rowsChanged || renewed.pages) && complete;
}

bool CWebFileCreator::IsListOwnFolder(const CString& folder) const
{
    // The run empties the numbered files of its m and s subfolders, which in the photo folder
    // are the list's own photos.
    if (!m_doc.photoFolderName.IsEmpty() &&
        FileSystem::IsSameOrInside(folder, m_doc.listFolder + "/" + m_doc.photoFolderName)) {
        return true;
    }
    return FileSystem::IsSameOrInside(folder, m_doc.listFolder) &&
           FileSystem::IsSameOrInside(m_doc.listFolder, folder);
}

bool CWebFileCreator::CheckForm(WebCreateForm& form)
{
    IListHost& host = m_doc.Host();
    if (form.folder.IsEmpty()) {
        host.ShowWarningMessage(31201, MB_OK);
        return false;
    }
    if (IsListOwnFolder(form.folder)) {
        host.ShowWarningMessage(31214, MB_OK, form.folder.GetString());
        return false;
    }
    // A relative folder would be found from wherever the program was started.
    if (!CListFileNames::IsFolderPath(form.folder)) {
        host.ShowWarningMessage(31215, MB_OK, form.folder.GetString());
        return false;
    }
    if (form.listName.IsEmpty()) {
        host.ShowWarningMessage(31202, MB_OK);
        return false;
    }
    for (CString* extension : {&form.extList, &form.extPage, &form.extCgi}) {
        if (extension->IsEmpty()) {
            *extension = extension == &form.extCgi ? "cgi" : "htm";
        }
    }
    // File names and extensions become parts of paths and addresses.
    for (const CString* name : {&form.listName, &form.fullName, &form.extList, &form.extPage, &form.extCgi}) {
        if (!CListFileNames::IsPlainName(*name)) {
            host.ShowWarningMessage(31213, MB_OK, name->GetString());
            return false;
        }
    }
    if (IsBaseFileName(form.listName)) {
        host.ShowWarningMessage(31211, MB_OK);
        return false;
    }
    // The pages of the two names are numbered on from them, so neither name may be the other
    // with a number behind it.
    if (!form.fullName.IsEmpty()) {
        if (IsBaseFileName(form.fullName) || form.fullName.CompareNoCase(form.listName) == 0 ||
            IsNumberedPageOf(form.fullName, form.listName) ||
            IsNumberedPageOf(form.listName, form.fullName)) {
            host.ShowWarningMessage(31212, MB_OK);
            return false;
        }
    }
    int rows = CTextHelper(form.rowsPerPage).ToInt();
    if (rows < 0 || rows > 100) {
        host.ShowWarningMessage(31203, MB_OK);
        return false;
    }
    // The pages of an all-columns name given up go with it, from the folder of this run only:
    // the old name and folder come from the list file as it was received.
    const WebOutputSettings& web = m_doc.web;
    if (!web.fullName.IsEmpty() && web.fullName != form.fullName && web.webFolder == form.folder &&
        CListFileNames::IsPlainName(web.fullName) && CListFileNames::IsPlainName(web.extList) &&
        CListFileNames::IsPlainName(web.extCgi)) {
        RemoveFile(web.webFolder + "/" + web.fullName + "." + web.extList);
        RemoveFile(web.webFolder + "/" + web.fullName + "." + web.extCgi);
    }
    return true;
}

void CWebFileCreator::StoreForm(const WebCreateForm& form)
{
    WebOutputSettings& web = m_doc.web;
    bool changed = false;
    changed |= Update(web.outputMode, form.outputMode);
    changed |= Update(web.webFolder, form.folder);
    changed |= Update(web.listName, form.listName);
    changed |= Update(web.fullName, form.fullName);
    changed |= Update(web.webTitle, form.title);
    changed |= Update(web.rowCount, CTextHelper(form.rowsPerPage).ToInt());
    changed |= Update(web.message, form.message);
    changed |= Update(web.style, form.style);
    changed |= Update(web.extList, form.extList);
    changed |= Update(web.extPage, form.extPage);
    changed |= Update(web.extCgi, form.extCgi);
    changed |= Update(web.pageView, form.pageView);
    changed |= Update(web.findCase, form.findCase);
    changed |= Update(web.findWord, form.findWord);
    changed |= Update(web.findMulti, form.findMulti);
    changed |= CWebColumnTable::Store(m_doc, form.columns);
    if (changed) {
        m_doc.SetModifiedFlag();
    }
}

void CWebFileCreator::TidyMessage(WebCreateForm& form)
{
    CString message = m_doc.web.message;
    message.Replace("\r\n", "\n");
    CStringArrayEx lines;
    lines.Split(message, '\n');
    while (lines.GetSize() > 0) {
        CString last = lines[lines.GetSize() - 1];
        if (!last.Trim().IsEmpty()) {
            break;
        }
        lines.RemoveAt(lines.GetSize() - 1);
    }
    CTextHelper tidy;
    for (int i = 0; i < lines.GetSize(); ++i) {
        tidy.AppendWithSeparator("\r\n", lines[i]);
    }
    if (Update(m_doc.web.message, CString(tidy))) {
        m_doc.SetModifiedFlag();
    }
    form.message = tidy;
}

bool CWebFileCreator::CreateFolder(const CString& path)
{
    if (FileSystem::IsDirectory(path) || FileSystem::CreateFolder(path)) {
        return true;
    }
    m_doc.Host().ShowWarningMessage(31206, MB_OK, path.GetString());
    return false;
}

bool CWebFileCreator::PrepareFolders()
{
    const CString& folder = m_doc.web.webFolder;
    if (!FileSystem::IsDirectory(folder)) {
        if (m_doc.Host().AskMessage(21201, MB_YESNO, folder.GetString()) != IDYES) {
            return false;
        }
        CStringArrayEx parts;
        parts.Split(folder, '/');
        CString path;
        for (int i = 0; i < parts.GetSize(); ++i) {
            path += (i > 0 ? "/" : "") + parts[i];
            if (!parts[i].IsEmpty() && !CreateFolder(path)) {
                return false;
            }
        }
    }
    for (const char* sub : {"/s", "/m", "/p"}) {
        if (!CreateFolder(folder + sub)) {
            return false;
        }
    }
    return true;
}

void CWebFileCreator::CopyBaseFiles(const CString& previousFolder)
{
    const WebOutputSettings& web = m_doc.web;
    const CString& folder = web.webFolder;
    // A folder inside the previous one would receive a copy of itself.
    bool inside = folder.Find(previousFolder + "/") == 0;
    if (folder != previousFolder && CListFileNames::IsFolderPath(previousFolder) && !inside &&
        FileSystem::IsDirectory(previousFolder) && ListFiles(folder + "/*.*", nullptr, true) == 0 &&
        m_doc.Host().AskMessage(21204, MB_YESNO) == IDYES) {
        CopyFiles(previousFolder + "/*.*", folder);
    }
    // Base files the user may have edited are never replaced; copies that fail are left out.
    auto copy = [&](const char* source, const CString& target) {
        CString path = folder + "/" + target;
        if (!FileSystem::Exists(path)) {
            CopySingleFile(m_baseFolder + "/" + source, path);
        }
    };
    // The top page is written once, with the address of the list page of its time.
    if (!FileSystem::Exists(folder + "/index.htm")) {
        WriteIndexPage(folder + "/index.htm");
    }
    for (const char* name : {"list.htm", "free.htm", "construct.htm"}) {
        copy(name, name);
    }
    copy("page.htm", "p/page.htm");
    copy("zantoby.cgi", web.listName + "." + web.extCgi);
    if (!web.fullName.IsEmpty()) {
        copy("zantoby.cgi", web.fullName + "." + web.extCgi);
    }
    for (const char* name : {"zantoby.pm", "jcode.pl", "page.htm"}) {
        copy(name, name);
    }
}

void CWebFileCreator::WriteIndexPage(const CString& path)
{
    CString text;
    if (!ReadTextFile(text, m_baseFolder + "/index.htm", CFile::modeRead)) {
        return;
    }
    WebPageContext page;
    if (CWebTemplateExpander(m_doc, page).ExpandTemplate(0, text, WebExpansionWindow{})) {
        WriteTextFile(path, CFile::modeCreate | CFile::modeWrite, text);
    }
}

CWebFileCreator::RenewedFiles CWebFileCreator::RenewedFilesOf(bool recreate) const
{
    const WebOutputSettings& web = m_doc.web;
    bool construction = web.outputMode != 1 && web.outputMode != 2;
    return RenewedFiles{recreate || construction, recreate || construction || web.pageView == 0,
                        recreate || construction || web.pageView != 1};
}

void CWebFileCreator::PickRows()
{
    const WebOutputSettings& web = m_doc.web;
    ExtractConditions conditions;
    conditions.mode = 1;
    conditions.anyMatch = web.findMulti;
    conditions.wholeText = web.findWord;
    conditions.caseSensitive = web.findCase;
    for (const OutputSortEntry& entry : web.sortEntries) {
        int c = entry.column;
        if (c < 0 || c >= kMaxColumns) {
            continue;
        }
        ColumnCondition& condition = conditions.columns[static_cast<size_t>(c)];
        const CString& from = entry.texts[OutputSortEntry::kFrom];
        const CString& to = entry.texts[OutputSortEntry::kTo];
        if (m_doc.GetColumn(c).type == kTypeYesNo) {
            if (!from.IsEmpty()) {
                condition.fromValue.yesNo = from == "true";
                condition.useFrom = true;
            }
            continue;
        }
        if (!from.IsEmpty()) {
            m_doc.ParseCellText(c, condition.fromValue, from, kOutputGrid);
            condition.useFrom = true;
        }
        if (!to.IsEmpty()) {
            m_doc.ParseCellText(c, condition.toValue, to, kOutputGrid);
            condition.useTo = true;
        }
    }
    m_page = WebPageContext();
    m_page.rows = CRowExtractor(m_doc).ByColumnConditions(conditions);
    std::array<SortKeyEntry, kMaxColumns> keys;
    for (size_t i = 0; i < keys.size(); ++i) {
        keys[i] = SortKeyEntry{web.sortEntries[i].column, web.sortEntries[i].descending};
    }
    if (m_page.rows.size() > 1) {
        CRowSorter(m_doc, m_page.rows.data(), keys.data()).QuickSortRows(0, m_page.RowCount() - 1);
    }
}

std::vector<int> CWebFileCreator::PublishedPhotos() const
{
    std::vector<int> slots;
    std::set<int> seen;
    for (int record : m_page.rows) {
        if (record < 0 || record >= kMaxRows || !m_doc.GetRow(record).inUse) {
            continue;
        }
        const ProductRecord& row = m_doc.GetRow(record);
        for (int i = 0; i < row.photoCount && i < kMaxPhotosPerRow; ++i) {
            int slot = row.photos[static_cast<size_t>(i)];
            if (slot >= 0 && slot < kMaxPhotos && m_doc.GetPhoto(slot).inUse && seen.insert(slot).second) {
                slots.push_back(slot);
            }
        }
    }
    return slots;
}

std::pair<CString, CString> CWebFileCreator::PhotoCopy(int slot, bool middle) const
{
    CString copy;
    copy.Format(middle ? "%s/m/%04dm.jpg" : "%s/s/%04ds.jpg", m_doc.web.webFolder.GetString(), slot);
    return {middle ? m_doc.GetMiddlePhotoPath(slot) : m_doc.GetThumbnailPath(slot), copy};
}

void CWebFileCreator::RemoveUnpublishedPhotos(const std::vector<int>& slots, const RenewedFiles& renewed)
{
    const std::set<int> published(slots.begin(), slots.end());
    for (bool middle : {true, false}) {
        // The copies are named by the slot's four digits. Of copies made anew only those the
        // run makes again stay, to be replaced.
        const bool renew = middle ? renewed.middle : renewed.small;
        auto keep = [&](const CString& name) {
            const int slot = CTextHelper(name.Left(4)).ToInt();
            if (published.count(slot) == 0) {
                return false;
            }
            const auto [source, copy] = PhotoCopy(slot, middle);
            return !renew || (GetFileNameOfPath(copy) == name && WriteTime(source) != 0);
        };
        RemoveNumberedFiles(m_doc.web.webFolder + (middle ? "/m/*m.*" : "/s/*s.*"),
                            middle ? "####m.*" : "####s.*", keep);
    }
}

bool CWebFileCreator::CopyPhotos(const std::vector<int>& slots, const RenewedFiles& renewed)
{
    bool reported = false;
    int count = static_cast<int>(slots.size());
    for (int k = 0; k < count; ++k) {
        int slot = slots[static_cast<size_t>(k)];
        CString status;
        status.Format("写真を作成しています %d / %d", k + 1, count);
        SetStatusText(status);
        for (bool middle : {true, false}) {
            const auto [source, target] = PhotoCopy(slot, middle);
            const bool renew = middle ? renewed.middle : renewed.small;
            std::time_t sourceTime = WriteTime(source);
            if (sourceTime == 0 || (!renew && WriteTime(target) >= sourceTime)) {
                continue;
            }
            errno = 0;
            if (!CopySingleFile(source, target) && !reported) {
                // One message for the run: the first photo that failed, and why.
                m_doc.Host().ShowWarningMessage(31204, MB_OK, slot, CAppBase::GetLastErrorText().GetString());
                reported = true;
            }
        }
    }
    return !reported;
}

bool CWebFileCreator::RemoveUnpublishedPages()
{
    const WebOutputSettings& web = m_doc.web;
    const CString& folder = web.webFolder;
    bool construction = web.outputMode != 1 && web.outputMode != 2;
    // The numbered files of p but the pages this run writes go, whether it writes all of them
    // or only those of rows changed since.
    std::set<int> published;
    if (!construction && web.pageView != 0) {
        for (int record : m_page.rows) {
            if (record >= 0 && record < kMaxRows && m_doc.GetRow(record).inUse) {
                published.insert(record);
            }
        }
    }
    bool rowsChanged = false;
    CStringArray names;
    ListFiles(folder + "/p/*.*", &names, false);
    size_t present = 0;
    for (int i = 0; i < names.GetSize(); ++i) {
        const CString& name = names[i];
        if (!CTextHelper(name).MatchPattern("####.*")) {
            continue;
        }
        if (name.Mid(5) == web.extPage && published.count(CTextHelper(name.Left(4)).ToInt()) > 0) {
            ++present;
        } else {
            RemoveFile(folder + "/p/" + name);
            rowsChanged = true;
        }
    }
    // Pages that stay link to their neighbours and count the pages: a new set rewrites them.
    rowsChanged = rowsChanged || present != published.size();
    int pages = construction ? 1 : CWebPageWriter::PageCount(m_page.RowCount(), web.rowCount);
    RemoveListPagesFrom(web.listName, pages);
    if (!web.fullName.IsEmpty()) {
        RemoveListPagesFrom(web.fullName, web.outputMode == 1 ? pages : 0);
    }
    return rowsChanged;
}

void CWebFileCreator::RemoveListPagesFrom(const CString& name, int first)
{
    const WebOutputSettings& web = m_doc.web;
    CStringArray names;
    ListFiles(web.webFolder + "/" + name + "*." + web.extList, &names, false);
    for (int i = 0; i < names.GetSize(); ++i) {
        const CString& file = names[i];
        if (file.Left(name.GetLength()) != name ||
            file.Right(web.extList.GetLength() + 1) != "." + web.extList) {
            continue;
        }
        CString number =
            file.Mid(name.GetLength(), file.GetLength() - name.GetLength() - web.extList.GetLength() - 1);
        int page = number.IsEmpty() ? 0 : CTextHelper(number).ToInt();
        CString written;
        if (page > 0) {
            written.Format("%d", page);
        }
        // Only the names the writers give their pages: name.ext, name1.ext, name2.ext ...
        if (number == written && page >= first) {
            RemoveFile(web.webFolder + "/" + file);
        }
    }
}

bool CWebFileCreator::WriteFiles(bool rowsChanged)
{
    const WebOutputSettings& web = m_doc.web;
    bool complete = true;
    auto run = [&](const std::function<bool()>& writer) {
        try {
            complete = writer() && complete;
        } catch (const std::exception& error) {
            m_doc.Host().ReportError(error.what(), "CreateWebDlg", __LINE__);
            complete = false;
        }
    };
    CWebPageWriter pages(m_doc, m_page, m_status);
    bool construction = web.outputMode != 1 && web.outputMode != 2;
    if (web.outputMode == 1) {
        run([&] { return pages.WriteListPages(); });
    } else if (web.outputMode == 2) {
        run([&] { return pages.WriteFreePages(); });
    } else {
        run([&] { return pages.WriteConstructPage(); });
    }
    if (!construction && web.pageView != 0) {
        run([&] { return pages.WriteRecordPages(rowsChanged); });
    }
    SetStatusText("CGIﾌｧｲﾙを作成しています");
    for (bool allColumns : {false, true}) {
        run([&] {
            CString path;
            if (CCgiDataWriter(m_doc, m_page).WriteCgiData(allColumns, path)) {
                return true;
            }
            m_doc.Host().ShowWarningMessage(31206, MB_OK, path.GetString());
            return false;
        });
    }
    return complete;
}
