#include "app/listwindow/ListSummary.h"

#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"
#include "list/ListFileFormat.h"
#include "list/ListFileNames.h"
#include "list/ListLimits.h"
#include "platform/StdioFile.h"

#include <cstdlib>

namespace {

enum class Section
{
    Head, // everything before [output]: the version and the list's own title
    Output,
    Products,
    Photos,
};

// The number after a key's first character ("r0012" gives 12); -1 when none follows.
int KeyNumber(const CString& key)
{
    const char* digits = key.GetString() + 1;
    if (*digits < '0' || *digits > '9') {
        return -1;
    }
    const long number = std::strtol(digits, nullptr, 10);
    return number > kMaxPhotos ? kMaxPhotos : static_cast<int>(number);
}

} // namespace

void CListSummary::Reset()
{
    m_path.Empty();
    m_title.Empty();
    m_webFolder.Empty();
    m_webListName.Empty();
    m_webExtension.Empty();
    m_rowCount = 0;
    m_photoFolder.Empty();
    m_photos.clear();
}

bool CListSummary::Read(const CString& path)
{
    Reset();
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return false;
    }
    m_path.SetPath(path);
    Section section = Section::Head;
    int version = 0;
    CString line;
    CStringArrayEx fields;
    while (file.ReadString(line)) {
        if (line == "[output]") {
            section = Section::Output;
            continue;
        }
        if (line == "[products]") {
            section = Section::Products;
            continue;
        }
        if (line == "[photos]") {
            section = Section::Photos;
            continue;
        }
        fields.SplitEscaped(line, '=');
        CString key = fields.GetSize() > 0 ? fields[0] : CString();
        CString value = fields.GetSize() > 1 ? fields[1] : CString();
        key.Trim();
        value.Trim();
        const bool isRowKey = CTextHelper(key).MatchPattern("r*");
        switch (section) {
        case Section::Head:
            if (key == "ver") {
                version = std::atoi(value);
            } else if (key == "title") {
                CTextHelper title(value);
                if (version >= CListFileFormat::kVersionEscapedTexts) {
                    title.UnescapeBackslash();
                }
                m_title = title;
            }
            break;
        case Section::Output:
            if (key == "folder") {
                m_webFolder = value;
            } else if (key == "listname") {
                m_webListName = value;
            } else if (key == "ext.list") {
                m_webExtension = value;
            }
            break;
        case Section::Products:
            m_rowCount += isRowKey ? 1 : 0;
            break;
        case Section::Photos:
            if (key == "folder") {
                m_photoFolder = value;
            } else if (isRowKey) {
                const int photo = KeyNumber(key);
                if (photo >= 0 && photo < kMaxPhotos) {
                    m_photos.push_back(photo);
                }
            }
            break;
        }
    }
    return true;
}

CString CListSummary::GetWebPagePath() const
{
    // The list may come from anywhere: a page it names elsewhere than in its Web folder is none.
    const CString folder = CListFileNames::ResolveWebFolder(m_webFolder, m_path.GetFolder());
    if (!CListFileNames::IsFolderPath(folder) || m_webListName.IsEmpty() || m_webExtension.IsEmpty() ||
        !CListFileNames::IsPlainName(m_webListName) || !CListFileNames::IsPlainName(m_webExtension)) {
        return CString();
    }
    return folder + "/" + m_webListName + "." + m_webExtension;
}

int CListSummary::GetPhotoAt(int position) const
{
    return position >= 0 && position < GetPhotoCount() ? m_photos[static_cast<size_t>(position)] : -1;
}

CString CListSummary::GetThumbnailPath(int photo) const
{
    if (photo < 0 || photo >= kMaxPhotos) {
        return CString();
    }
    CString path;
    path.Format("%s/%s/s/%04ds.jpg", m_path.GetFolder().GetString(),
                CListFileNames::PhotoFolderNameToFollow(m_photoFolder, m_path.GetPath()).GetString(), photo);
    return path;
}
