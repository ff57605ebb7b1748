#include "foundation/ui/SystemServices.h"

#include "foundation/FieldRules.h"
#include "foundation/ShellError.h"
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

} // namespace

CString OpenWithShell(wxWindow*, const char* verb, const CString& file, const CString& parameters,
                      const CString& folder, int)
{
    const wxString target = ToWx(file);
    if (verb != nullptr && *verb != '\0' && CString(verb) != "open") {
        return CShellError::Text(CShellError::noAssociation);
    }
    if (IsAddress(target)) {
        return wxLaunchDefaultBrowser(target) ? CString()
                                              : CString(CShellError::Text(CShellError::noAssociation));
    }
    const int missing = ErrorOf(target);
    if (missing != CShellError::none) {
        return CShellError::Text(missing);
    }
    const wxScopedCharBuffer path = target.utf8_str();
    if (!wxFileName::DirExists(target) && access(path.data(), X_OK) == 0) {
        // A program: run it on its own, with its parameters, in its folder.
        wxExecuteEnv env;
        env.cwd = folder.IsEmpty() ? wxFileName(target).GetPath() : ToWx(folder);
        wxArrayString words = wxSplit(ToWx(parameters), ' ', '\0');
        words.Insert(target, 0);
        std::vector<const wchar_t*> argv;
        for (const wxString& word : words) {
            if (!word.empty()) {
                argv.push_back(word.wc_str());
            }
        }
        argv.push_back(nullptr);
        return wxExecute(argv.data(), wxEXEC_ASYNC, nullptr, &env) > 0
                   ? CString()
                   : CString(CShellError::Text(CShellError::badFormat));
    }
    if (access(path.data(), R_OK) != 0) {
        return CShellError::Text(CShellError::accessDenied);
    }
    return wxLaunchDefaultApplication(target) ? CString()
                                              : CString(CShellError::Text(CShellError::noAssociation));
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
