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

bool CStartupPlan::PlaceSavedRect(const CRect& saved, const std::vector<CRect>& screens, CRect& placed)
{
    if (saved.Width() < kMinimumWidth || saved.Height() < kMinimumHeight) {
        return false;
    }
    const CRect* best = nullptr;
    long long bestArea = 0;
    for (const CRect& screen : screens) {
        const long long width = std::min(saved.right, screen.right) - std::max(saved.left, screen.left);
        const long long height = std::min(saved.bottom, screen.bottom) - std::max(saved.top, screen.top);
        if (width > 0 && height > 0 && width * height > bestArea) {
            bestArea = width * height;
            best = &screen;
        }
    }
    if (best == nullptr) {
        return false;
    }
    const int width = std::min(saved.Width(), best->Width());
    const int height = std::min(saved.Height(), best->Height());
    const int left = std::clamp(saved.left, best->left, best->right - width);
    const int top = std::clamp(saved.top, best->top, best->bottom - height);
    placed = CRect(left, top, left + width, top + height);
    return true;
}
