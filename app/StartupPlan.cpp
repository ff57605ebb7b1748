#include "app/StartupPlan.h"

#include "foundation/FileUtility.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace {

const std::string* FileArgument(const std::vector<std::string>& arguments)
{
    auto found = std::find_if(arguments.begin(), arguments.end(),
                              [](const std::string& argument) { return !argument.empty() && argument[0] != '-'; });
    return found != arguments.end() ? &*found : nullptr;
}

} // namespace

CString CStartupPlan::FindFileArgument(const std::vector<std::string>& arguments)
{
    const std::string* file = FileArgument(arguments);
    return file != nullptr ? FileSystem::FromNative(*file) : CString();
}

CString CStartupPlan::DescribeUnheldArgument(const std::vector<std::string>& arguments)
{
    const std::string* file = FileArgument(arguments);
    return file != nullptr ? DescribeUnheldPath(*file) : CString();
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
