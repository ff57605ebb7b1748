#include "app/settings/ProfileSettings.h"

#include "app/printing/PrintCommands.h"
#include "foundation/AppBase.h"
#include "foundation/FileUtility.h"
#include "platform/ShowCommands.h"

namespace {

constexpr const char* kAuto = "Auto";
constexpr const char* kMainFrame = "MainFrame";
constexpr const char* kImportCsv = "ImportCsv";
constexpr const char* kExportCsv = "ExportCsv";
constexpr const char* kPhotoOutput = "PhotoOutput";

struct PrintModeName
{
    int command;
    const char* name;
};

constexpr PrintModeName kPrintModeNames[] = {
    {ID_FILE_PRINT_LIST, "list"},
    {ID_FILE_PRINT_SHEET, "page"},
    {ID_FILE_PREVIEW_LIST, "previewlist"},
    {ID_FILE_PREVIEW_SHEET, "previewpage"},
};

} // namespace

int CProfileSettings::GetFontSize() const
{
    return m_profile.GetProfileInt("Font", "Size", 90);
}

void CProfileSettings::SetFontSize(int size)
{
    m_profile.WriteProfileInt("Font", "Size", size);
}

CString CProfileSettings::GetNewEntryFolder() const
{
    return GetFolder("NewEntry", "Folder");
}

void CProfileSettings::SetNewEntryFolder(const CString& folder)
{
    m_profile.WriteProfileString("NewEntry", "Folder", folder);
}

CString CProfileSettings::GetListOpenFolder() const
{
    return GetFolder("ListOpen", "Folder");
}

void CProfileSettings::SetListOpenFolder(const CString& folder)
{
    m_profile.WriteProfileString("ListOpen", "Folder", folder);
}

CString CProfileSettings::GetPhotoFolder() const
{
    return GetFolder("Folder", "Photo");
}

void CProfileSettings::SetPhotoFolder(const CString& folder)
{
    m_profile.WriteProfileString("Folder", "Photo", folder);
}

bool CProfileSettings::GetViewSubFolder() const
{
    return m_profile.GetProfileBool("Folder", "ViewSubFolder", false);
}

void CProfileSettings::SetViewSubFolder(bool on)
{
    m_profile.WriteProfileBool("Folder", "ViewSubFolder", on);
}

bool CProfileSettings::GetAutoNavigate() const
{
    return m_profile.GetProfileBool(kAuto, "Navigate", true);
}

void CProfileSettings::SetAutoNavigate(bool on)
{
    m_profile.WriteProfileBool(kAuto, "Navigate", on);
}

bool CProfileSettings::GetAutoTutorial() const
{
    return m_profile.GetProfileBool(kAuto, "Tutorial", true);
}

bool CProfileSettings::GetAutoOpen() const
{
    return m_profile.GetProfileBool(kAuto, "Open", true);
}

void CProfileSettings::SetAutoOpen(bool on)
{
    m_profile.WriteProfileBool(kAuto, "Open", on);
}

bool CProfileSettings::GetAutoView() const
{
    return m_profile.GetProfileBool(kAuto, "View", true);
}

void CProfileSettings::SetAutoView(bool on)
{
    m_profile.WriteProfileBool(kAuto, "View", on);
}

bool CProfileSettings::GetAutoBackup() const
{
    return m_profile.GetProfileBool(kAuto, "Backup", false);
}

void CProfileSettings::SetAutoBackup(bool on)
{
    m_profile.WriteProfileBool(kAuto, "Backup", on);
}

bool CProfileSettings::GetAutoCheck() const
{
    return m_profile.GetProfileBool(kAuto, "Check", false);
}

void CProfileSettings::SetAutoCheck(bool on)
{
    m_profile.WriteProfileBool(kAuto, "Check", on);
}

bool CProfileSettings::GetAutoInside() const
{
    return m_profile.GetProfileBool(kAuto, "Inside", true);
}

void CProfileSettings::SetAutoInside(bool on)
{
    m_profile.WriteProfileBool(kAuto, "Inside", on);
}

