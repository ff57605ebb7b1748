#include "foundation/ui/SystemServices.h"

#include "foundation/FieldRules.h"
#include "foundation/ShellError.h"
#include "platform/ui/DesktopLauncher.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/WxText.h"

#include <wx/filename.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

bool IsAddress(const wxString& file)
{
    return file.Contains("://") || file.StartsWith("mailto:");
}

int ErrorOf(const wxString& path)
{
    if (wxFileName::Exists(path)) {
        return CShellError::none;
    }
    const wxString folder = wxFileName(path).GetPath();
    return folder.empty() || wxFileName::DirExists(folder) ? CShellError::fileNotFound
                                                           : CShellError::pathNotFound;
}

// Hands a file or folder to the desktop through open, after the checks that name why it
// cannot be opened.
CString Launch(const CString& path, DesktopLauncher::Result (*open)(const CString&))
{
    const wxString target = ToWx(path);
    const int missing = ErrorOf(target);
    if (missing != CShellError::none) {
        return CShellError::Text(missing);
    }
    if (access(target.utf8_str().data(), R_OK) != 0) {
        return CShellError::Text(CShellError::accessDenied);
    }
    switch (open(path)) {
    case DesktopLauncher::Result::kStarted:
        return CString();
    case DesktopLauncher::Result::kNoProgram:
        return CShellError::Text(CShellError::noAssociation);
    case DesktopLauncher::Result::kFailed:
        break;
    }
    return CShellError::Text(CShellError::associationIncomplete);
}

} // namespace

CString OpenWithShell(wxWindow*, const char* verb, const CString& file, const CString&, const CString&, int)
{
    const wxString target = ToWx(file);
    if (verb != nullptr && *verb != '\0' && CString(verb) != "open") {
        return CShellError::Text(CShellError::noAssociation);
    }
    if (IsAddress(target)) {
        return wxLaunchDefaultBrowser(target) ? CString()
                                              : CString(CShellError::Text(CShellError::noAssociation));
    }
    return Launch(file, DesktopLauncher::OpenDocument);
}

CString OpenPageInBrowser(const CString& path)
{
    return Launch(path, DesktopLauncher::OpenPage);
}

CString OpenFolderWindow(const CString& folder)
{
    return Launch(folder, DesktopLauncher::OpenFolder);
}

CString OpenInTextEditor(const CString& path)
{
    return Launch(path, DesktopLauncher::OpenText);
}

bool OpenHelpPage(const CString& base, const CString& topic)
{
    return wxLaunchDefaultBrowser(ToWx(CFieldRules::HelpPageAddress(base, topic)));
}

void SetImeMode(int mode)
{
    wxWindow* focus = wxWindow::FindFocus();
    if (mode < 0 || focus == nullptr) {
        return;
    }
    // Leaving the input method as it is gives back what the program closed, so that after a
    // closed field the desktop's input method is the user's again.
    static constexpr InputMethod::Mode kModes[] = {
        InputMethod::Mode::kGivenBack, InputMethod::Mode::kClosed,   InputMethod::Mode::kOpen,
        InputMethod::Mode::kHalfKatakana, InputMethod::Mode::kKatakana, InputMethod::Mode::kHiragana,
        InputMethod::Mode::kAlphanumeric};
    InputMethod::SetMode(*focus, kModes[std::min(mode, 6)]);
}
