#include "app/StartupPlan.h"

#include "platform/FileSystem.h"

#include <algorithm>

CString CStartupPlan::FindFileArgument(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        if (!argument.empty() && argument[0] != '-') {
            return FileSystem::FromNative(argument);
        }
    }
    return CString();
}

bool CStartupPlan::ShouldOpenLastDocument(bool autoNavigate, bool shiftDown, bool autoOpen,
                                          const CString& lastDocument)
{
    return !autoNavigate && !shiftDown && autoOpen && !lastDocument.IsEmpty();
}

bool CStartupPlan::IsOnSomeScreen(const CRect& saved, const std::vector<CRect>& screens)
{
    for (const CRect& screen : screens) {
        if (std::max(saved.left, screen.left) < std::min(saved.right, screen.right) &&
            std::max(saved.top, screen.top) < std::min(saved.bottom, screen.bottom)) {
            return true;
        }
    }
    return false;
}