CString CProfileSettings::GetLastDocument() const
{
    return m_profile.GetProfileString(kAuto, "LastDocument", "");
}

void CProfileSettings::SetLastDocument(const CString& path)
{
    m_profile.WriteProfileString(kAuto, "LastDocument", path);
}

CRect CProfileSettings::GetMainFrameRect() const
{
    return CRect(m_profile.GetProfileInt(kMainFrame, "Left", 0),
                 m_profile.GetProfileInt(kMainFrame, "Top", 0),
                 m_profile.GetProfileInt(kMainFrame, "Right", 800),
                 m_profile.GetProfileInt(kMainFrame, "Bottom", 600));
}

void CProfileSettings::SetMainFrameRect(int left, int top, int right, int bottom)
{
    m_profile.WriteProfileInt(kMainFrame, "Left", left);
    m_profile.WriteProfileInt(kMainFrame, "Top", top);
    m_profile.WriteProfileInt(kMainFrame, "Right", right);
    m_profile.WriteProfileInt(kMainFrame, "Bottom", bottom);
}

int CProfileSettings::GetMainFrameShow() const
{
    switch (m_profile.GetProfileInt(kMainFrame, "Show", SW_SHOWMAXIMIZED)) {
    case SW_SHOWNORMAL:
    case SW_SHOWNOACTIVATE:
    case SW_SHOW:
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWNA:
    case SW_RESTORE:
        return SW_SHOW;
    default:
        // Hidden, minimised and unknown states come back maximised, never invisible.
        return SW_SHOWMAXIMIZED;
    }
}

void CProfileSettings::SetMainFrameShow(int showCommand)
{
    m_profile.WriteProfileInt(kMainFrame, "Show", showCommand);
}

bool CProfileSettings::LoadImportCsvSettings(ImportCsvSettings& settings) const
{
    settings.folder = GetFolder(kImportCsv, "Folder");
    settings.mode = m_profile.GetProfileInt(kImportCsv, "Mode", 0);
    settings.breakChar = GetChar(kImportCsv, "BreakChar", ',', false);
    settings.passRows = m_profile.GetProfileInt(kImportCsv, "PassRows", 0);
    settings.pathMode = m_profile.GetProfileInt(kImportCsv, "PathMode", 2);
    settings.photoFolder = m_profile.GetProfileString(kImportCsv, "PhotoFolder", "");
    return true;
}

bool CProfileSettings::SaveImportCsvSettings(const ImportCsvSettings& settings)
{
    bool written = m_profile.WriteProfileString(kImportCsv, "Folder", settings.folder);
    written &= m_profile.WriteProfileInt(kImportCsv, "Mode", settings.mode);
    written &=
        m_profile.WriteProfileInt(kImportCsv, "BreakChar", static_cast<unsigned char>(settings.breakChar));
    written &= m_profile.WriteProfileInt(kImportCsv, "PassRows", settings.passRows);
    written &= m_profile.WriteProfileInt(kImportCsv, "PathMode", settings.pathMode);
    written &= m_profile.WriteProfileString(kImportCsv, "PhotoFolder", settings.photoFolder);
    return written;
}

bool CProfileSettings::LoadExportCsvSettings(ExportCsvSettings& settings) const
{
    settings.folder = GetFolder(kExportCsv, "Folder");
    settings.source = m_profile.GetProfileInt(kExportCsv, "Source", 0);
    settings.breakChar = GetChar(kExportCsv, "BreakChar", ',', false);
    settings.quoteChar = GetChar(kExportCsv, "QuotChar", '"', true);
    settings.columnNames = m_profile.GetProfileBool(kExportCsv, "Column", true);
    settings.openAfterwards = m_profile.GetProfileBool(kExportCsv, "Open", false);
    return true;
}

