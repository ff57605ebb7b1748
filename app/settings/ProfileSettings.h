#pragma once

#include "photo/batch/IPhotoProfile.h"
#include "platform/CString.h"
#include "platform/Geometry.h"
#include "web/exchange/ICsvProfile.h"

class CAppBase;

// The program's settings in the profile file, with the section, key, kind and default of each
// fixed in this one place. Booleans read true for any value but 0 and are written as 1 or 0.
// Folder settings default to the user's documents folder as it is at the time of the read.
// The photo imports and the CSV dialogs keep their settings here through their own interfaces.
class CProfileSettings : public IPhotoProfile, public ICsvProfile
{
  public:
    explicit CProfileSettings(CAppBase& profile) : m_profile(profile) {}

    // Font/Size: the list grid's font size in tenths of a point.
    int GetFontSize() const;
    void SetFontSize(int size);

    // NewEntry/Folder, ListOpen/Folder and Folder/Photo: folders first offered by the dialogs.
    CString GetNewEntryFolder() const;
    void SetNewEntryFolder(const CString& folder);
    CString GetListOpenFolder() const;
    void SetListOpenFolder(const CString& folder);
    CString GetPhotoFolder() const override;
    void SetPhotoFolder(const CString& folder) override;
    bool GetViewSubFolder() const override;
    void SetViewSubFolder(bool on) override;

    // Auto: what happens by itself at start, at open and at close.
    bool GetAutoNavigate() const;
    void SetAutoNavigate(bool on);
    // Written by the tutorial viewer only.
    bool GetAutoTutorial() const;
    bool GetAutoOpen() const;
    void SetAutoOpen(bool on);
    bool GetAutoView() const;
    void SetAutoView(bool on);
    bool GetAutoBackup() const;
    void SetAutoBackup(bool on);
    bool GetAutoCheck() const;
    void SetAutoCheck(bool on);
    bool GetAutoInside() const;
    void SetAutoInside(bool on);
    CString GetLastDocument() const;
    void SetLastDocument(const CString& path);

    // MainFrame: the main window's normal rectangle in screen pixels and its show state.
    CRect GetMainFrameRect() const;
    void SetMainFrameRect(int left, int top, int right, int bottom);
    // SW_SHOW for a window saved in its normal state, else SW_SHOWMAXIMIZED (minimised too).
    int GetMainFrameShow() const;
    // Takes the show command of the window's placement.
    void SetMainFrameShow(int showCommand);

    // The dialogs' records, read and written as a whole; Save is false when a value could not
    // be written.
    bool LoadImportCsvSettings(ImportCsvSettings& settings) const override;
    bool SaveImportCsvSettings(const ImportCsvSettings& settings) override;
    bool LoadExportCsvSettings(ExportCsvSettings& settings) const override;
    bool SaveExportCsvSettings(const ExportCsvSettings& settings) override;
    bool LoadPhotoOutputSettings(PhotoOutputSettings& settings) const override;
    bool SavePhotoOutputSettings(const PhotoOutputSettings& settings) override;

    // Exit/AlertMultiDoc: ask before closing the main window over several documents.
    bool GetAlertMultiDoc() const;
    void SetAlertMultiDoc(bool on);

    // Mouse/WheelDelta: rows the list grid scrolls per wheel step.
    int GetWheelDelta() const;
    void SetWheelDelta(int delta);

    // Print/Mode: the last print command, stored as "list", "page", "previewlist" or
    // "previewpage"; anything else reads as the list preview.
    int GetPrintModeSetting() const;
    void SetPrintModeSetting(int command);

  private:
    CString GetFolder(const char* section, const char* key) const;
    // A character stored as its code; 0 (none) only where noneAllowed.
    char GetChar(const char* section, const char* key, char defaultValue, bool noneAllowed) const;

    CAppBase& m_profile;
};