bool CProfileSettings::SaveExportCsvSettings(const ExportCsvSettings& settings)
{
    bool written = m_profile.WriteProfileString(kExportCsv, "Folder", settings.folder);
    written &= m_profile.WriteProfileInt(kExportCsv, "Source", settings.source);
    written &=
        m_profile.WriteProfileInt(kExportCsv, "BreakChar", static_cast<unsigned char>(settings.breakChar));
    written &=
        m_profile.WriteProfileInt(kExportCsv, "QuotChar", static_cast<unsigned char>(settings.quoteChar));
    written &= m_profile.WriteProfileBool(kExportCsv, "Column", settings.columnNames);
    written &= m_profile.WriteProfileBool(kExportCsv, "Open", settings.openAfterwards);
    return written;
}

bool CProfileSettings::LoadPhotoOutputSettings(PhotoOutputSettings& settings) const
{
    settings.folder = GetFolder(kPhotoOutput, "Folder");
    settings.sizeOriginal = m_profile.GetProfileBool(kPhotoOutput, "SizeOrg", false);
    settings.sizeStandard = m_profile.GetProfileBool(kPhotoOutput, "SizeMid", true);
    settings.sizeThumbnail = m_profile.GetProfileBool(kPhotoOutput, "SizeSmall", false);
    settings.sizeFree = m_profile.GetProfileBool(kPhotoOutput, "SizeFree", false);
    settings.freeLength = m_profile.GetProfileInt(kPhotoOutput, "FreeLen", 1280);
    settings.freeBase = m_profile.GetProfileInt(kPhotoOutput, "FreeBase", 0);
    return true;
}

bool CProfileSettings::SavePhotoOutputSettings(const PhotoOutputSettings& settings)
{
    bool written = m_profile.WriteProfileString(kPhotoOutput, "Folder", settings.folder);
    written &= m_profile.WriteProfileBool(kPhotoOutput, "SizeOrg", settings.sizeOriginal);
    written &= m_profile.WriteProfileBool(kPhotoOutput, "SizeMid", settings.sizeStandard);
    written &= m_profile.WriteProfileBool(kPhotoOutput, "SizeSmall", settings.sizeThumbnail);
    written &= m_profile.WriteProfileBool(kPhotoOutput, "SizeFree", settings.sizeFree);
    written &= m_profile.WriteProfileInt(kPhotoOutput, "FreeLen", settings.freeLength);
    written &= m_profile.WriteProfileInt(kPhotoOutput, "FreeBase", settings.freeBase);
    return written;
}

bool CProfileSettings::GetAlertMultiDoc() const
{
    return m_profile.GetProfileBool("Exit", "AlertMultiDoc", true);
}

void CProfileSettings::SetAlertMultiDoc(bool on)
{
    m_profile.WriteProfileBool("Exit", "AlertMultiDoc", on);
}

int CProfileSettings::GetWheelDelta() const
{
    return m_profile.GetProfileInt("Mouse", "WheelDelta", 2);
}

void CProfileSettings::SetWheelDelta(int delta)
{
    m_profile.WriteProfileInt("Mouse", "WheelDelta", delta);
}

int CProfileSettings::GetPrintModeSetting() const
{
    CString name = m_profile.GetProfileString("Print", "Mode", "");
    for (const PrintModeName& mode : kPrintModeNames) {
        if (name == mode.name) {
            return mode.command;
        }
    }
    return ID_FILE_PREVIEW_LIST;
}

void CProfileSettings::SetPrintModeSetting(int command)
{
    const char* name = "previewlist";
    for (const PrintModeName& mode : kPrintModeNames) {
        if (command == mode.command) {
            name = mode.name;
        }
    }
    m_profile.WriteProfileString("Print", "Mode", name);
}

CString CProfileSettings::GetFolder(const char* section, const char* key) const
{
    return m_profile.GetProfileString(section, key, GetMyDocumentsFolder());
}

char CProfileSettings::GetChar(const char* section, const char* key, char defaultValue,
                               bool noneAllowed) const
{
    // Stored as its code. A code that is no byte falls back rather than being cut down, and so
    // does 0 where it would mean no delimiter: the fields would run together.
    int code = m_profile.GetProfileInt(section, key, static_cast<unsigned char>(defaultValue));
    int lowest = noneAllowed ? 0 : 1;
    return code >= lowest && code <= 0xFF ? static_cast<char>(code) : defaultValue;
}
